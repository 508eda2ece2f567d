#include "skin/data/skin_control_records.h"

#include "skin/data/record_factory.h"

namespace kx {

void TksDataSkinControl::LoadFromIni(const TMemIniFile& ini) {
  SkinKeys k(ini, IDName);
  Keys(k);
}

void TksDataSkinControl::SaveToIni(std::vector<std::string>& lines) {
  lines.push_back("[" + IDName + "]");
  SkinKeys k(lines);
  Keys(k);
}

void TksDataSkinControl::Keys(SkinKeys& k) {
  k.Int("pictureindex", PictureIndex, -1);
  k.Int("maskpictureindex", MaskPictureIndex, -1);
  k.Int("cursorindex", CursorIndex, -1);
  k.Rect("skinrect", SkinRect);
}

void TksDataSkinCustomControl::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Point("lefttoppoint", LeftTopPoint);
  k.Point("righttoppoint", RightTopPoint);
  k.Point("leftbottompoint", LeftBottomPoint);
  k.Point("rightbottompoint", RightBottomPoint);
  k.Rect("clientrect", ClientRect);
  k.Flag("stretcheffect", StretchEffect);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("bottomstretch", BottomStretch);
}

void TksDataSkinStdLabelControl::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor, 0xFF0000);
}

void TksDataSkinTabControl::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Rect("tabrect", TabRect);
  k.Rect("activetabrect", ActiveTabRect);
  k.Rect("focustabrect", FocusTabRect);
  k.Rect("mouseintabrect", MouseInTabRect);
  k.Rect("clientrect", ClientRect);
  k.Int("bgpictureindex", BGPictureIndex, -1);
  k.Point("lefttoppoint", LeftTopPoint);
  k.Point("righttoppoint", RightTopPoint);
  k.Point("leftbottompoint", LeftBottomPoint);
  k.Point("rightbottompoint", RightBottomPoint);
  k.Int("tableftoffset", TabLeftOffset);
  k.Int("tabrightoffset", TabRightOffset);
  k.Rect("tabsbgrect", TabsBGRect);
  k.Flag("tabstretcheffect", TabStretchEffect);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("bottomstretch", BottomStretch);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.Color("mouseinfontcolor", MouseInFontColor);
  k.String("updown", UpDown);
  k.Flag("showfocus", ShowFocus);
  k.Int("focusoffsetx", FocusOffsetX);
  k.Int("focusoffsety", FocusOffsetY);
}

void TksDataSkinGridControl::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Rect("fixedcellrect", FixedCellRect);
  k.Rect("selectcellrect", SelectCellRect);
  k.Rect("focuscellrect", FocusCellRect);
  k.Int("fixedcellleftoffset", FixedCellLeftOffset);
  k.Int("fixedcellrightoffset", FixedCellRightOffset);
  k.Rect("fixedcelltextrect", FixedCellTextRect);
  k.Int("cellleftoffset", CellLeftOffset);
  k.Int("cellrightoffset", CellRightOffset);
  k.Rect("celltextrect", CellTextRect);
  k.Color("linescolor", LinesColor);
  k.Color("bgcolor", BGColor);
  k.Int("bgpictureindex", BGPictureIndex, -1);
  k.Font(Font);
  k.Color("selectfontcolor", SelectFontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.String("fixedfontname", FixedFont.Name, "Arial");
  k.Int("fixedfontheight", FixedFont.Height, 14);
  k.FontStyle("fixedfontstyle", FixedFont.Style);
  k.Color("fixedfontcolor", FixedFont.Color);
  k.Flag("cellstretcheffect", CellStretchEffect);
  k.Flag("fixedcellstretcheffect", FixedCellStretchEffect);
  k.Flag("showfocus", ShowFocus);
}

void TksDataSkinMainMenuBar::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Rect("itemsrect", ItemsRect);
  k.String("menubaritem", MenuBarItem);
  k.String("closebutton", CloseButton);
  k.String("minbutton", MinButton);
  k.String("maxbutton", MaxButton);
  k.String("sysmenubutton", SysMenuButton);
  k.Color("trackmarkcolor", TrackMarkColor);
  k.Color("trackmarkactivecolor", TrackMarkActiveColor);
}

void TksDataSkinBevel::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Color("lightcolor", LightColor);
  k.Color("darkcolor", DarkColor);
}

