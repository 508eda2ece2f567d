#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/base/mem_ini_file.h"
#include "skin/store/skin_values.h"

namespace kx {

// Base of every control record: the section [IDName] of [SKINCONTROLS].
class TksDataSkinControl {
 public:
  explicit TksDataSkinControl(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TksDataSkinControl() = default;
  TksDataSkinControl(const TksDataSkinControl&) = delete;
  TksDataSkinControl& operator=(const TksDataSkinControl&) = delete;

  // Reads the record's own section of ini.
  virtual void LoadFromIni(const TMemIniFile& ini);
  // Appends the section "[IDName]" with every key of the record.
  virtual void SaveToIni(std::vector<std::string>& lines);

  std::string IDName;
  std::string Kind;  // the kind word the record was listed with
  int PictureIndex = -1;
  int MaskPictureIndex = -1;
  int CursorIndex = -1;
  TRect SkinRect;

 protected:
  virtual void Keys(SkinKeys& k);
};

// Base of the framed records: corner points, client rectangle, stretch flags.
class TksDataSkinCustomControl : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  TRect ClientRect;
  bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
       BottomStretch = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinStdLabelControl : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TksSkinFont Font;
  TColor ActiveFontColor = 0xFF0000;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinTabControl : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClientRect;
  int BGPictureIndex = -1;
  TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  TRect TabsBGRect;
  bool TabStretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
       BottomStretch = false;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  std::string UpDown;
  bool ShowFocus = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinGridControl : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int CellLeftOffset = 0, CellRightOffset = 0;
  TRect CellTextRect;
  TColor LinesColor = 0, BGColor = 0;
  int BGPictureIndex = -1;
  TksSkinFont Font;
  TColor SelectFontColor = 0, FocusFontColor = 0;
  TksSkinFont FixedFont;
  bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMainMenuBar : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TRect ItemsRect;
  std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinBevel : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TColor LightColor = 0, DarkColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinSlider : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TColor BGColor = 0;
  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int EdgeSize = 0;
  TColor PointsColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

// Tree view, list view and rich edit: a font and a background colour.
class TksDataSkinFontBGControl : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  TksSkinFont Font;
  TColor BGColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};
class TksDataSkinTreeView : public TksDataSkinFontBGControl {
  using TksDataSkinFontBGControl::TksDataSkinFontBGControl;
};
class TksDataSkinListView : public TksDataSkinFontBGControl {
  using TksDataSkinFontBGControl::TksDataSkinFontBGControl;
};
class TksDataSkinRichEdit : public TksDataSkinFontBGControl {
  using TksDataSkinFontBGControl::TksDataSkinFontBGControl;
};

// Base of the frame-strip records: a picture of FramesCount frames.
class TksDataSkinFrameControl : public TksDataSkinControl {
 public:
  using TksDataSkinControl::TksDataSkinControl;
  int FramesCount = 1;
  TksFramesPlacement FramesPlacement = TksFramesPlacement::fpHorizontal;

 protected:
  void Keys(SkinKeys& k) override;
};
class TksDataSkinAnimateControl : public TksDataSkinFrameControl {
  using TksDataSkinFrameControl::TksDataSkinFrameControl;
};
class TksDataSkinSwitchControl : public TksDataSkinFrameControl {
  using TksDataSkinFrameControl::TksDataSkinFrameControl;
};
class TksDataSkinFrameGauge : public TksDataSkinFrameControl {
  using TksDataSkinFrameControl::TksDataSkinFrameControl;
};
class TksDataSkinFrameRegulator : public TksDataSkinFrameControl {
 public:
  using TksDataSkinFrameControl::TksDataSkinFrameControl;
  TksRegulatorKind RegulatorKind = TksRegulatorKind::rkRound;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinButtonControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, DisabledFontColor = 0, DownFontColor = 0;
  bool Morphing = false;
  TksMorphKind MorphKind = TksMorphKind::mkDefault;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool ShowFocus = false;
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMenuButtonControl : public TksDataSkinButtonControl {
 public:
  using TksDataSkinButtonControl::TksDataSkinButtonControl;
  TRect TrackButtonRect;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinCheckRadioControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  bool Morphing = false;
  TksMorphKind MorphKind = TksMorphKind::mkDefault;
  TRect ActiveSkinRect, CheckImageArea, TextArea, CheckImageRect, UnCheckImageRect,
      ActiveCheckImageRect, ActiveUnCheckImageRect, UnEnabledCheckImageRect,
      UnEnabledUnCheckImageRect;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinPanelControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  int BGPictureIndex = -1;
  TRect CaptionRect;
  TAlignment Alignment = TAlignment::taCenter;
  TksSkinFont Font;
  TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinExPanelControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect, CloseButtonRect, CloseButtonActiveRect,
      CloseButtonDownRect, HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect,
      HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect, VRollButtonRect,
      VRollButtonActiveRect, VRollButtonDownRect, VRestoreButtonRect, VRestoreButtonActiveRect,
      VRestoreButtonDownRect, CaptionRect;
  TksSkinFont Font;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinLabelControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TksSkinFont Font;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinBitLabelControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect SkinTextRect;
  int SymbolWidth = 0, SymbolHeight = 0;
  std::vector<std::string> Symbols;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinEditControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect ActiveSkinRect;
  TksSkinFont Font;
  TColor DisabledFontColor = 0, ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMemoControl : public TksDataSkinEditControl {
 public:
  using TksDataSkinEditControl::TksDataSkinEditControl;
  TColor BGColor = 0, ActiveBGColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

// The six rectangles of a pair of arrow buttons.
struct TksSkinArrowButtons {
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
      DownDownButtonRect;
  void Keys(SkinKeys& k);
};

class TksDataSkinSpinEditControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect ActiveSkinRect;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, DisabledFontColor = 0;
  TksSkinArrowButtons Buttons;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinUpDownControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  void LoadFromIni(const TMemIniFile& ini) override;
  TksSkinArrowButtons Buttons;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinScrollBarControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect TrackArea;
  TksSkinArrowButtons Buttons;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = 0;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinTrackBarControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false, ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinSplitterControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinGaugeControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect ProgressArea, ProgressRect;
  int BeginOffset = 0, EndOffset = 0;
  bool Vertical = false;
  TksSkinFont Font;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = 0;
  bool ProgressStretch = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinListBox : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, FocusFontColor = 0;
  TRect CaptionRect;
  TksSkinFont CaptionFont;
  TksSkinArrowButtons Buttons;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  std::string VScrollBarName, HScrollBarName, BothScrollBarName;
  bool ShowFocus = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinCheckListBox : public TksDataSkinListBox {
 public:
  using TksDataSkinListBox::TksDataSkinListBox;
  TRect CheckImageRect, ItemCheckRect, UnCheckImageRect;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinComboBox : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect ActiveSkinRect, ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  TksSkinFont Font;
  TColor FocusFontColor = 0, ActiveFontColor = 0;
  std::string ListBoxName;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinControlBar : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  TRect ItemRect;
  int BGPictureIndex = -1;
  TRect HGripRect, VGripRect;
  int GripOffset1 = 0, GripOffset2 = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinScrollBoxControl : public TksDataSkinCustomControl {
 public:
  using TksDataSkinCustomControl::TksDataSkinCustomControl;
  int BGPictureIndex = -1;

 protected:
  void Keys(SkinKeys& k) override;
};

// The control record for a kind word of [SKINCONTROLS]; null for an unknown kind.
std::unique_ptr<TksDataSkinControl> CreateSkinControlRecord(std::string_view kind,
                                                            const std::string& idName);

}  // namespace kx
