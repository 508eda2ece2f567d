#include "skin/data/skin_window_records.h"

#include <algorithm>

namespace kx {

void TksSkinWindowCorners::Keys(SkinKeys& k) {
  k.Point("lefttoppoint", LeftTopPoint);
  k.Point("righttoppoint", RightTopPoint);
  k.Point("leftbottompoint", LeftBottomPoint);
  k.Point("rightbottompoint", RightBottomPoint);
}

void TksDataSkinPopupWindow::Keys(SkinKeys& k) {
  k.Int("windowpictureindex", WindowPictureIndex, -1);
  k.Int("maskpictureindex", MaskPictureIndex, -1);
  Corners.Keys(k);
  k.Int("cursorindex", CursorIndex, -1);
  k.Rect("itemsrect", ItemsRect);
  k.Color("scrollmarkercolor", ScrollMarkerColor);
  k.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("bottomstretch", BottomStretch);
}

void TksDataSkinHintWindow::Keys(SkinKeys& k) {
  k.Int("windowpictureindex", WindowPictureIndex, -1);
  k.Int("maskpictureindex", MaskPictureIndex, -1);
  Corners.Keys(k);
  k.Rect("clientrect", ClientRect);
  k.Font(Font);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("bottomstretch", BottomStretch);
}

void TksSkinColors::Keys(SkinKeys& k) {
  k.Color("cbtnface", cBtnFace);
  k.Color("cbtntext", cBtnText);
  k.Color("cwindow", cWindow);
  k.Color("cwindowtext", cWindowText);
  k.Color("chighlight", cHighLight);
  k.Color("chighlighttext", cHighLightText);
  k.Color("cbtnhighlight", cBtnHighLight);
  k.Color("cbtnshadow", cBtnShadow);
  k.Color("c3dlight", c3DLight);
  k.Color("c3ddkshadow", c3DDkShadow);
}

namespace {

// "maskrectarea" always contains "clientrect"; it becomes it when it has no area.
TRect WidenedToContain(const TRect& area, const TRect& client) {
  if (area.Width() < 1 || area.Height() < 1) return client;
  return TRect{std::min(area.Left, client.Left), std::min(area.Top, client.Top),
               std::max(area.Right, client.Right), std::max(area.Bottom, client.Bottom)};
}

void TakeWhenOnAxis(TPoint& hitTest, TPoint corner) {
  if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
}

}  // namespace

void TksSkinFrameValues::Keys(SkinKeys& k, bool maskNamed) {
  k.Point("lefttoppoint", LTPoint);
  k.Point("righttoppoint", RTPoint);
  k.Point("leftbottompoint", LBPoint);
  k.Point("rightbottompoint", RBPoint);
  k.Rect("clientrect", ClRect);
  k.Int("bgpictureindex", BGPictureIndex, -1);
  k.Int("mdibgpictureindex", MDIBGPictureIndex, -1);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("bottomstretch", BottomStretch);
  k.Rect("buttonsrect", ButtonsRect);
  k.Rect("captionrect", CaptionRect);
  k.Int("buttonsoffset", ButtonsOffset);
  k.Flag("buttonsinleft", ButtonsInLeft);
  k.Rect("maskrectarea", MaskRectArea);
  k.Point("hittestlefttoppoint", HitTestLTPoint);
  k.Point("hittestrighttoppoint", HitTestRTPoint);
  k.Point("hittestleftbottompoint", HitTestLBPoint);
  k.Point("hittestrightbottompoint", HitTestRBPoint);
  k.Point("rollupleftpoint", RollUpLeftPoint);
  k.Point("rolluprightpoint", RollUpRightPoint);
  if (k.Reading() && maskNamed) {
    MaskRectArea = WidenedToContain(MaskRectArea, ClRect);
    TakeWhenOnAxis(HitTestLTPoint, LTPoint);
    TakeWhenOnAxis(HitTestRTPoint, RTPoint);
    TakeWhenOnAxis(HitTestLBPoint, LBPoint);
    TakeWhenOnAxis(HitTestRBPoint, RBPoint);
  }
  k.Rect("mainmenurect", MainMenuRect);
  k.Rect("iconrect", IconRect);
  k.Flag("mainmenupopupup", MainMenuPopupUp);
  k.Int("borderwidth", BorderWidth);
  k.Int("formminwidth", FormMinWidth);
  k.Int("cursorindex", CursorIndex, -1);
  k.Flag("autorenderinginactiveimage", AutoRenderingInActiveImage);
  k.InActiveEffect("inactiveeffect", InActiveEffect);
  if (k.Reading() && RBPoint.X != LTPoint.X && RBPoint.Y != LTPoint.Y) {
    LTPoint.X = std::max(LTPoint.X, ClRect.Left);
    LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
    RTPoint.X = std::min(RTPoint.X, ClRect.Right);
    RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
    LBPoint.X = std::max(LBPoint.X, ClRect.Left);
    LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
    RBPoint.X = std::min(RBPoint.X, ClRect.Right);
    RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
  }
}

}  // namespace kx
