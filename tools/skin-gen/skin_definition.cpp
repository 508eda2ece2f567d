// The definition text of the Kestrix Red skin, written through the skin
// engine's own records so that every key has the name and form it reads.
#include "tools/skin-gen/skin_definition.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/skin_window_records.h"
#include "tools/skin-gen/skin_layout.h"

namespace kx::skingen {

using namespace layout;

namespace {

constexpr TColor kGrayText = 8421504;  // 0x808080
constexpr TColor kSilver = 12632256;   // 0xC0C0C0
constexpr TColor kWhiteText = 16777215;

TRect Strip(TPoint at, int w, int h, int frames) {
  return TRect::FromSize(at.X, at.Y, w * frames, h);
}
TRect StripFrame(TPoint at, int w, int h, int n) {
  return TRect::FromSize(at.X + (n - 1) * w, at.Y, w, h);
}
TRect Cell(TPoint at, int state, int w = kArrowSize, int h = kArrowSize) {
  return TRect::FromSize(at.X + state * (w + 2), at.Y, w, h);
}
TRect Mark(int x, int y) {
  return TRect::FromSize(x, y, kMarkSize, kMarkSize);
}

// ---- Frame objects

using ObjectList = std::vector<std::unique_ptr<TksDataSkinObject>>;

// Appends a record of class T, listed under the kind word, and returns it.
template <typename T, typename List>
T& Add(List& list, const std::string& name, const std::string& kind) {
  auto record = std::make_unique<T>(name);
  record->Kind = kind;
  T& ref = *record;
  list.push_back(std::move(record));
  return ref;
}

template <typename T>
T& AddObject(ObjectList& list, const std::string& name, const std::string& kind) {
  return Add<T>(list, name, kind);
}

void AddAnimatedButton(ObjectList& list, const std::string& name, const TRect& place, TPoint strip,
                       TksStdCommand command, const std::string& hint) {
  auto& b = AddObject<TksDataSkinAnimate>(list, name, "animate");
  const int w = place.Width(), h = place.Height();
  b.Hint = hint;
  b.ActivePictureIndex = kActive;
  b.SkinRect = place;
  b.ActiveSkinRect = Strip(strip, w, h, kAnimationFrames);
  b.CountFrames = kAnimationFrames;
  b.TimerInterval = 50;
  b.ButtonStyle = true;
  b.Command = command;
  b.DownSkinRect = StripFrame(strip, w, h, kAnimationFrames);
}

void AddBarButton(ObjectList& list, const std::string& name, int y, TksStdCommand command) {
  auto& b = AddObject<TksDataSkinMainMenuBarButton>(list, name, "mainmenubarbutton");
  b.ActivePictureIndex = kActive;
  b.SkinRectInAPicture = true;
  b.SkinRect = TRect::FromSize(kBarNormalX, y, kBarButtonWidth, kBarButtonHeight);
  b.ActiveSkinRect = TRect::FromSize(kBarActiveX, y, kBarButtonWidth, kBarButtonHeight);
  b.DownRect = TRect::FromSize(kBarDownX, y, kBarButtonWidth, kBarButtonHeight);
  b.Command = command;
}

ObjectList Objects() {
  ObjectList list;
  auto& item = AddObject<TksDataSkinMenuItem>(list, "menuitem", "menuitem");
  item.ActivePictureIndex = kMenuItems;
  item.SkinRect = kItemNormal;
  item.ActiveSkinRect = kItemActive;
  item.ItemLeftOffset = item.ItemRightOffset = 5;
  item.DividerRect = kDivider;
  item.DividerLeftOffset = item.DividerRightOffset = 3;
  item.TextRect = kItemText;
  item.UnEnabledFontColor = kSilver;
  item.StretchEffect = true;

  auto& caption = AddObject<TksDataSkinCaption>(list, "caption", "caption");
  caption.ActivePictureIndex = kActive;
  caption.SkinRect = kCaption;
  caption.ActiveSkinRect = kCaptionActive;
  caption.DefaultCaption = true;
  caption.TextRect = kCaptionText;
  caption.Font = {"Arial", 16, TFontStyle::fsBold, kSilver};
  caption.ActiveFontColor = kWhiteText;
  caption.Shadow = true;

  auto& barItem = AddObject<TksDataSkinMainMenuBarItem>(list, "mainmenubaritem", "mainmenubaritem");
  barItem.ActivePictureIndex = kMenuItems;
  barItem.SkinRectInAPicture = true;
  barItem.SkinRect = kBarItemNormal;
  barItem.ActiveSkinRect = kBarItemActive;
  barItem.DownRect = kBarItemDown;
  barItem.TextRect = kItemText;
  barItem.ItemLeftOffset = barItem.ItemRightOffset = 4;
  barItem.UnEnabledFontColor = kGrayText;

  AddBarButton(list, "menubarsysmenubutton", kBarSysMenuY, TksStdCommand::cmSysMenu);
  AddBarButton(list, "menubarclosebutton", kBarCloseY, TksStdCommand::cmClose);
  AddBarButton(list, "menubarmaxbutton", kBarMaxY, TksStdCommand::cmMaximize);
  AddBarButton(list, "menubarminbutton", kBarMinY, TksStdCommand::cmMinimize);
  AddAnimatedButton(list, "closeanimate", kCloseButton, kCloseStrip, TksStdCommand::cmClose,
                    "Close");
  AddAnimatedButton(list, "maxanimate", kMaxButton, kMaxStrip, TksStdCommand::cmMaximize,
                    "Maximize");
  AddAnimatedButton(list, "minanimate", kMinButton, kMinStrip, TksStdCommand::cmMinimize,
                    "Minimize");
  AddAnimatedButton(list, "rollupanimate", kRollUpButton, kRollUpStrip, TksStdCommand::cmRollUp,
                    "Roll up");
  AddAnimatedButton(list, "sysmenuanimate", kSysMenuButton, kSysMenuStrip, TksStdCommand::cmSysMenu,
                    "System menu");
  return list;
}

// ---- Controls

using ControlList = std::vector<std::unique_ptr<TksDataSkinControl>>;

// A control record on the controls picture.
template <typename T>
T& AddControl(ControlList& list, const std::string& name, const std::string& kind) {
  T& record = Add<T>(list, name, kind);
  record.PictureIndex = kControls;
  return record;
}

void SetPieces(TksDataSkinCustomControl& r, const TRect& skin, TPoint lt, TPoint rt, TPoint lb,
               TPoint rb, const TRect& client) {
  r.SkinRect = skin;
  r.LeftTopPoint = lt;
  r.RightTopPoint = rt;
  r.LeftBottomPoint = lb;
  r.RightBottomPoint = rb;
  r.ClientRect = client;
}

void PanelPieces(TksDataSkinCustomControl& r) {
  SetPieces(r, kPanel, {5, 4}, {53, 6}, {6, 45}, {53, 46}, {2, 2, 57, 50});
}
void EditPieces(TksDataSkinCustomControl& r) {
  SetPieces(r, kEdit, {4, 10}, {51, 11}, {}, {}, {2, 2, 55, 17});
}
void ButtonPieces(TksDataSkinButtonControl& r) {
  SetPieces(r, kButton, {5, 5}, {35, 5}, {5, 20}, {35, 20}, {3, 3, 37, 22});
  r.LeftStretch = r.TopStretch = r.RightStretch = r.BottomStretch = r.StretchEffect = true;
  r.ActiveSkinRect = kButtonActive;
  r.DownSkinRect = kButtonDown;
  r.DisabledSkinRect = kButtonDisabled;
  r.DisabledFontColor = kGrayText;
}

TksDataSkinButtonControl& AddButton(ControlList& list, const std::string& name) {
  auto& b = AddControl<TksDataSkinButtonControl>(list, name, "button");
  ButtonPieces(b);
  return b;
}

void Marks(TksDataSkinCheckRadioControl& r, int y) {
  r.UnEnabledFontColor = kGrayText;
  r.CheckImageRect = Mark(kMarkChecked, y);
  r.UnCheckImageRect = Mark(kMarkUnchecked, y);
  r.ActiveCheckImageRect = Mark(kMarkActiveChecked, y);
  r.ActiveUnCheckImageRect = Mark(kMarkActiveUnchecked, y);
  r.CheckImageArea = {4, 5, 19, 20};
  r.TextArea = {22, 0, 150, 25};
}

TksSkinArrowButtons Arrows(TPoint up, TPoint down) {
  return {Cell(up, 0), Cell(up, 1), Cell(up, 2), Cell(down, 0), Cell(down, 1), Cell(down, 2)};
}

void UpDown(ControlList& list, const std::string& name, TPoint up, TPoint down) {
  auto& u = AddControl<TksDataSkinUpDownControl>(list, name, "updown");
  // Both arrows, whichever of them the picture holds first.
  u.SkinRect = TRect{std::min(up.X, down.X), std::min(up.Y, down.Y),
                     std::max(up.X, down.X) + kArrowSize, std::max(up.Y, down.Y) + kArrowSize};
  u.Buttons = Arrows(up, down);
}

void ScrollBar(ControlList& list, const std::string& name, bool vertical) {
  auto& s = AddControl<TksDataSkinScrollBarControl>(list, name, "scrollbar");
  if (vertical) {
    SetPieces(s, kVTrack, {}, {}, {0, 4}, {}, {0, 0, 16, 76});
    s.TrackArea = {0, 0, 16, 76};
    s.Buttons = Arrows(kArrowUp, kArrowDown);
    s.ThumbRect = kVThumb;
    s.ActiveThumbRect = kVThumbActive;
    s.DownThumbRect = kVThumbDown;
  } else {
    SetPieces(s, kHTrack, {4, 0}, {76, 0}, {}, {}, {0, 0, 80, 16});
    s.TrackArea = {0, 0, 80, 16};
    s.Buttons = Arrows(kArrowLeft, kArrowRight);
    s.ThumbRect = kHThumb;
    s.ActiveThumbRect = kHThumbActive;
    s.DownThumbRect = kHThumbDown;
  }
  s.ThumbOffset1 = s.ThumbOffset2 = 4;
}

template <typename T>
T& ListLike(ControlList& list, const std::string& name, const std::string& kind) {
  auto& l = AddControl<T>(list, name, kind);
  EditPieces(l);
  l.ItemRect = kListItem;
  l.ActiveItemRect = kListItemActive;
  l.FocusItemRect = kListItemActive;
  l.ItemLeftOffset = l.ItemRightOffset = 3;
  l.ItemTextRect = {3, 1, 54, 15};
  return l;
}

ControlList Controls() {
  ControlList list;
  AddButton(list, "button");
  auto& check = AddControl<TksDataSkinCheckRadioControl>(list, "checkbox", "checkradio");
  Marks(check, kCheckY);
  auto& radio = AddControl<TksDataSkinCheckRadioControl>(list, "radiobox", "checkradio");
  Marks(radio, kRadioY);
  auto& panel = AddControl<TksDataSkinPanelControl>(list, "panel", "panel");
  PanelPieces(panel);
  panel.Font.Height = 12;
  auto& expanel = AddControl<TksDataSkinExPanelControl>(list, "expanel", "expanel");
  PanelPieces(expanel);
  expanel.CaptionRect = {2, 2, 57, 20};
  auto& label = AddControl<TksDataSkinLabelControl>(list, "label", "label");
  SetPieces(label, kLabel, {4, 8}, {20, 7}, {}, {}, {2, 2, 23, 13});
  auto& stdLabel = AddControl<TksDataSkinStdLabelControl>(list, "stdlabel", "stdlabel");
  stdLabel.PictureIndex = -1;
  stdLabel.ActiveFontColor = 4802996;
  auto& edit = AddControl<TksDataSkinEditControl>(list, "edit", "edit");
  EditPieces(edit);
  edit.DisabledFontColor = kGrayText;
  auto& memo = AddControl<TksDataSkinMemoControl>(list, "memo", "memo");
  EditPieces(memo);
  memo.ActiveSkinRect = kEditActive;
  memo.BGColor = memo.ActiveBGColor = kWhiteText;
  auto& spin = AddControl<TksDataSkinSpinEditControl>(list, "spinedit", "spinedit");
  EditPieces(spin);
  spin.ActiveSkinRect = kEditActive;
  spin.Buttons = Arrows(kArrowUp, kArrowDown);
  auto& combo = AddControl<TksDataSkinComboBox>(list, "combobox", "combobox");
  EditPieces(combo);
  combo.ActiveSkinRect = kEditActive;
  combo.ItemRect = kListItem;
  combo.ActiveItemRect = combo.FocusItemRect = kListItemActive;
  combo.ItemTextRect = {3, 1, 54, 15};
  combo.ListBoxName = "listbox";
  combo.ButtonRect = kComboButton;
  combo.ActiveButtonRect = kComboButtonActive;
  combo.DownButtonRect = kComboButtonDown;
  ListLike<TksDataSkinListBox>(list, "listbox", "listbox");

  auto& tab = AddControl<TksDataSkinTabControl>(list, "tab", "tab");  // index 12
  tab.SkinRect = kTabFrame;
  tab.ClientRect = {2, 2, 57, 50};
  tab.LeftTopPoint = {4, 4};
  tab.RightTopPoint = {54, 4};
  tab.LeftBottomPoint = {4, 47};
  tab.RightBottomPoint = {54, 47};
  tab.TabRect = kTab;
  tab.ActiveTabRect = kTabActive;
  tab.FocusTabRect = kTabFocus;
  tab.TabLeftOffset = tab.TabRightOffset = 3;
  tab.TabsBGRect = kTabsBg;
  tab.UpDown = "hupdown";

  UpDown(list, "hupdown", kArrowRight, kArrowLeft);
  UpDown(list, "vupdown", kArrowUp, kArrowDown);
  ScrollBar(list, "hscrollbar", false);
  ScrollBar(list, "vscrollbar", true);
  ScrollBar(list, "bothhscrollbar", false);
  auto& checkList = ListLike<TksDataSkinCheckListBox>(list, "checklistbox", "checklistbox");
  checkList.CheckImageRect = Mark(kMarkChecked, kCheckY);
  checkList.UnCheckImageRect = Mark(kMarkUnchecked, kCheckY);
  checkList.ItemCheckRect = {2, 1, 17, 16};
  for (const char* name : {"htrackbar", "vtrackbar"}) {
    auto& t = AddControl<TksDataSkinTrackBarControl>(list, name, "trackbar");
    SetPieces(t, kTrack, {4, 0}, {76, 0}, {}, {}, {0, 0, 80, 6});
    t.TrackArea = {0, 0, 80, 6};
    t.ButtonRect = kThumb;
    t.ActiveButtonRect = kThumbActive;
    t.Vertical = std::string(name) == "vtrackbar";
  }
  for (const char* name : {"hgauge", "vgauge"}) {
    auto& g = AddControl<TksDataSkinGaugeControl>(list, name, "gauge");
    SetPieces(g, kGauge, {4, 0}, {76, 0}, {}, {}, {2, 2, 78, 16});
    g.ProgressArea = {2, 2, 78, 16};
    g.ProgressRect = kGaugeBar;
    g.BeginOffset = g.EndOffset = 2;
    g.Vertical = std::string(name) == "vgauge";
  }
  for (const char* name : {"hsplitter", "vsplitter"}) {
    auto& s = AddControl<TksDataSkinSplitterControl>(list, name, "splitter");
    s.SkinRect = kGripper;
    s.GripperRect = kGripper;
  }
  for (const char* name : {"groupbox", "toolpanel", "statusbar"}) {
    auto& p = AddControl<TksDataSkinPanelControl>(list, name, "panel");
    PanelPieces(p);
    if (std::string(name) == "statusbar")
      SetPieces(p, kStatusBar, {4, 0}, {55, 0}, {}, {}, {2, 2, 57, 18});
    if (std::string(name) == "groupbox") p.CaptionRect = {6, 0, 53, 14};
  }
  auto& statusPanel = AddControl<TksDataSkinLabelControl>(list, "statuspanel", "label");
  SetPieces(statusPanel, kLabel, {4, 8}, {20, 7}, {}, {}, {2, 2, 23, 13});
  for (const char* name :
       {"menubutton", "toolbutton", "toolmenubutton", "speedbutton", "bigtoolbutton"}) {
    std::string n = name;
    if (n == "menubutton" || n == "toolmenubutton") {
      auto& m = AddControl<TksDataSkinMenuButtonControl>(list, n, "menubutton");
      ButtonPieces(m);
      m.TrackButtonRect = kComboButton;
    } else {
      AddButton(list, n);
    }
  }
  auto& bar = AddControl<TksDataSkinControlBar>(list, "controlbar", "controlbar");
  PanelPieces(bar);
  bar.ItemRect = kStatusBar;
  bar.HGripRect = bar.VGripRect = kGripper;
  auto& box = AddControl<TksDataSkinScrollBoxControl>(list, "scrollbox", "scrollbox");
  PanelPieces(box);
  auto& grid = AddControl<TksDataSkinGridControl>(list, "grid", "grid");
  grid.SkinRect = kEdit;
  grid.FixedCellRect = kGridFixed;
  grid.SelectCellRect = kGridSelect;
  grid.FocusCellRect = kGridFocus;
  grid.FixedCellLeftOffset = grid.FixedCellRightOffset = 2;
  grid.FixedCellTextRect = {3, 2, 54, 16};
  grid.CellLeftOffset = grid.CellRightOffset = 2;
  grid.CellTextRect = {3, 1, 54, 15};
  grid.LinesColor = 13158600;
  grid.BGColor = kWhiteText;
  for (auto [name, kind] :
       {std::pair{"treeview", "treeview"}, {"listview", "listview"}, {"richedit", "richedit"}}) {
    TksDataSkinFontBGControl* r = nullptr;
    if (std::string(kind) == "treeview") r = &AddControl<TksDataSkinTreeView>(list, name, kind);
    if (std::string(kind) == "listview") r = &AddControl<TksDataSkinListView>(list, name, kind);
    if (std::string(kind) == "richedit") r = &AddControl<TksDataSkinRichEdit>(list, name, kind);
    r->SkinRect = kEdit;
    r->BGColor = kWhiteText;
  }
  auto& slider = AddControl<TksDataSkinSlider>(list, "slider", "slider");
  slider.BGColor = 15132390;
  slider.HRulerRect = kTrack;
  slider.HThumbRect = kThumb;
  slider.VRulerRect = kTrack;
  slider.VThumbRect = kThumb;
  slider.EdgeSize = 2;
  slider.PointsColor = kGrayText;
  auto& bevel = AddControl<TksDataSkinBevel>(list, "bevel", "bevel");
  bevel.PictureIndex = -1;
  bevel.LightColor = kWhiteText;
  bevel.DarkColor = 10592673;
  auto& menuBar = AddControl<TksDataSkinMainMenuBar>(list, "mainmenubar", "mainmenubar");
  menuBar.SkinRect = kStatusBar;
  menuBar.ItemsRect = {2, 2, 57, 18};
  menuBar.MenuBarItem = "mainmenubaritem";
  menuBar.CloseButton = "menubarclosebutton";
  menuBar.MinButton = "menubarminbutton";
  menuBar.MaxButton = "menubarmaxbutton";
  menuBar.SysMenuButton = "menubarsysmenubutton";
  menuBar.TrackMarkColor = kGrayText;
  menuBar.TrackMarkActiveColor = 3024790;
  auto& bitLabel = AddControl<TksDataSkinBitLabelControl>(list, "bitlabel", "bitlabel");
  SetPieces(bitLabel, kLabel, {4, 8}, {20, 7}, {}, {}, {2, 2, 23, 13});
  auto& frameGauge = AddControl<TksDataSkinFrameGauge>(list, "framegauge", "framegauge");
  frameGauge.PictureIndex = kActive;
  frameGauge.SkinRect = Strip(kMinStrip, kMinButton.Width(), kMinButton.Height(), kAnimationFrames);
  frameGauge.FramesCount = kAnimationFrames;
  auto& regulator = AddControl<TksDataSkinFrameRegulator>(list, "frameregulator", "frameregulator");
  regulator.PictureIndex = kActive;
  regulator.SkinRect = frameGauge.SkinRect;
  regulator.FramesCount = kAnimationFrames;
  auto& sw = AddControl<TksDataSkinSwitchControl>(list, "switch", "switch");
  sw.SkinRect = TRect{kMarkUnchecked, kCheckY, kMarkChecked + kMarkSize, kCheckY + kMarkSize};
  sw.FramesCount = 4;
  auto& animate = AddControl<TksDataSkinAnimateControl>(list, "animate", "animate");
  animate.PictureIndex = kActive;
  animate.SkinRect =
      Strip(kCloseStrip, kCloseButton.Width(), kCloseButton.Height(), kAnimationFrames);
  animate.FramesCount = kAnimationFrames;
  for (const char* name : {"captionpanel", "checkpanel"}) {
    auto& p = AddControl<TksDataSkinPanelControl>(list, name, "panel");
    PanelPieces(p);
    p.CaptionRect = {2, 2, 57, 20};
    if (std::string(name) == "checkpanel") {
      p.CheckImageRect = Mark(kMarkChecked, kCheckY);
      p.UnCheckImageRect = Mark(kMarkUnchecked, kCheckY);
    }
  }
  for (const char* name : {"dateedit", "buttonedit"}) {
    auto& e = AddControl<TksDataSkinEditControl>(list, name, "edit");
    EditPieces(e);
    e.ActiveSkinRect = kEditActive;
    e.DisabledFontColor = kGrayText;
    e.ButtonRect = kComboButton;
    e.ActiveButtonRect = kComboButtonActive;
    e.DownButtonRect = kComboButtonDown;
  }
  for (const char* name : {"fontcombobox", "colorcombobox"}) {
    auto& c = AddControl<TksDataSkinComboBox>(list, name, "combobox");
    EditPieces(c);
    c.ActiveSkinRect = kEditActive;
    c.ItemRect = kListItem;
    c.ActiveItemRect = c.FocusItemRect = kListItemActive;
    c.ButtonRect = kComboButton;
    c.ActiveButtonRect = kComboButtonActive;
    c.DownButtonRect = kComboButtonDown;
    c.ListBoxName = "listbox";
  }
  ListLike<TksDataSkinListBox>(list, "filelistbox", "listbox");
  AddButton(list, "linkbutton");
  AddButton(list, "smallbutton");
  auto& toolbar = AddControl<TksDataSkinPanelControl>(list, "toolbar", "panel");
  SetPieces(toolbar, kStatusBar, {4, 0}, {55, 0}, {}, {}, {2, 2, 57, 18});
  AddButton(list, "resizebutton");
  auto& big = AddControl<TksDataSkinButtonControl>(list, "resizetoolbutton", "button");  // index 59
  SetPieces(big, kBigButton, {6, 7}, {31, 8}, {7, 31}, {31, 31}, {4, 5, 35, 34});
  big.LeftStretch = big.TopStretch = big.RightStretch = big.BottomStretch = big.StretchEffect =
      true;
  big.ActiveSkinRect = kBigButtonActive;
  big.DownSkinRect = kBigButtonDown;
  big.DisabledFontColor = kGrayText;
  auto& sheet = AddControl<TksDataSkinPanelControl>(list, "sheet", "panel");
  SetPieces(sheet, kTabFrame, {4, 4}, {54, 4}, {4, 47}, {54, 47}, {2, 2, 57, 50});
  auto& header = AddButton(list, "header");
  header.SkinRect = kGridFixed;
  header.ActiveSkinRect = kGridFixed;
  header.DownSkinRect = kGridSelect;
  header.LeftTopPoint = {2, 0};
  header.RightTopPoint = {55, 0};
  header.LeftBottomPoint = header.RightBottomPoint = {};
  header.ClientRect = {2, 1, 55, 17};
  auto& shadow = AddControl<TksDataSkinLabelControl>(list, "shadowlabel", "label");
  shadow.PictureIndex = -1;
  return list;
}

void Append(std::vector<std::string>& lines, std::initializer_list<std::string> more) {
  lines.insert(lines.end(), more);
}

template <typename List>
void ListSection(std::vector<std::string>& lines, const std::string& section, const List& records) {
  lines.push_back("[" + section + "]");
  lines.push_back("count=" + std::to_string(records.size()));
  for (std::size_t i = 0; i < records.size(); ++i)
    lines.push_back(std::to_string(i) + "=" + records[i]->IDName + ":" + records[i]->Kind);
}

TksSkinFrameValues FrameValues() {
  TksSkinFrameValues f;
  f.LTPoint = {90, 33};
  f.RTPoint = {102, 32};
  f.LBPoint = {11, 106};
  f.RBPoint = {206, 104};
  f.ClRect = kClient;
  f.MDIBGPictureIndex = kMdiBg;
  f.MaskRectArea = kMaskArea;
  f.HitTestLTPoint = {13, 11};
  f.HitTestRTPoint = {200, 12};
  f.HitTestLBPoint = {5, 109};
  f.HitTestRBPoint = {210, 109};
  f.BorderWidth = 3;
  f.InActiveEffect = TksInActiveEffect::ieBrightness;
  return f;
}

}  // namespace

std::vector<std::string> KestrixRedDefinition() {
  std::vector<std::string> lines;
  Append(lines,
         {"; Kestrix Red: a charcoal frame with a signal-red caption and controls on a light grey "
          "face.",
          "[VERSION]", "skinname=Kestrix Red", "skinauthor=Kestrix",
          "authoremail=skins@kestrix.example", "authorurl=https://kestrix.example/",
          "skincomments=The skin of the Kestrix football client.", "[PICTURES]", "picture=main.bmp",
          "inactivepicture=", "mask=mask.bmp", "rolluppicture=", "rollupmask="});
  std::vector<std::string> names = KestrixRedActivePictureNames();
  SkinKeys pictures(lines);
  pictures.List("activepictures", names);

  lines.push_back("[FORMINFO]");
  TksSkinFrameValues frame = FrameValues();
  SkinKeys formInfo(lines);
  frame.Keys(formInfo, true);

  lines.push_back("[POPUPWINDOW]");
  TksDataSkinPopupWindow popup;
  popup.WindowPictureIndex = kPopup;
  popup.MaskPictureIndex = kPopupMask;
  popup.Corners = {{14, 9}, {38, 10}, {14, 43}, {36, 45}};
  popup.ItemsRect = kPopupItems;
  popup.ScrollMarkerColor = 8421504;
  std::vector<std::string> popupLines;
  SkinKeys popupKeys(popupLines);
  popup.Keys(popupKeys);
  std::erase(popupLines, std::string("cursorindex=-1"));  // the popup names no cursor
  lines.insert(lines.end(), popupLines.begin(), popupLines.end());

  lines.push_back("[HINTWINDOW]");
  TksDataSkinHintWindow hint;
  hint.WindowPictureIndex = kHint;
  hint.MaskPictureIndex = kHintMask;
  hint.Corners = {{6, 6}, {47, 6}, {6, 15}, {47, 15}};
  hint.ClientRect = kHintClient;
  hint.Font.Color = 15132390;
  SkinKeys hintKeys(lines);
  hint.Keys(hintKeys);

  // Eight of the ten colours; the two 3-D ones are left out and read as black.
  Append(lines, {"[SKINCOLORS]", "cbtnface=15132390", "cbtntext=0", "cwindow=16777215",
                 "cwindowtext=0", "chighlight=3024790", "chighlighttext=16777215",
                 "cbtnhighlight=16119285", "cbtnshadow=10592673"});

  ObjectList objects = Objects();
  ControlList controls = Controls();
  ListSection(lines, "SKINOBJECTS", objects);
  ListSection(lines, "SKINCONTROLS", controls);
  for (auto& o : objects) o->SaveToIni(lines);
  for (auto& c : controls) c->SaveToIni(lines);
  return lines;
}

}  // namespace kx::skingen
