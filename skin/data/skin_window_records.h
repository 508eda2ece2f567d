#pragma once

#include <string>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/base/mem_ini_file.h"
#include "skin/store/skin_values.h"

namespace kx {

// An entry of [SKINAREAS]: a name and a rectangle.
struct TksDataSkinArea {
  std::string IDName;
  TRect AreaRect;
};

// Corner points of a window picture, shared by the popup and hint records.
struct TksSkinWindowCorners {
  TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  void Keys(SkinKeys& k);
};

// [POPUPWINDOW]: the frame of the skinned popup menu window.
struct TksDataSkinPopupWindow {
  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  TksSkinWindowCorners Corners;
  int CursorIndex = -1;
  TRect ItemsRect;
  TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  void Keys(SkinKeys& k);
};

// [HINTWINDOW]: the frame and font of the skinned hint window.
struct TksDataSkinHintWindow {
  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  TksSkinWindowCorners Corners;
  TRect ClientRect;
  TksSkinFont Font;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  void Keys(SkinKeys& k);
};

// [SKINCOLORS]: the colours skinned controls use in place of the system ones.
struct TksSkinColors {
  TColor cBtnFace = clBtnFace, cBtnText = clBtnText, cWindow = clWindow, cWindowText = clWindowText,
         cHighLight = clHighlight, cHighLightText = clHighlightText, cBtnHighLight = clBtnHighlight,
         cBtnShadow = clBtnShadow, c3DLight = cl3DLight, c3DDkShadow = cl3DDkShadow;
  void SetColorsToDefault() { *this = TksSkinColors(); }
  void Keys(SkinKeys& k);
};

// [FORMINFO]: the values of the skinned window frame.
struct TksSkinFrameValues {
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  int BGPictureIndex = -1;
  int MDIBGPictureIndex = -1;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  TRect ButtonsRect, CaptionRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  TRect MaskRectArea;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TPoint RollUpLeftPoint, RollUpRightPoint;
  TRect MainMenuRect, IconRect;
  bool MainMenuPopupUp = false;
  int BorderWidth = 0;
  int FormMinWidth = 0;
  int CursorIndex = -1;
  bool AutoRenderingInActiveImage = false;
  TksInActiveEffect InActiveEffect = TksInActiveEffect::ieBrightness;

  // Reads the section with its completion rules; maskNamed says whether the
  // [PICTURES] "mask" name is not empty.
  void Keys(SkinKeys& k, bool maskNamed);
};

}  // namespace kx
