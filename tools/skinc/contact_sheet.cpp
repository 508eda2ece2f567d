// The contact sheet: every picture of a skin on a checkerboard, and the parts
// the program builds from them with the skin engine's own primitives.
#include <algorithm>
#include <string>

#include "platform/base/exception.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/draw_text.h"
#include "platform/gfx/png_writer.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_drawing.h"
#include "skin/draw/skin_graphics.h"
#include "skin/store/compressed_stored_skin.h"
#include "tools/skinc/commands.h"

namespace kx::skinc {

namespace {

constexpr int kSheetWidth = 1480, kSheetHeight = 1560;

class ContactSheet {
 public:
  ContactSheet() : m_bitmap(kSheetWidth, kSheetHeight) {
    Canvas().Brush().Color = 0xF4F4F4;
    Canvas().FillRect({0, 0, kSheetWidth, kSheetHeight});
  }
  TCanvas& Canvas() { return m_bitmap.Canvas(); }
  const TBitmap& Bitmap() const { return m_bitmap; }

  void Checker(const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (Inside(x, y))
          m_bitmap.SetPixelAt(
              x, y, ((x / 6 + y / 6) % 2) ? MakePixel(204, 204, 204) : MakePixel(255, 255, 255));
  }
  // Draws bitmap at (x, y); pixels outside region (when given) stay as they are.
  void Place(const TBitmap& b, int x, int y, const std::optional<TRegion>& region = std::nullopt) {
    for (int by = 0; by < b.Height(); ++by)
      for (int bx = 0; bx < b.Width(); ++bx)
        if (Inside(x + bx, y + by) && (!region || region->Contains(bx, by)))
          m_bitmap.SetPixelAt(x + bx, y + by, kOpaque | b.PixelAt(bx, by));
  }
  // A picture on a checkerboard with a caption above it; returns the bottom.
  int Picture(const TBitmap& b, int x, int y, const std::string& caption) {
    Caption(x, y, caption);
    Checker({x, y + 16, x + b.Width() + 8, y + 16 + b.Height() + 8});
    Place(b, x + 4, y + 20);
    return y + 16 + b.Height() + 8 + 10;
  }
  void Caption(int x, int y, const std::string& text) {
    TCanvas& c = Canvas();
    c.Font() = TFont("Arial", 13, {}, 0x404040);
    c.Brush().Style = TBrushStyle::bsClear;
    c.TextOut(x, y, text);
  }

