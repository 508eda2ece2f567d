#include "skin/controls/skin_page_control.h"

#include <algorithm>

#include "platform/forms/image_list.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

namespace {
constexpr TColor kPlainFrame = 0x800000;
constexpr TColor kPlainHot = 0xD2BDB6;
constexpr TColor kPlainFocused = 0xB59385;

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = color;
  c.FillRect(r);
}

// Tiles a piece of a picture over area from its top-left corner.
void TileOnto(TCanvas& canvas, const TRect& area, const TBitmap& picture, const TRect& piece) {
  if (area.IsEmpty() || piece.IsEmpty()) return;
  TBitmap image(area.Width(), area.Height());
  TilePiece(image, {0, 0, area.Width(), area.Height()}, picture, piece);
  canvas.Draw(area.Left, area.Top, image);
}
}  // namespace

// The values of the "tab" section the control draws with.
struct TksSkinPageControl::Look {
  const TBitmap* picture = nullptr;
  const TBitmap* background = nullptr;
  TRect skinRect, clientRect, tabRect, activeTabRect, focusTabRect, mouseInTabRect, tabsBGRect;
  TksPieceGeometry geometry;
  TksStretchFlags stretch;
  int tabLeftOffset = 0, tabRightOffset = 0;
  bool tabStretch = false;
  TFont font;
  TColor fontColor = 0, activeFontColor = 0, focusFontColor = 0, mouseInFontColor = 0;
  bool showFocus = false;
  int focusOffsetX = 0, focusOffsetY = 0;
  std::string updown;
};

// ---- sheets

TksSkinCustomTabSheet::TksSkinCustomTabSheet(TComponent* owner) : TTabSheet(owner) {}

void TksSkinCustomTabSheet::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND && m.WParam) {
    auto* control = dynamic_cast<TksSkinPageControl*>(PageControl());
    auto& canvas = *reinterpret_cast<TCanvas*>(m.WParam);
    if (control) {
      control->PaintSheetBackground(canvas, ClientRect(), WallPaper);
    } else {
      Fill(canvas, ClientRect(), clBtnFace);
    }
    m.Result = 1;
    return;
  }
  TTabSheet::WndProc(m);
}

void TksSkinCustomTabSheet::Resize() {
  TTabSheet::Resize();
  Invalidate();
}

// ---- the page control

TksSkinPageControl::TksSkinPageControl(TComponent* owner)
    : TPageControl(owner), m_look(std::make_unique<Look>()) {
  SetFont(TFont("Arial", 14, {}, clBtnText));
}

TksSkinPageControl::~TksSkinPageControl() = default;

void TksSkinPageControl::SetSkinData(TksSkinData* skinData) {
  m_skin.Attach(skinData);
}

void TksSkinPageControl::SetSkinDataName(const std::string& name) {
  m_skin.SkinDataName = name;
  ApplySkin();
}

void TksSkinPageControl::Notification(TComponent* component, TOperation operation) {
  TPageControl::Notification(component, operation);
  m_skin.Notification(component, operation);
}

void TksSkinPageControl::SetTabsBGTransparent(bool value) {
  m_tabsBGTransparent = value;
  Invalidate();
}

void TksSkinPageControl::SetDefaultFont(const TFont& font) {
  m_defaultFont = font;
  if (Loading()) return;
  ReadSkinRecord();
  if (!m_skin.Skinned() || !m_useSkinFont) ApplySkin();
}

void TksSkinPageControl::SetUseSkinFont(bool value) {
  if (m_useSkinFont == value) return;
  m_useSkinFont = value;
  if (!Loading()) ApplySkin();
}

void TksSkinPageControl::SetDefaultItemHeight(int value) {
  m_defaultItemHeight = value;
  ReadSkinRecord();
  if (!m_skin.Skinned()) SetTabHeightFromSkin();
}

