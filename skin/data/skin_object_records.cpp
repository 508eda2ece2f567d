#include "skin/data/skin_object_records.h"

#include "skin/data/record_factory.h"

namespace kx {

void TksDataSkinObject::LoadFromIni(const TMemIniFile& ini) {
  SkinKeys k(ini, IDName);
  Keys(k);
}

void TksDataSkinObject::SaveToIni(std::vector<std::string>& lines) {
  lines.push_back("[" + IDName + "]");
  SkinKeys k(lines);
  Keys(k);
}

void TksDataSkinObject::Keys(SkinKeys& k) {
  k.String("hint", Hint);
  k.Flag("rollup", RollUp);
  k.Int("activepictureindex", ActivePictureIndex, -1);
  k.Flag("skinrectinapicture", SkinRectInAPicture);
  k.Int("cursorindex", CursorIndex, -1);
  k.Rect("skinrect", SkinRect);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("inactiveskinrect", InActiveSkinRect);
  k.Flag("morphing", Morphing);
  k.MorphKind("morphkind", MorphKind);
}

void TksDataSkinButton::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Rect("downrect", DownRect);
  k.Rect("disableskinrsect", DisableSkinRect);
  k.Int("groupindex", GroupIndex, -1);
}

void TksSkinRestoreRects::Keys(SkinKeys& k) {
  k.Rect("restorerect", RestoreRect);
  k.Rect("restoreactiverect", RestoreActiveRect);
  k.Rect("restoredownrect", RestoreDownRect);
  k.Rect("restoreinactiverect", RestoreInActiveRect);
}

void TksDataSkinStdButton::Keys(SkinKeys& k) {
  TksDataSkinButton::Keys(k);
  k.Command("command", Command);
  Restore.Keys(k);
}

void TksDataSkinCaption::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Flag("defaultcaption", DefaultCaption);
  k.Rect("textrect", TextRect);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Alignment("alignment", Alignment);
  k.Flag("shadow", Shadow);
  k.Color("shadowcolor", ShadowColor);
  k.Flag("light", Light);
  k.Color("lightcolor", LightColor);
  k.Color("activelightcolor", ActiveLightColor);
  k.Color("activeshadowcolor", ActiveShadowColor);
  k.Rect("framerect", FrameRect);
  k.Rect("activeframerect", ActiveFrameRect);
  k.Rect("frametextrect", FrameTextRect);
  k.Int("frameleftoffset", FrameLeftOffset);
  k.Int("framerightoffset", FrameRightOffset);
  k.Flag("stretcheffect", StretchEffect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Int("framecount", FrameCount);
  k.Int("animateinterval", AnimateInterval, 25);
  k.Flag("inactiveanimation", InActiveAnimation);
  k.Flag("fullframe", FullFrame);
}

void TksDataSkinAnimate::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  if (k.Reading()) Morphing = false;
  k.Int("countframes", CountFrames, 1);
  k.Flag("cycle", Cycle);
  k.Flag("buttonstyle", ButtonStyle);
  k.Int("timerinterval", TimerInterval, 50);
  k.Command("command", Command);
  k.Rect("downskinrect", DownSkinRect);
  Restore.Keys(k);
}

void TksDataSkinMenuItem::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Int("itemleftoffset", ItemLeftOffset);
  k.Int("itemrightoffset", ItemRightOffset);
  k.Rect("dividerrect", DividerRect);
  k.Int("dividerleftoffset", DividerLeftOffset);
  k.Int("dividerrightoffset", DividerRightOffset);
  k.Rect("textrect", TextRect);
  k.Rect("imagerect", ImageRect);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("unenabledfontcolor", UnEnabledFontColor);
  k.Flag("stretcheffect", StretchEffect);
  k.Flag("inactivestretcheffect", InActiveStretchEffect);
  k.Flag("dividerstretcheffect", DividerStretchEffect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Int("framecount", FrameCount);
  k.Int("animateinterval", AnimateInterval, 25);
  k.Flag("inactiveanimation", InActiveAnimation);
  k.Flag("useimagecolor", UseImageColor);
  k.Color("imagecolor", ImageColor);
  k.Color("activeimagecolor", ActiveImageColor);
}