 private:
  bool Inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < kSheetWidth && y < kSheetHeight;
  }
  TBitmap m_bitmap;
};

void Text(TBitmap& b, const TRect& r, const std::string& text, const TksSkinFont& font,
          TColor color, std::uint32_t align = DT_CENTER) {
  TCanvas& c = b.Canvas();
  c.Font() = TFont(font.Name, font.Height, font.Style, color);
  c.Brush().Style = TBrushStyle::bsClear;
  TRect box = r;
  DrawTextAuto(c, text, box, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

template <typename T>
const T* Control(const TksSkinData& data, const std::string& name) {
  int i = data.GetControlIndex(name);
  return i < 0 ? nullptr
               : dynamic_cast<const T*>(data.SkinControls[static_cast<std::size_t>(i)].get());
}

template <typename T>
const T* Object(const TksSkinData& data, const std::string& name) {
  int i = data.GetObjectIndex(name);
  return i < 0 ? nullptr
               : dynamic_cast<const T*>(data.SkinObjects[static_cast<std::size_t>(i)].get());
}

const TBitmap& PictureOr(const TksSkinData& data, int index, const TBitmap& none) {
  const TBitmap* p = data.ActivePicture(index);
  return p ? *p : none;
}

TksStretchFlags Flags(const TksDataSkinCustomControl& r) {
  return {r.StretchEffect, r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch};
}

// The skinned window frame of W x H, its caption lit and its close button hovered.
int WindowFrame(ContactSheet& sheet, const TksSkinData& data, int x, int y, int W, int H) {
  const TksSkinFrameValues& f = data.FormInfo;
  const TBitmap& pic = data.Picture;
  const int w = pic.Width(), h = pic.Height();
  TksPieceGeometry g{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.ClRect};
  TksPieceGeometry r = ResizedGeometry(g, w, h, W, H);
  TksBorderStrips strips =
      BuildBorderStrips(pic, {0, 0, w, h}, g, r, W, H,
                        {false, f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch});
  TBitmap window(W, H);
  CopyPiece(window, {0, 0}, strips.Top, {0, 0, strips.Top.Width(), strips.Top.Height()});
  CopyPiece(window, {0, r.C.Bottom}, strips.Bottom,
            {0, 0, strips.Bottom.Width(), strips.Bottom.Height()});
  CopyPiece(window, {0, r.C.Top}, strips.Left, {0, 0, strips.Left.Width(), strips.Left.Height()});
  CopyPiece(window, {r.C.Right, r.C.Top}, strips.Right,
            {0, 0, strips.Right.Width(), strips.Right.Height()});
  TilePiece(window, r.C, pic, f.ClRect);
  TBitmap none;
  for (const auto& object : data.SkinObjects) {
    TRect place = PlaceFrameObject(object->SkinRect, g, w, h, W, H);
    const TBitmap& active = PictureOr(data, object->ActivePictureIndex, none);
    if (auto* caption = dynamic_cast<const TksDataSkinCaption*>(object.get())) {
      int left = std::max(0, f.LTPoint.X - caption->SkinRect.Left);
      int right = std::max(0, caption->SkinRect.Right - f.RTPoint.X);
      TBitmap image = BuildHStripImage(active, caption->ActiveSkinRect, left, right,
                                       caption->StretchEffect, place.Width());
      TRect text = caption->TextRect;
      text.Right += place.Width() - caption->SkinRect.Width();
      TCanvas& c = image.Canvas();
      c.Font() = TFont(caption->Font.Name, caption->Font.Height, caption->Font.Style,
                       caption->ActiveShadowColor);
      std::string title = "Kestrix - Today's matches";
      FitTextWithEllipsis(c, title, text.Width());
      if (caption->Shadow)
        Text(image, text.Offset(1, 1), title, caption->Font, caption->ActiveShadowColor);
      Text(image, text, title, caption->Font, caption->ActiveFontColor);
      CopyPiece(window, {place.Left, place.Top}, image, {0, 0, image.Width(), image.Height()});
    } else if (auto* button = dynamic_cast<const TksDataSkinAnimate*>(object.get())) {
      if (button->Command != TksStdCommand::cmClose) continue;
      CopyPiece(window, {place.Left, place.Top}, active, button->DownSkinRect);  // the hovered look
    }
  }
  TksPieceGeometry maskGeometry{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.MaskRectArea};
  std::optional<TRegion> region;
  if (!data.Mask.Empty())
    region =
        BuildFramedRegion(data.Mask, maskGeometry, ResizedGeometry(maskGeometry, w, h, W, H), W, H);
  sheet.Caption(x, y,
                "window frame " + std::to_string(W) + " x " + std::to_string(H) + ", client " +
                    std::to_string(r.C.Width()) + " x " + std::to_string(r.C.Height()) + " at (" +
                    std::to_string(r.C.Left) + ", " + std::to_string(r.C.Top) + ")");
  sheet.Checker({x, y + 16, x + W + 8, y + 16 + H + 8});
  sheet.Place(window, x + 4, y + 20, region);
  return y + 16 + H + 18;
}

int LoginButtons(ContactSheet& sheet, const TksSkinData& data, int x, int y) {
  const auto* b = Control<TksDataSkinButtonControl>(data, "resizetoolbutton");
  if (!b) return y;
  TBitmap none;
  const TBitmap& pic = PictureOr(data, b->PictureIndex, none);
  TksPieceGeometry g = GeometryOf(*b);
  const int W = 113, H = 25;
  TksPieceGeometry r = ResizedGeometry(g, b->SkinRect.Width(), b->SkinRect.Height(), W, H);
  sheet.Caption(x, y, "\"LOGIN\" 113 x 25: normal, active, down");
  const TRect states[] = {b->SkinRect, b->ActiveSkinRect, b->DownSkinRect};
  for (int i = 0; i < 3; ++i) {
    TBitmap image = BuildFramedImage(pic, states[i], g, r, W, H, Flags(*b), true);
    TRect caption = i == 2 ? r.C.Offset(1, 1) : r.C;
    Text(image, caption, "LOGIN", b->Font,
         i == 0 ? b->Font.Color : (i == 1 ? b->ActiveFontColor : b->DownFontColor));
    sheet.Place(image, x + i * (W + 12), y + 18);
  }
  return y + 18 + H + 14;
}

int CheckMarks(ContactSheet& sheet, const TksSkinData& data, int x, int y) {
  sheet.Caption(x, y,
                "check and radio marks: unchecked, active unchecked, active checked, checked");
  TBitmap none;
  int row = y + 18;
  for (const char* name : {"checkbox", "radiobox"}) {
    const auto* c = Control<TksDataSkinCheckRadioControl>(data, name);
    if (!c) continue;
    const TBitmap& pic = PictureOr(data, c->PictureIndex, none);
    const TRect marks[] = {c->UnCheckImageRect, c->ActiveUnCheckImageRect, c->ActiveCheckImageRect,
                           c->CheckImageRect};
    for (int i = 0; i < 4; ++i) {
      TBitmap cell(89, 25);
      cell.Canvas().Brush().Color = data.SkinColors.cBtnFace;
      cell.Canvas().FillRect({0, 0, 89, 25});
      CopyPiece(cell, {3, 5}, pic, marks[i]);
      Text(cell, {22, 0, 89, 25}, "Remember", c->Font, c->FrameFontColor, DT_LEFT);
      sheet.Place(cell, x + i * 100, row);
    }
    row += 30;
  }
  return row + 8;
}

int EditAndLabel(ContactSheet& sheet, const TksSkinData& data, int x, int y) {
  TBitmap none;
  sheet.Caption(x, y, "edit 273 x 19 and the \"Count: 0\" label 104 x 15");
  if (const auto* e = Control<TksDataSkinEditControl>(data, "edit")) {
    TBitmap image =
        BuildHStripImage(PictureOr(data, e->PictureIndex, none), e->SkinRect, e->LeftTopPoint.X,
                         e->SkinRect.Width() - e->RightTopPoint.X, e->StretchEffect, 273);
    Text(image, {e->ClientRect.Left, e->ClientRect.Top, 273 - 2, e->ClientRect.Bottom}, "demo",
         e->Font, e->Font.Color, DT_LEFT);
    sheet.Place(image, x, y + 18);
  }
  if (const auto* l = Control<TksDataSkinLabelControl>(data, "label")) {
    TBitmap image =
        BuildHStripImage(PictureOr(data, l->PictureIndex, none), l->SkinRect, l->LeftTopPoint.X,
                         l->SkinRect.Width() - l->RightTopPoint.X, l->StretchEffect, 104);
    Text(image, {0, 0, 104, 15}, "Count: 0", l->Font, l->Font.Color);
    sheet.Place(image, x + 300, y + 20);
  }
  return y + 18 + 19 + 14;
}

int Panels(ContactSheet& sheet, const TksSkinData& data, int x, int y) {
  const auto* p = Control<TksDataSkinPanelControl>(data, "panel");
  if (!p) return y;
  TBitmap none;
  const TBitmap& pic = PictureOr(data, p->PictureIndex, none);
  TksPieceGeometry g = GeometryOf(*p);
  sheet.Caption(x, y, "panels 801 x 21 and 801 x 121");
  int row = y + 18;
  for (int H : {21, 121}) {
    TBitmap image = BuildFramedImage(
        pic, p->SkinRect, g, ResizedGeometry(g, p->SkinRect.Width(), p->SkinRect.Height(), 801, H),
        801, H, Flags(*p), true);
    sheet.Place(image, x, row);
    row += H + 8;
  }
  return row + 6;
}

int Tabs(ContactSheet& sheet, const TksSkinData& data, int x, int y) {
  const auto* t = Control<TksDataSkinTabControl>(data, "tab");
  if (!t) return y;
  TBitmap none;
  const TBitmap& pic = PictureOr(data, t->PictureIndex, none);
  sheet.Caption(x, y, "tabs: normal, selected, focused; the page frame 340 x 90");
  const int top = y + 18, tabW = 90;
  TksPieceGeometry g{t->LeftTopPoint, t->RightTopPoint, t->LeftBottomPoint, t->RightBottomPoint,
                     t->ClientRect};
  const int W = 340, H = 90;
  TBitmap page = BuildFramedImage(
      pic, t->SkinRect, g, ResizedGeometry(g, t->SkinRect.Width(), t->SkinRect.Height(), W, H), W,
      H, {false, t->LeftStretch, t->TopStretch, t->RightStretch, t->BottomStretch}, true);
  const int tabH = t->ActiveTabRect.Height();
  TBitmap strip(W, tabH);
  TilePiece(strip, {0, 0, W, tabH}, pic, t->TabsBGRect);
  sheet.Place(strip, x, top);
  sheet.Place(page, x, top + tabH);
  const std::pair<TRect, const char*> tabs[] = {
      {t->TabRect, "Results"}, {t->ActiveTabRect, "Today"}, {t->FocusTabRect, "Live"}};
  int tx = x + 2;
  for (const auto& [rect, caption] : tabs) {
    TBitmap image =
        BuildHStripImage(pic, rect, t->TabLeftOffset, t->TabRightOffset, t->TabStretchEffect, tabW);
    Text(image, {0, 0, tabW, image.Height()}, caption, t->Font, t->Font.Color);
    sheet.Place(image, tx, top + tabH - image.Height() + (rect == t->TabRect ? 0 : 1));
    tx += tabW + 2;
  }
  return top + tabH + H + 14;
}

int PopupAndHint(ContactSheet& sheet, const TksSkinData& data, int x, int y) {
  sheet.Caption(x, y, "popup window 100 x 141, hint window 180 x 21");
  TBitmap none;
  const TksDataSkinPopupWindow& pw = data.PopupWindow;
  const TBitmap& frame = PictureOr(data, pw.WindowPictureIndex, none);
  const auto* item = Object<TksDataSkinMenuItem>(data, "menuitem");
  if (!frame.Empty() && item) {
    TksPieceGeometry g{pw.Corners.LeftTopPoint, pw.Corners.RightTopPoint,
                       pw.Corners.LeftBottomPoint, pw.Corners.RightBottomPoint, pw.ItemsRect};
    const int W = 100, H = 141;
    TksPieceGeometry r = ResizedGeometry(g, frame.Width(), frame.Height(), W, H);
    TBitmap popup = BuildWindowFramedImage(
        frame, {0, 0, frame.Width(), frame.Height()}, g, r, W, H,
        {false, pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch}, true);
    const TBitmap& items = PictureOr(data, item->ActivePictureIndex, none);
    const char* captions[] = {"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"};
    int iy = r.C.Top;
    for (int i = 0; i < 8; ++i) {
      bool divider = std::string(captions[i]) == "-";
      bool active = i == 3;
      TRect source = divider ? item->DividerRect : (active ? item->ActiveSkinRect : item->SkinRect);
      int left = divider ? item->DividerLeftOffset : item->ItemLeftOffset;
      int right = divider ? item->DividerRightOffset : item->ItemRightOffset;
      bool stretch = divider ? item->DividerStretchEffect
                             : (active ? item->StretchEffect : item->InActiveStretchEffect);
      TBitmap row = BuildHStripImage(items, source, left, right, stretch, r.C.Width());
      if (!divider) {
        TRect text = item->TextRect;
        text.Right += r.C.Width() - item->SkinRect.Width();
        text = text.Offset(4, 0);
        TColor color =
            i == 0 ? item->UnEnabledFontColor : (active ? item->ActiveFontColor : item->Font.Color);
        Text(row, text, captions[i], item->Font, color, DT_LEFT);
      }
      CopyPiece(popup, {r.C.Left, iy}, row, {0, 0, row.Width(), row.Height()});
      iy += row.Height();
    }
    std::optional<TRegion> region;
    if (const TBitmap* mask = data.ActivePicture(pw.MaskPictureIndex)) {
      TBitmap framedMask = BuildWindowFramedImage(*mask, {0, 0, mask->Width(), mask->Height()}, g,
                                                  r, W, H, {}, true);
      region = MaskToRegion(framedMask, 0, 0);
    }
    sheet.Checker({x, y + 18, x + W + 8, y + 18 + H + 8});
    sheet.Place(popup, x + 4, y + 22, region);
  }
  const TksDataSkinHintWindow& hw = data.HintWindow;
  const TBitmap& hint = PictureOr(data, hw.WindowPictureIndex, none);
  if (!hint.Empty()) {
    TksPieceGeometry g{hw.Corners.LeftTopPoint, hw.Corners.RightTopPoint,
                       hw.Corners.LeftBottomPoint, hw.Corners.RightBottomPoint, hw.ClientRect};
    const int W = 180, H = 21;
    TksPieceGeometry r = ResizedGeometry(g, hint.Width(), hint.Height(), W, H);
    TBitmap image = BuildWindowFramedImage(
        hint, {0, 0, hint.Width(), hint.Height()}, g, r, W, H,
        {false, hw.LeftStretch, hw.TopStretch, hw.RightStretch, hw.BottomStretch}, true);
    Text(image, r.C, "Remember the password", hw.Font, hw.Font.Color);
    std::optional<TRegion> region;
    if (const TBitmap* mask = data.ActivePicture(hw.MaskPictureIndex))
      region = MaskToRegion(BuildWindowFramedImage(*mask, {0, 0, mask->Width(), mask->Height()}, g,
                                                   r, W, H, {}, true),
                            0, 0);
    sheet.Checker({x + 140, y + 18, x + 140 + W + 8, y + 18 + H + 8});
    sheet.Place(image, x + 144, y + 22, region);
  }
  return y + 18 + 141 + 18;
}

}  // namespace

void Sheet(const std::string& skinPath, const std::string& pngPath) {
  TksCompressedStoredSkin stored(nullptr);
  if (!stored.ImportCompressedSkinFile(skinPath))
    throw Exception(skinPath + ": the container kind is not one of 0 to 3");
  TksSkinData data(nullptr);
  data.LoadCompressedStoredSkin(stored);
  if (data.Empty()) throw Exception(skinPath + ": the skin could not be loaded");
  const std::string* frameNames[] = {&data.PictureName, &data.InActivePictureName, &data.MaskName,
                                     &data.RollUpPictureName, &data.RollUpMaskName};
  const std::vector<std::string>& activeNames = data.ActivePictureNames;

  ContactSheet sheet;
  int y = 10;
  const std::pair<const TBitmap*, std::string> frame[] = {
      {&data.Picture, "main picture"},
      {&data.InActivePicture, "inactive picture"},
      {&data.Mask, "mask"},
      {&data.RollUpPicture, "rolled-up picture"},
      {&data.RollUpMask, "rolled-up mask"}};
  int column = 0;
  for (std::size_t i = 0; i < 5; ++i) {
    if (frame[i].first->Empty()) continue;
    y = sheet.Picture(*frame[i].first, 10, y, frame[i].second + " " + *frameNames[i]);
  }
  int x = 10;
  for (std::size_t i = 0; i < data.ActivePictures.size(); ++i) {
    const TBitmap& p = *data.ActivePictures[i];
    std::string caption = std::to_string(i) + ": " +
                          (i < activeNames.size() ? activeNames[i] : std::string()) + " " +
                          std::to_string(p.Width()) + " x " + std::to_string(p.Height());
    if (y + p.Height() + 34 > kSheetHeight && column == 0) {
      column = 1;
      x = 250;
      y = 10;
    }
    if (p.Width() > 400) {
      // The wide controls picture goes under the composed parts.
      sheet.Picture(p, 560, 1150, caption);
      continue;
    }
    y = sheet.Picture(p, x, y, caption);
  }
  int right = 560;
  int top = WindowFrame(sheet, data, right, 10, 813, 634);
  int below = LoginButtons(sheet, data, right, top);
  below = CheckMarks(sheet, data, right, below);
  below = EditAndLabel(sheet, data, right, below);
  Panels(sheet, data, right, below);
  int tabsBottom = Tabs(sheet, data, 1110, 1150);
  PopupAndHint(sheet, data, 1110, tabsBottom);
  SavePng(sheet.Bitmap(), pngPath);
}

}  // namespace kx::skinc