void TksSkinPageControl::ReadSkinRecord() {
  auto* r = m_skin.Read<TksDataSkinTabControl>();
  if (!r) return;
  Look& l = *m_look;
  l.picture = m_skin.Data->ActivePicture(r->PictureIndex);
  l.background = m_skin.Data->ActivePicture(r->BGPictureIndex);
  l.skinRect = r->SkinRect;
  l.clientRect = r->ClientRect;
  l.tabRect = r->TabRect;
  l.activeTabRect = r->ActiveTabRect.IsEmpty() ? r->TabRect : r->ActiveTabRect;
  l.focusTabRect = r->FocusTabRect.IsEmpty() ? l.activeTabRect : r->FocusTabRect;
  l.mouseInTabRect = r->MouseInTabRect;
  l.tabsBGRect = r->TabsBGRect;
  l.geometry = {r->LeftTopPoint, r->RightTopPoint, r->LeftBottomPoint, r->RightBottomPoint,
                r->ClientRect};
  l.stretch = {false, r->LeftStretch, r->TopStretch, r->RightStretch, r->BottomStretch};
  l.tabLeftOffset = r->TabLeftOffset;
  l.tabRightOffset = r->TabRightOffset;
  l.tabStretch = r->TabStretchEffect;
  l.font = SkinFont(r->Font);
  l.fontColor = r->Font.Color;
  l.activeFontColor = r->ActiveFontColor;
  l.focusFontColor = r->FocusFontColor;
  l.mouseInFontColor = r->MouseInFontColor;
  l.showFocus = r->ShowFocus;
  l.focusOffsetX = r->FocusOffsetX;
  l.focusOffsetY = r->FocusOffsetY;
  l.updown = r->UpDown;
}

void TksSkinPageControl::SetTabHeightFromSkin() {
  int height = TabHeight() > 0    ? TabHeight()
               : m_skin.Skinned() ? m_look->tabRect.Height()
                                  : m_defaultItemHeight;
  SetItemSize(TabWidth(), height);
}

void TksSkinPageControl::ApplySkin() {
  ReadSkinRecord();
  if (!m_skin.Skinned()) {
    SetFont(DefaultFont());
  } else {
    TFont font = UseSkinFont() ? m_look->font : DefaultFont();
    font.SetColor(m_look->fontColor);
    SetFont(font);
  }
  SetTabHeightFromSkin();
  UpdateScrollerPosition();
  Invalidate();
  Realign();
  // An existing scroller is made anew so that it takes the skin's scroller section.
  delete std::exchange(m_scroller, nullptr);
  CheckScroller();
  if (ActivePage()) ActivePage()->Invalidate();
}

void TksSkinPageControl::Loaded() {
  TPageControl::Loaded();
  ReadSkinRecord();
  if (!m_skin.Skinned()) SetTabHeightFromSkin();
}

void TksSkinPageControl::Resize() {
  ReadSkinRecord();
  TPageControl::Resize();
  if (!MultiLine()) CheckScroller();
}

TksSkinPageControl::TabOverflow TksSkinPageControl::Overflow() {
  const int scrollerWidth = m_scroller ? m_scroller->Width() : 0;
  const int limit = Width() - 3 - scrollerWidth;
  TabOverflow overflow;
  for (int t = 0; t < TabCount(); ++t) {
    TRect r = ItemRect(t);
    if (r.Right > limit || r.Right <= 0) ++overflow.hidden;
    if (r.Right <= 0) ++overflow.scrolledOff;
  }
  return overflow;
}

void TksSkinPageControl::CheckScroller() {
  if (TabPosition() != TTabPosition::tpTop || Width() < 1) return;
  const TabOverflow overflow = Overflow();
  if (overflow.hidden == 0 || MultiLine()) {
    delete std::exchange(m_scroller, nullptr);
    return;
  }
  if (!m_scroller) {
    m_scroller = new TksSkinUpDown(this);  // owned by the page control
    m_scroller->SetParent(this);
    m_scroller->SetSkinDataName(m_look->updown.empty() ? "hupdown" : m_look->updown);
    m_scroller->SetSkinData(m_skin.Data);
    m_scroller->OnChange = [this](TObject*) { ScrollerChanged(); };
  }
  const int h = m_defaultItemHeight;
  m_scroller->SetBounds(Width() - 2 * h, 0, 2 * h, h);
  m_scroller->Min = 0;
  m_scroller->Max = overflow.hidden;
  m_scroller->SetPosition(overflow.scrolledOff);
}

void TksSkinPageControl::UpdateScrollerPosition() {
  if (m_scroller) m_scroller->SetPosition(Overflow().scrolledOff);
}

void TksSkinPageControl::ScrollerChanged() {
  // Captions may have changed since the scroller was made: how far it may go is counted anew.
  m_scroller->Max = Overflow().hidden;
  m_scroller->SetPosition(m_scroller->Position());
  Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, m_scroller->Position()), 0);
  Invalidate();
}

// ---- the tab scroller

TksSkinUpDown::TksSkinUpDown(TComponent* owner) : TksSkinCustomControl(owner, "hupdown") {
  SetBounds(Left(), Top(), 40, 20);
}

void TksSkinUpDown::SetPosition(int value) {
  m_position = std::clamp(value, Min, std::max(Min, Max));
  Invalidate();
}