void TksDataSkinSlider::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Color("bgcolor", BGColor);
  k.Rect("hrulerrect", HRulerRect);
  k.Rect("hthumbrect", HThumbRect);
  k.Rect("vrulerrect", VRulerRect);
  k.Rect("vthumbrect", VThumbRect);
  k.Int("edgesize", EdgeSize);
  k.Color("pointscolor", PointsColor);
}

void TksDataSkinFontBGControl::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Font(Font);
  k.Color("bgcolor", BGColor);
}

void TksDataSkinFrameControl::Keys(SkinKeys& k) {
  TksDataSkinControl::Keys(k);
  k.Int("framescount", FramesCount, 1);
  if (FramesCount < 1) FramesCount = 1;
  k.FramesPlacement("framesplacement", FramesPlacement);
}

void TksDataSkinFrameRegulator::Keys(SkinKeys& k) {
  TksDataSkinFrameControl::Keys(k);
  k.RegulatorKind("kind", RegulatorKind);
}

void TksDataSkinButtonControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("disabledfontcolor", DisabledFontColor);
  k.Color("downfontcolor", DownFontColor);
  k.Flag("morphing", Morphing);
  k.MorphKind("morphkind", MorphKind);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("downskinrect", DownSkinRect);
  k.Rect("disabledskinrect", DisabledSkinRect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Int("framecount", FrameCount);
  k.Int("animateinterval", AnimateInterval, 25);
  k.Flag("showfocus", ShowFocus);
  k.Rect("menumarkerflatrect", MenuMarkerFlatRect);
  k.Rect("menumarkerrect", MenuMarkerRect);
  k.Rect("menumarkeractiverect", MenuMarkerActiveRect);
  k.Rect("menumarkerdownrect", MenuMarkerDownRect);
  k.Color("menumarkertransparentcolor", MenuMarkerTransparentColor);
}

void TksDataSkinMenuButtonControl::Keys(SkinKeys& k) {
  TksDataSkinButtonControl::Keys(k);
  k.Rect("trackbuttonrect", TrackButtonRect);
}

void TksDataSkinCheckRadioControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("unenabledfontcolor", UnEnabledFontColor);
  k.Color("framefontcolor", FrameFontColor);
  k.Flag("morphing", Morphing);
  k.MorphKind("morphkind", MorphKind);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("checkimagearea", CheckImageArea);
  k.Rect("textarea", TextArea);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("uncheckimagerect", UnCheckImageRect);
  k.Rect("activecheckimagerect", ActiveCheckImageRect);
  k.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
  k.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
  k.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
}

void TksDataSkinPanelControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Int("bgpictureindex", BGPictureIndex, -1);
  k.Rect("captionrect", CaptionRect);
  k.Alignment("alignment", Alignment);
  k.Font(Font);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("uncheckimagerect", UnCheckImageRect);
  k.Rect("markframerect", MarkFrameRect);
  k.Rect("framerect", FrameRect);
  k.Rect("frametextrect", FrameTextRect);
  k.Int("frameleftoffset", FrameLeftOffset);
  k.Int("framerightoffset", FrameRightOffset);
  k.Rect("gripperrect", GripperRect);
  k.Flag("grippertransparent", GripperTransparent);
  k.Color("grippertransparentcolor", GripperTransparentColor);
}

void TksDataSkinExPanelControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("rollhskinrect", RollHSkinRect);
  k.Rect("rollvskinrect", RollVSkinRect);
  k.Int("rollleftoffset", RollLeftOffset);
  k.Int("rollrightoffset", RollRightOffset);
  k.Int("rolltopoffset", RollTopOffset);
  k.Int("rollbottomoffset", RollBottomOffset);
  const std::pair<const char*, TRect*> rects[] = {
      {"rollvcaptionrect", &RollVCaptionRect},
      {"rollhcaptionrect", &RollHCaptionRect},
      {"closebuttonrect", &CloseButtonRect},
      {"closebuttonactiverect", &CloseButtonActiveRect},
      {"closebuttondownrect", &CloseButtonDownRect},
      {"hrollbuttonrect", &HRollButtonRect},
      {"hrollbuttonactiverect", &HRollButtonActiveRect},
      {"hrollbuttondownrect", &HRollButtonDownRect},
      {"hrestorebuttonrect", &HRestoreButtonRect},
      {"hrestorebuttonactiverect", &HRestoreButtonActiveRect},
      {"hrestorebuttondownrect", &HRestoreButtonDownRect},
      {"vrollbuttonrect", &VRollButtonRect},
      {"vrollbuttonactiverect", &VRollButtonActiveRect},
      {"vrollbuttondownrect", &VRollButtonDownRect},
      {"vrestorebuttonrect", &VRestoreButtonRect},
      {"vrestorebuttonactiverect", &VRestoreButtonActiveRect},
      {"vrestorebuttondownrect", &VRestoreButtonDownRect},
      {"captionrect", &CaptionRect},
  };
  for (const auto& [key, rect] : rects) k.Rect(key, *rect);
  k.Font(Font);
}

void TksDataSkinLabelControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Font(Font);
}

void TksDataSkinBitLabelControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("skintextrect", SkinTextRect);
  k.Int("symbolwidth", SymbolWidth);
  k.Int("symbolheight", SymbolHeight);
  k.LineBlock("symbols", Symbols);
}

void TksDataSkinEditControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Font(Font);
  k.Color("disabledfontcolor", DisabledFontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TksDataSkinMemoControl::Keys(SkinKeys& k) {
  TksDataSkinEditControl::Keys(k);
  k.Color("bgcolor", BGColor);
  k.Color("activebgcolor", ActiveBGColor);
}

void TksSkinArrowButtons::Keys(SkinKeys& k) {
  k.Rect("upbuttonrect", UpButtonRect);
  k.Rect("activeupbuttonrect", ActiveUpButtonRect);
  k.Rect("downupbuttonrect", DownUpButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("activedownbuttonrect", ActiveDownButtonRect);
  k.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TksDataSkinSpinEditControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("disabledfontcolor", DisabledFontColor);
  Buttons.Keys(k);
}

void TksDataSkinUpDownControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  Buttons.Keys(k);
}

void TksDataSkinUpDownControl::LoadFromIni(const TMemIniFile& ini) {
  TksDataSkinCustomControl::LoadFromIni(ini);
  LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = TPoint{};
  ClientRect = TRect{};
}

void TksDataSkinScrollBarControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("trackarea", TrackArea);
  Buttons.Keys(k);
  k.Rect("thumbrect", ThumbRect);
  k.Rect("activethumbrect", ActiveThumbRect);
  k.Rect("downthumbrect", DownThumbRect);
  k.Int("thumboffset1", ThumbOffset1);
  k.Int("thumboffset2", ThumbOffset2);
  k.Flag("thumbtransparent", ThumbTransparent);
  k.Color("thumbtransparentcolor", ThumbTransparentColor);
  k.Rect("glyphrect", GlyphRect);
  k.Rect("activeglyphrect", ActiveGlyphRect);
  k.Rect("downglyphrect", DownGlyphRect);
}

void TksDataSkinTrackBarControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("trackarea", TrackArea);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Flag("vertical", Vertical);
  k.Flag("buttontransparent", ButtonTransparent);
  k.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TksDataSkinSplitterControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("gripperrect", GripperRect);
  k.Flag("grippertransparent", GripperTransparent);
  k.Color("grippertransparentcolor", GripperTransparentColor);
}

void TksDataSkinGaugeControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("progressarea", ProgressArea);
  k.Rect("progressrect", ProgressRect);
  k.Int("beginoffset", BeginOffset);
  k.Int("endoffset", EndOffset);
  k.Flag("vertical", Vertical);
  k.Font(Font);
  k.Flag("progresstransparent", ProgressTransparent);
  k.Color("progresstransparentcolor", ProgressTransparentColor);
  k.Flag("progressstretch", ProgressStretch);
}

void TksDataSkinListBox::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("itemrect", ItemRect);
  k.Rect("activeitemrect", ActiveItemRect);
  k.Rect("focusitemrect", FocusItemRect);
  k.Int("itemleftoffset", ItemLeftOffset);
  k.Int("itemrightoffset", ItemRightOffset);
  k.Rect("itemtextrect", ItemTextRect);
  k.Font(Font);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.Rect("captionrect", CaptionRect);
  k.String("captionfontname", CaptionFont.Name, "Arial");
  k.Int("captionfontheight", CaptionFont.Height, 14);
  k.FontStyle("captionfontstyle", CaptionFont.Style);
  k.Color("captionfontcolor", CaptionFont.Color);
  Buttons.Keys(k);
  k.Rect("checkbuttonrect", CheckButtonRect);
  k.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
  k.Rect("downcheckbuttonrect", DownCheckButtonRect);
  k.String("vscrollbarname", VScrollBarName, "vscrollbar");
  k.String("hscrollbarname", HScrollBarName, "hscrollbar");
  k.String("bothhscrollbarname", BothScrollBarName, "bothhscrollbar");
  k.Flag("showfocus", ShowFocus);
}

