#pragma once

#include "platform/base/geometry.h"

// Where every image of the Kestrix Red skin lies in its picture. The drawing
// code and the definition text both read these, so they cannot disagree.
namespace kx::skingen::layout {

// Picture positions among the active pictures.
inline constexpr int kActive = 0, kPopup = 1, kMenuItems = 2, kHint = 3, kControls = 4, kMdiBg = 5,
                     kPopupMask = 6, kHintMask = 7, kButtonMask = 8, kBigButtonMask = 9,
                     kSmallButtonMask = 10;

// The frame picture, 217 x 115.
inline constexpr int kMainWidth = 217, kMainHeight = 115;
inline constexpr TRect kClient{5, 30, 212, 110};
inline constexpr TRect kMaskArea{4, 14, 214, 111};
inline constexpr TRect kCaption{58, 2, 131, 28};
inline constexpr TRect kCaptionText{6, 2, 67, 24};  // relative to the caption
inline constexpr TRect kSysMenuButton{8, 6, 27, 25};
inline constexpr TRect kRollUpButton{30, 6, 49, 25};
inline constexpr TRect kMinButton{143, 6, 162, 25};
inline constexpr TRect kMaxButton{164, 6, 183, 25};
inline constexpr TRect kCloseButton{186, 3, 211, 28};
inline constexpr int kTopCornerRadius = 7;

// The first active picture, 214 x 140: the red caption bar and five-frame
// strips of the caption buttons, frame 1 at the left.
inline constexpr int kActiveWidth = 214, kActiveHeight = 140;
inline constexpr TRect kCaptionActive{0, 0, 73, 26};
inline constexpr int kAnimationFrames = 5;
inline constexpr TPoint kCloseStrip{0, 30}, kMaxStrip{0, 57}, kMinStrip{0, 78}, kRollUpStrip{0, 99},
    kSysMenuStrip{0, 120};
// Menu-bar buttons 16 x 14: normal, active, down side by side from x = 130.
inline constexpr int kBarButtonWidth = 16, kBarButtonHeight = 14;
inline constexpr int kBarSysMenuY = 30, kBarCloseY = 46, kBarMaxY = 62, kBarMinY = 78;
inline constexpr int kBarNormalX = 130, kBarActiveX = 148, kBarDownX = 166;

// The popup window picture, 51 x 53.
inline constexpr int kPopupWidth = 51, kPopupHeight = 53;
inline constexpr TRect kPopupItems{5, 8, 47, 46};

// Menu items, 54 x 128.
inline constexpr int kMenuWidth = 54, kMenuHeight = 128;
inline constexpr TRect kItemActive{1, 5, 51, 24}, kItemNormal{1, 24, 51, 43},
    kDivider{1, 42, 51, 48};
inline constexpr TRect kItemText{3, 3, 46, 15};
inline constexpr TRect kBarItemNormal{1, 60, 51, 79}, kBarItemActive{1, 80, 51, 99},
    kBarItemDown{1, 100, 51, 119};

// The hint window, 53 x 21.
inline constexpr int kHintWidth = 53, kHintHeight = 21;
inline constexpr TRect kHintClient{5, 3, 48, 18};

// The controls picture, 521 x 369.
inline constexpr int kControlsWidth = 521, kControlsHeight = 369;
inline constexpr int kMarkSize = 15;
inline constexpr int kCheckY = 60, kRadioY = 80;
// Left edges of the unchecked, active unchecked, active checked and checked marks.
inline constexpr int kMarkUnchecked = 1, kMarkActiveUnchecked = 15, kMarkActiveChecked = 29,
                     kMarkChecked = 43;
inline constexpr TRect kTab{4, 106, 63, 124}, kTabActive{4, 147, 63, 166},
    kTabFocus{4, 168, 63, 187};
inline constexpr TRect kTabFrame{67, 130, 126, 182}, kTabsBg{70, 132, 124, 152};
inline constexpr TRect kPanel{141, 4, 200, 56};
inline constexpr TRect kStatusBar{141, 60, 200, 80};
inline constexpr TRect kEdit{225, 98, 282, 117}, kEditActive{225, 120, 282, 139};
inline constexpr TRect kLabel{200, 287, 225, 302};
inline constexpr TRect kBigButton{90, 224, 130, 263}, kBigButtonActive{132, 224, 172, 263},
    kBigButtonDown{173, 224, 213, 263};
inline constexpr TRect kButton{90, 310, 130, 335}, kButtonActive{132, 310, 172, 335},
    kButtonDown{173, 310, 213, 335}, kButtonDisabled{215, 310, 255, 335};
// Arrow buttons 16 x 16: normal, active and down at x, x + 18, x + 36.
inline constexpr int kArrowSize = 16;
inline constexpr TPoint kArrowLeft{300, 4}, kArrowRight{300, 22}, kArrowUp{356, 4},
    kArrowDown{356, 22};
inline constexpr TRect kVTrack{410, 4, 426, 80}, kVThumb{430, 4, 446, 40},
    kVThumbActive{450, 4, 466, 40}, kVThumbDown{470, 4, 486, 40};
inline constexpr TRect kHTrack{300, 44, 380, 60}, kHThumb{300, 62, 340, 78},
    kHThumbActive{342, 62, 382, 78}, kHThumbDown{384, 62, 424, 78};
inline constexpr TRect kGauge{300, 90, 380, 108}, kGaugeBar{300, 110, 380, 122};
inline constexpr TRect kTrack{300, 130, 380, 136}, kThumb{300, 140, 311, 158},
    kThumbActive{313, 140, 324, 158};
inline constexpr TRect kGripper{330, 140, 336, 170};
inline constexpr TRect kComboButton{400, 90, 417, 109}, kComboButtonActive{419, 90, 436, 109},
    kComboButtonDown{438, 90, 455, 109};
inline constexpr TRect kListItem{225, 150, 282, 166}, kListItemActive{225, 168, 282, 184};
inline constexpr TRect kGridFixed{225, 190, 282, 208}, kGridSelect{225, 210, 282, 226},
    kGridFocus{225, 228, 282, 244};

// The multiple-document background tile, 138 x 86, and the masks.
inline constexpr int kMdiWidth = 138, kMdiHeight = 86;

}  // namespace kx::skingen::layout