void TksSkinUpDown::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  const int w = bitmap.Width(), h = bitmap.Height();
  const TksSkinColors colors = m_skin.Colors();
  // An arrow that cannot step further is drawn in the shadow colour.
  const TColor stuck = m_skin.Skinned() ? colors.cBtnShadow : clGrayText;
  Fill(c, {0, 0, w, h}, colors.cBtnFace);
  c.Brush().Style = TBrushStyle::bsClear;
  c.Pen().Color = colors.cBtnShadow;
  c.Rectangle({0, 0, w / 2, h});
  c.Rectangle({w / 2, 0, w, h});
  DrawArrowGlyph(c, {0, 0, w / 2, h}, m_position > Min ? colors.cBtnText : stuck,
                 TksArrowDirection::Left);
  DrawArrowGlyph(c, {w / 2, 0, w, h}, m_position < Max ? colors.cBtnText : stuck,
                 TksArrowDirection::Right);
}

void TksSkinUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  int old = m_position;
  SetPosition(m_position + (x < Width() / 2 ? -Increment : Increment));
  if (m_position != old && OnChange) OnChange(this);
}

void TksSkinPageControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case TCM_GETITEMRECT: {
      TPageControl::WndProc(m);
      auto* r = reinterpret_cast<TRect*>(m.LParam);
      if (!m.Result || !r) return;
      if (m.WParam == 0 && !MultiLine()) r->Left += 1;
      if (TabPosition() == TTabPosition::tpTop && Style == TTabStyle::tsTabs) {
        if (!MultiLine()) *r = {r->Left - 2, r->Top, r->Right - 2, r->Bottom};
        r->Top -= 2;
        r->Bottom -= 2;
      }
      return;
    }
    case TCM_ADJUSTRECT: {
      TRect whole = *reinterpret_cast<TRect*>(m.LParam);
      TPageControl::WndProc(m);
      auto* r = reinterpret_cast<TRect*>(m.LParam);
      if (TabPosition() != TTabPosition::tpTop) return;
      ReadSkinRecord();
      if (m_skin.Skinned()) {
        const Look& l = *m_look;
        *r = {l.clientRect.Left, r->Top + l.clientRect.Top - 6,
              whole.Width() - (l.skinRect.Width() - l.clientRect.Right),
              whole.Height() - (l.skinRect.Height() - l.clientRect.Bottom)};
      } else {
        *r = {1, r->Top - 5, whole.Width() - 1, whole.Height() - 1};
      }
      r->Right = std::max(r->Right, r->Left);
      r->Bottom = std::max(r->Bottom, r->Top);
      return;
    }
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    default:
      TPageControl::WndProc(m);
  }
}

TRect TksSkinPageControl::PageTile() const {
  const Look& l = *m_look;
  return l.clientRect.Offset(l.skinRect.TopLeft());
}

void TksSkinPageControl::PaintSheetBackground(TCanvas& canvas, const TRect& area,
                                              const TBitmap& wallPaper) {
  ReadSkinRecord();
  if (!wallPaper.Empty()) {
    TileOnto(canvas, area, wallPaper, {0, 0, wallPaper.Width(), wallPaper.Height()});
  } else if (m_skin.Skinned() && m_look->background) {
    const TBitmap& b = *m_look->background;
    TileOnto(canvas, area, b, {0, 0, b.Width(), b.Height()});
  } else if (m_skin.Skinned() && m_look->picture) {
    TileOnto(canvas, area, *m_look->picture, PageTile());
  } else {
    Fill(canvas, area, m_skin.Colors().cBtnFace);
  }
}

void TksSkinPageControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  ReadSkinRecord();
  TCanvas& c = Canvas();
  TCanvasSaver saver(c);
  TRect area = DisplayRect();
  if (!m_skin.Skinned()) {
    Fill(c, {0, 0, Width(), Height()}, clBtnFace);
    c.Brush().Style = TBrushStyle::bsClear;
    c.Pen().Color = clBtnShadow;
    c.Rectangle(area.Inflated(1, 1));
  } else if (m_look->picture) {
    DrawFrame(c, area);
  }
  if (PageCount() == 0) PaintSheetBackground(c, area, TBitmap());
  DrawTabs(c);
}