void TksDataSkinMainMenuItem::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Int("itemleftoffset", ItemLeftOffset);
  k.Int("itemrightoffset", ItemRightOffset);
  k.Rect("downrect", DownRect);
  k.Rect("textrect", TextRect);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("downfontcolor", DownFontColor);
  k.Color("unenabledfontColor", UnEnabledFontColor);
  k.Flag("stretcheffect", StretchEffect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Int("framecount", FrameCount);
  k.Int("animateinterval", AnimateInterval, 25);
  k.Flag("inactiveanimation", InActiveAnimation);
}

void TksDataSkinLabel::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Alignment("alignment", Alignment);
  k.String("textvalue", TextValue);
}

void TksDataSkinBitLabel::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.String("textvalue", TextValue);
  k.Int("symbolwidth", SymbolWidth);
  k.Int("symbolheight", SymbolHeight);
  k.LineBlock("symbols", Symbols);
  k.Flag("transparent", Transparent);
  k.Color("transparentcolor", TransparentColor, 0xFF00FF);
}

void TksDataSkinGauge::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Int("minvalue", MinValue);
  k.Int("maxvalue", MaxValue);
  k.GaugeKind("kind", GaugeKind);
}

void TksDataSkinTrackBar::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Point("beginpoint", BeginPoint);
  k.Point("endpoint", EndPoint);
  k.Int("minvalue", MinValue);
  k.Int("maxvalue", MaxValue);
  k.Flag("mousedownchangevalue", MouseDownChangeValue);
  k.Flag("buttontransparent", ButtonTransparent);
  k.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TksDataSkinFrameGaugeObject::Keys(SkinKeys& k) {
  TksDataSkinObject::Keys(k);
  k.Int("minvalue", MinValue);
  k.Int("maxvalue", MaxValue);
  k.Int("countframes", CountFrames);
  k.FramesPlacement("framesplacement", FramesPlacement);
}

void TksDataSkinFrameRegulatorObject::Keys(SkinKeys& k) {
  TksDataSkinFrameGaugeObject::Keys(k);
  k.RegulatorKind("kind", RegulatorKind);
}

void TksDataUserObject::Keys(SkinKeys& k) {
  k.Flag("rollup", RollUp);
  k.Rect("skinrect", SkinRect);
  k.Int("cursorindex", CursorIndex, -1);
}

namespace {

using F = RecordFactory<TksDataSkinObject>;

const F& Factory() {
  static const F factory = {
      {"button", F::Of<TksDataSkinButton>()},
      {"stdbutton", F::Of<TksDataSkinStdButton>()},
      {"mainmenubarbutton", F::Of<TksDataSkinMainMenuBarButton>()},
      {"caption", F::Of<TksDataSkinCaption>()},
      {"animate", F::Of<TksDataSkinAnimate>()},
      {"menuitem", F::Of<TksDataSkinMenuItem>()},
      {"mainmenuitem", F::Of<TksDataSkinMainMenuItem>()},
      {"mainmenubaritem", F::Of<TksDataSkinMainMenuBarItem>()},
      {"label", F::Of<TksDataSkinLabel>()},
      {"bitlabel", F::Of<TksDataSkinBitLabel>()},
      {"gauge", F::Of<TksDataSkinGauge>()},
      {"trackbar", F::Of<TksDataSkinTrackBar>()},
      {"framegauge", F::Of<TksDataSkinFrameGaugeObject>()},
      {"frameregulator", F::Of<TksDataSkinFrameRegulatorObject>()},
      {"switch", F::Of<TksDataSkinSwitch>()},
      {"userobject", F::Of<TksDataUserObject>()},
  };
  return factory;
}

}  // namespace

std::unique_ptr<TksDataSkinObject> CreateSkinObjectRecord(std::string_view kind,
                                                          const std::string& idName) {
  return Factory().Create(kind, idName);
}

}  // namespace kx