void TksDataSkinCheckListBox::Keys(SkinKeys& k) {
  TksDataSkinListBox::Keys(k);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("itemcheckrect", ItemCheckRect);
  k.Rect("uncheckimagerect", UnCheckImageRect);
}

void TksDataSkinComboBox::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("itemrect", ItemRect);
  k.Rect("activeitemrect", ActiveItemRect);
  k.Rect("focusitemrect", FocusItemRect);
  k.Int("itemleftoffset", ItemLeftOffset);
  k.Int("itemrightoffset", ItemRightOffset);
  k.Rect("itemtextrect", ItemTextRect);
  k.Font(Font);
  k.Color("focusfontcolor", FocusFontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.String("listboxname", ListBoxName);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("unenabledbuttonrect", UnEnabledButtonRect);
  k.Flag("itemstretcheffect", ItemStretchEffect);
  k.Flag("focusitemstretcheffect", FocusItemStretchEffect);
  k.Flag("showfocus", ShowFocus);
}

void TksDataSkinControlBar::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Rect("itemrect", ItemRect);
  k.Int("bgpictureindex", BGPictureIndex, -1);
  k.Rect("hgriprect", HGripRect);
  k.Rect("vgriprect", VGripRect);
  k.Int("gripoffset1", GripOffset1);
  k.Int("gripoffset2", GripOffset2);
}

void TksDataSkinScrollBoxControl::Keys(SkinKeys& k) {
  TksDataSkinCustomControl::Keys(k);
  k.Int("bgpictureindex", BGPictureIndex, -1);
}

namespace {

using F = RecordFactory<TksDataSkinControl>;

const F& Factory() {
  static const F factory = {
      {"stdlabel", F::Of<TksDataSkinStdLabelControl>()},
      {"tab", F::Of<TksDataSkinTabControl>()},
      {"grid", F::Of<TksDataSkinGridControl>()},
      {"mainmenubar", F::Of<TksDataSkinMainMenuBar>()},
      {"bevel", F::Of<TksDataSkinBevel>()},
      {"slider", F::Of<TksDataSkinSlider>()},
      {"treeview", F::Of<TksDataSkinTreeView>()},
      {"listview", F::Of<TksDataSkinListView>()},
      {"richedit", F::Of<TksDataSkinRichEdit>()},
      {"animate", F::Of<TksDataSkinAnimateControl>()},
      {"switch", F::Of<TksDataSkinSwitchControl>()},
      {"framegauge", F::Of<TksDataSkinFrameGauge>()},
      {"frameregulator", F::Of<TksDataSkinFrameRegulator>()},
      {"button", F::Of<TksDataSkinButtonControl>()},
      {"checkradio", F::Of<TksDataSkinCheckRadioControl>()},
      {"panel", F::Of<TksDataSkinPanelControl>()},
      {"expanel", F::Of<TksDataSkinExPanelControl>()},
      {"label", F::Of<TksDataSkinLabelControl>()},
      {"bitlabel", F::Of<TksDataSkinBitLabelControl>()},
      {"edit", F::Of<TksDataSkinEditControl>()},
      {"spinedit", F::Of<TksDataSkinSpinEditControl>()},
      {"updown", F::Of<TksDataSkinUpDownControl>()},
      {"scrollbar", F::Of<TksDataSkinScrollBarControl>()},
      {"trackbar", F::Of<TksDataSkinTrackBarControl>()},
      {"splitter", F::Of<TksDataSkinSplitterControl>()},
      {"gauge", F::Of<TksDataSkinGaugeControl>()},
      {"listbox", F::Of<TksDataSkinListBox>()},
      {"combobox", F::Of<TksDataSkinComboBox>()},
      {"controlbar", F::Of<TksDataSkinControlBar>()},
      {"scrollbox", F::Of<TksDataSkinScrollBoxControl>()},
      {"menubutton", F::Of<TksDataSkinMenuButtonControl>()},
      {"memo", F::Of<TksDataSkinMemoControl>()},
      {"checklistbox", F::Of<TksDataSkinCheckListBox>()},
  };
  return factory;
}

}  // namespace

std::unique_ptr<TksDataSkinControl> CreateSkinControlRecord(std::string_view kind,
                                                            const std::string& idName) {
  return Factory().Create(kind, idName);
}

}  // namespace kx