void TksSkinPageControl::DrawFrame(TCanvas& canvas, const TRect& area) {
  const Look& l = *m_look;
  TRect f{area.Left - l.clientRect.Left, area.Top - l.clientRect.Top,
          area.Right + l.skinRect.Width() - l.clientRect.Right,
          area.Bottom + l.skinRect.Height() - l.clientRect.Bottom};
  TksPieceGeometry resized =
      ResizedGeometry(l.geometry, l.skinRect.Width(), l.skinRect.Height(), f.Width(), f.Height());
  TksBorderStrips s = BuildBorderStrips(*l.picture, l.skinRect, l.geometry, resized, f.Width(),
                                        f.Height(), l.stretch);
  const int top = s.Top.Height();
  if (!s.Top.Empty()) canvas.Draw(f.Left, f.Top, s.Top);
  if (!s.Left.Empty()) canvas.Draw(f.Left, f.Top + top, s.Left);
  if (!s.Right.Empty()) canvas.Draw(f.Left + f.Width() - s.Right.Width(), f.Top + top, s.Right);
  if (!s.Bottom.Empty()) canvas.Draw(f.Left, f.Top + f.Height() - s.Bottom.Height(), s.Bottom);
}

void TksSkinPageControl::DrawTabs(TCanvas& canvas) {
  if (PageCount() == 0) return;
  if (!m_skin.Skinned()) {
    for (int t = 0; t < TabCount(); ++t)
      DrawSkinTab(canvas, PageForTab(t)->PageIndex(), ItemRect(t), StateOf(t));
    return;
  }
  const Look& l = *m_look;
  TRect area = DisplayRect();
  const int stripHeight = std::max(0, area.Top - l.clientRect.Top);
  if (stripHeight > 0 && Width() > 0) {
    TBitmap strip(Width(), stripHeight);
    if (m_tabsBGTransparent) {
      PaintParentBackground(*this, strip.Canvas());
    } else if (l.picture) {
      TRect tile = l.tabsBGRect.IsEmpty() ? PageTile() : l.tabsBGRect;
      TilePiece(strip, {0, 0, Width(), stripHeight}, *l.picture, tile);
    }
    for (int t = 0; t < TabCount(); ++t)
      DrawSkinTab(strip.Canvas(), PageForTab(t)->PageIndex(), ItemRect(t), StateOf(t));
    canvas.Draw(0, 0, strip);
  }
  // The selected tab again, straight on the control: its taller image overlaps the frame.
  int selected = TabIndex();
  if (selected >= 0 && selected < TabCount()) {
    DrawSkinTab(canvas, PageForTab(selected)->PageIndex(), ItemRect(selected),
                TksTabState::Selected);
  }
}

TksTabState TksSkinPageControl::StateOf(int tabIndex) const {
  return tabIndex == TabIndex()   ? TksTabState::Selected
         : tabIndex == m_hoverTab ? TksTabState::Hot
                                  : TksTabState::Normal;
}

TBitmap TksSkinPageControl::TabImage(const TRect& r, TksTabState state) const {
  const bool focused = Focused();
  if (!m_skin.Skinned() || !m_look->picture) {
    TBitmap b(r.Width(), r.Height());
    TRect all{0, 0, r.Width(), r.Height()};
    if (state == TksTabState::Hot) {
      Fill(b.Canvas(), all, kPlainHot);
    } else if (state == TksTabState::Normal) {
      Fill(b.Canvas(), all, clBtnFace);
    } else {
      Fill(b.Canvas(), all, kPlainFrame);
      Fill(b.Canvas(), all.Inflated(-1, -1), focused ? kPlainFocused : kPlainHot);
    }
    return b;
  }
  const Look& l = *m_look;
  const TRect image = state == TksTabState::Hot && !l.mouseInTabRect.IsEmpty() ? l.mouseInTabRect
                      : state == TksTabState::Selected && focused              ? l.focusTabRect
                      : state != TksTabState::Selected                         ? l.tabRect
                                                                               : l.activeTabRect;
  if (TabHeight() <= 0) {
    return BuildHStripImage(*l.picture, image, l.tabLeftOffset, l.tabRightOffset, l.tabStretch,
                            r.Width());
  }
  TBitmap built = BuildHStripImage(
      *l.picture, {image.Left, image.Top, image.Right, image.Top + l.tabRect.Height()},
      l.tabLeftOffset, l.tabRightOffset, l.tabStretch, r.Width());
  TBitmap b(r.Width(), r.Height());
  b.Canvas().StretchDraw({0, 0, r.Width(), r.Height()}, built);
  return b;
}

void TksSkinPageControl::DrawSkinTab(TCanvas& canvas, int pageIndex, const TRect& r,
                                     TksTabState state) {
  if (pageIndex < 0 || pageIndex >= PageCount() || r.IsEmpty()) return;
  const bool focused = Focused();
  TBitmap b = TabImage(r, state);
  TFont font = Font();
  if (m_skin.Skinned() && m_look->picture) {
    const Look& l = *m_look;
    if (UseSkinFont()) font = l.font;
    font.SetColor(state == TksTabState::Hot                   ? l.mouseInFontColor
                  : state == TksTabState::Selected && focused ? l.focusFontColor
                  : state == TksTabState::Normal              ? l.fontColor
                                                              : l.activeFontColor);
    if (l.showFocus && focused && state == TksTabState::Selected) {
      b.Canvas().Brush().Color = m_skin.Colors().cBtnFace;
      b.Canvas().DrawFocusRect({l.focusOffsetX, l.focusOffsetY, b.Width() - l.focusOffsetX,
                                b.Height() - l.focusOffsetY});
    }
  }
  b.Canvas().Font() = font;
  DrawTabContent(b.Canvas(), pageIndex, {b.Width(), b.Height()}, {r.Width(), r.Height()});
  canvas.Draw(r.Left, r.Top, b);
}

void TksSkinPageControl::DrawTabContent(TCanvas& c, int pageIndex, TSize image, TSize tab) {
  c.Brush().Style = TBrushStyle::bsClear;
  TTabSheet* page = Pages(pageIndex);
  const std::string& caption = page->Caption();
  const int W = image.cx, H = image.cy;
  if (!Images() || pageIndex >= Images()->Count()) {
    TRect box{0, 0, tab.cx, tab.cy};
    DrawTextAuto(c, caption, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    return;
  }
  TRect m{0, 0, 0, 0};
  DrawTextAuto(c, caption, m, DT_CALCRECT | DT_SINGLELINE);
  const int tw = m.Width(), th = m.Height(), t = tw + 2;
  const int iw = Images()->Width(), ih = Images()->Height();
  const int total = iw + t + 2;
  const int x0 = W / 2 - total / 2;
  if (page->ImageIndex() >= 0)
    Images()->Draw(c, x0, H / 2 - ih / 2, page->ImageIndex(), page->Enabled());
  TRect box{x0 + iw + 2, H / 2 - th / 2, x0 + iw + 2 + t, H / 2 - th / 2 + th};
  DrawTextAuto(c, caption, box, DT_CENTER | DT_SINGLELINE);
}

void TksSkinPageControl::RedrawTab(int tabIndex, TksTabState state) {
  if (tabIndex < 0 || tabIndex >= TabCount() || tabIndex == TabIndex() || !HandleAllocated())
    return;
  HDC dc = WindowSystem().GetDC(Handle());
  if (dc) DrawSkinTab(dc->Canvas(), PageForTab(tabIndex)->PageIndex(), ItemRect(tabIndex), state);
}

void TksSkinPageControl::TrackHover(int x, int y) {
  int previous = m_hoverTab;
  int now = IndexOfTabAt(x, y);
  if (now == previous) return;
  m_hoverTab = now;
  RedrawTab(previous, TksTabState::Normal);
  RedrawTab(now, TksTabState::Hot);
}

void TksSkinPageControl::MouseMove(TShiftState shift, int x, int y) {
  TPageControl::MouseMove(shift, x, y);
  TrackHover(x, y);
}

void TksSkinPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TPageControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft) TrackHover(x, y);
}

void TksSkinPageControl::MouseLeave() {
  TPageControl::MouseLeave();
  int previous = m_hoverTab;
  m_hoverTab = -1;
  RedrawTab(previous, TksTabState::Normal);
}

void TksSkinPageControl::DoEnter() {
  TPageControl::DoEnter();
  InvalidateSelectedTab();
}

void TksSkinPageControl::DoExit() {
  TPageControl::DoExit();
  InvalidateSelectedTab();
}

void TksSkinPageControl::InvalidateSelectedTab() {
  const int selected = TabIndex();
  if (selected < 0 || selected >= TabCount() || !HandleAllocated()) return;
  // The selected tab's image may be taller than its rectangle and overlap the frame.
  TRect r = ItemRect(selected);
  if (m_skin.Skinned() && m_look->picture)
    r.Bottom = std::max(
        {r.Bottom, r.Top + m_look->activeTabRect.Height(), r.Top + m_look->focusTabRect.Height()});
  InvalidateRect(r);
}

void TksSkinPageControl::Change() {
  UpdateScrollerPosition();
  TPageControl::Change();
  Invalidate();
  if (ActivePage()) ActivePage()->Invalidate();
}

}  // namespace kx
