#include "platform/forms/page_control.h"

#include <algorithm>

#include "platform/forms/image_list.h"
#include "platform/forms/menus.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"

namespace kx {

namespace {
constexpr int kRowInset = 2;    // the tab row starts this far inside the control
constexpr int kFrameWidth = 4;  // the page frame between the tabs and the page area
constexpr int kTabPadding = 6;  // above and below the caption of a tab
// Left and right of a tab's caption (and image), so that the caption keeps
// clear of the tab's edges.
constexpr int kTabSidePadding = 10;
}  // namespace

// ---- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
  SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
  if (pageControl == m_pageControl) return;
  if (m_pageControl) m_pageControl->RemovePage(this);
  m_pageControl = pageControl;
  SetParent(pageControl);
  if (m_pageControl) m_pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!m_pageControl) return -1;
  const auto& pages = m_pageControl->m_pages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

int TTabSheet::TabIndex() const {
  if (!m_pageControl || !m_tabVisible) return -1;
  int index = 0;
  for (const TTabSheet* page : m_pageControl->m_pages) {
    if (page == this) return index;
    if (page->m_tabVisible) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == m_tabVisible) return;
  int oldTab = TabIndex();
  m_tabVisible = value;
  if (!m_pageControl) return;
  if (value) {
    m_pageControl->TabShown(this);
  } else {
    m_pageControl->TabHidden(this, oldTab);
  }
}

void TTabSheet::SetImageIndex(int value) {
  m_imageIndex = value;
  if (m_pageControl) m_pageControl->Invalidate();
}

void TTabSheet::SetCaption(const std::string& caption) {
  TWinControl::SetCaption(caption);
  if (m_pageControl) m_pageControl->Invalidate();
}

void TTabSheet::SetEnabled(bool enabled) {
  TWinControl::SetEnabled(enabled);
  if (m_pageControl) m_pageControl->Invalidate();
}

// ---- TPageControl

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner) {
  TabStop = true;
  SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
  for (TTabSheet* page : std::vector<TTabSheet*>(m_pages)) page->m_pageControl = nullptr;
  m_pages.clear();
}

void TPageControl::InsertPage(TTabSheet* page) {
  m_pages.push_back(page);
  if (page->m_tabVisible) TabShown(page);
  Realign();
}

void TPageControl::RemovePage(TTabSheet* page) {
  int oldTab = page->TabIndex();
  bool active = page == m_activePage;
  std::erase(m_pages, page);
  if (active) m_activePage = nullptr;
  if (oldTab >= 0) {
    if (oldTab < m_tabIndex) {
      --m_tabIndex;
    } else if (oldTab == m_tabIndex) {
      m_tabIndex = std::min(m_tabIndex, TabCount() - 1);
    }
  }
  if (active || oldTab >= 0) FollowTabIndex();
  Invalidate();
}

int TPageControl::TabCount() const {
  return static_cast<int>(std::count_if(m_pages.begin(), m_pages.end(),
                                        [](const TTabSheet* p) { return p->m_tabVisible; }));
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
  if (tabIndex < 0) return nullptr;
  for (TTabSheet* page : m_pages) {
    if (page->m_tabVisible && tabIndex-- == 0) return page;
  }
  return nullptr;
}

int TPageControl::ActivePageIndex() const {
  return m_activePage ? m_activePage->PageIndex() : -1;
}

void TPageControl::ShowOnly(TTabSheet* page) {
  TTabSheet* previous = m_activePage;
  m_activePage = page;
  if (page) {
    page->SetVisible(true);
    if (page->HandleAllocated()) {
      WindowSystem().SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0,
                                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  if (previous && previous != page) previous->SetVisible(false);
  Realign();
  Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->m_pageControl != this) return;
  ShowOnly(page);
  m_tabIndex = page ? page->TabIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)]
                                                  : nullptr);
}

void TPageControl::SetTabIndex(int index) {
  m_tabIndex = index >= 0 && index < TabCount() ? index : -1;
  FollowTabIndex();
}

void TPageControl::FollowTabIndex() {
  TTabSheet* page = PageForTab(m_tabIndex);
  if (page != m_activePage) {
    ShowOnly(page);
  } else {
    Invalidate();
  }
}

void TPageControl::TabHidden(TTabSheet* page, int oldTabIndex) {
  (void)page;
  if (oldTabIndex < 0) return;
  if (oldTabIndex < m_tabIndex) {
    --m_tabIndex;
  } else if (oldTabIndex == m_tabIndex) {
    m_tabIndex = std::min(m_tabIndex, TabCount() - 1);
  }
  FollowTabIndex();
}

void TPageControl::TabShown(TTabSheet* page) {
  int tab = page->TabIndex();
  if (TabCount() == 1) {
    m_tabIndex = 0;  // the first tab of an empty row is selected
  } else if (m_tabIndex >= tab) {
    ++m_tabIndex;
  }
  FollowTabIndex();
}

void TPageControl::SetImages(TCustomImageList* images) {
  m_images = images;
  if (images) images->FreeNotification(this);
  Invalidate();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_images) m_images = nullptr;
}

void TPageControl::SetTabHeight(int value) {
  m_tabHeight = std::max(0, value);
  Realign();
  Invalidate();
}

void TPageControl::SetTabWidth(int value) {
  m_tabWidth = std::max(0, value);
  Realign();
  Invalidate();
}

void TPageControl::SetTabPosition(TTabPosition value) {
  m_tabPosition = value;
  Realign();
  Invalidate();
}

void TPageControl::SetMultiLine(bool value) {
  m_multiLine = value;
  m_firstTab = 0;
  Realign();
  Invalidate();
}

void TPageControl::SetItemSize(int width, int height) {
  Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

TRect TPageControl::ItemRect(int tabIndex) {
  TRect r{0, 0, 0, 0};
  Perform(TCM_GETITEMRECT, static_cast<WPARAM>(tabIndex), reinterpret_cast<LPARAM>(&r));
  return r;
}

TRect TPageControl::DisplayRect() {
  TRect r{0, 0, Width(), Height()};
  Perform(TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TPageControl::AdjustClientRect(TRect& rect) const {
  rect = const_cast<TPageControl*>(this)->DisplayRect();
}

int TPageControl::ItemHeight() const {
  if (m_tabHeight > 0) return m_tabHeight;
  if (m_itemHeight > 0) return m_itemHeight;
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = Font();
  return scratch.Canvas().TextHeight("Wg") + kTabPadding;
}

int TPageControl::ItemWidth(const TTabSheet& page) const {
  if (m_tabWidth > 0) return m_tabWidth;
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = Font();
  int width = scratch.Canvas().TextWidth(StripHotkey(page.Caption())) + 2 * kTabSidePadding;
  if (m_images) width += m_images->Width() + 3;
  return width;
}

TRect TPageControl::PlatformItemRect(int tabIndex) const {
  int h = ItemHeight();
  bool vertical = m_tabPosition == TTabPosition::tpLeft || m_tabPosition == TTabPosition::tpRight;
  int column = 0;
  if (vertical) {
    for (const TTabSheet* p : m_pages) {
      if (p->m_tabVisible) column = std::max(column, ItemWidth(*p));
    }
  }
  int x = kRowInset;
  int row = 0;
  int index = 0;
  int scrolled = 0;  // width of the tabs scrolled off a single row
  if (!m_multiLine && !vertical) {
    for (int i = 0; i < std::min(m_firstTab, TabCount()); ++i)
      scrolled += ItemWidth(*PageForTab(i));
  }
  for (const TTabSheet* p : m_pages) {
    if (!p->m_tabVisible) continue;
    if (vertical) {
      if (index == tabIndex) {
        int left = m_tabPosition == TTabPosition::tpLeft ? kRowInset : Width() - kRowInset - column;
        return Bounds(left, kRowInset + index * h, column, h);
      }
      ++index;
      continue;
    }
    int w = ItemWidth(*p);
    if (m_multiLine && x > kRowInset && x + w > Width() - kRowInset) {
      x = kRowInset;
      ++row;
    }
    if (index == tabIndex) {
      int top = m_tabPosition == TTabPosition::tpBottom ? Height() - kRowInset - (row + 1) * h
                                                        : kRowInset + row * h;
      return Bounds(x - scrolled, top, w, h);
    }
    x += w;
    ++index;
  }
  return {0, 0, 0, 0};
}

TRect TPageControl::PlatformDisplayRect(const TRect& bounds) const {
  int tabs = TabCount();
  TRect r = bounds.Inflated(-kFrameWidth, -kFrameWidth);
  if (tabs == 0) return r;
  TRect last = PlatformItemRect(tabs - 1);
  switch (m_tabPosition) {
    case TTabPosition::tpTop: {
      int bottom = 0;
      for (int i = 0; i < tabs; ++i) bottom = std::max(bottom, PlatformItemRect(i).Bottom);
      r.Top = bottom + kFrameWidth;
      break;
    }
    case TTabPosition::tpBottom: {
      int top = bounds.Bottom;
      for (int i = 0; i < tabs; ++i) top = std::min(top, PlatformItemRect(i).Top);
      r.Bottom = top - kFrameWidth;
      break;
    }
    case TTabPosition::tpLeft:
      r.Left = last.Right + kFrameWidth;
      break;
    case TTabPosition::tpRight:
      r.Right = last.Left - kFrameWidth;
      break;
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

int TPageControl::IndexOfTabAt(int x, int y) {
  for (int i = 0; i < TabCount(); ++i) {
    if (ItemRect(i).Contains(TPoint{x, y})) return i;
  }
  return -1;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TPageControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case TCM_SETITEMSIZE:
      m_itemHeight = HIWORD(m.LParam);
      if (LOWORD(m.LParam) > 0) m_tabWidth = LOWORD(m.LParam);
      Realign();
      Invalidate();
      return;
    case TCM_GETITEMRECT: {
      auto* r = reinterpret_cast<TRect*>(m.LParam);
      int index = static_cast<int>(m.WParam);
      m.Result = index >= 0 && index < TabCount();
      *r = m.Result ? PlatformItemRect(index) : TRect{0, 0, 0, 0};
      return;
    }
    case TCM_ADJUSTRECT: {
      auto* r = reinterpret_cast<TRect*>(m.LParam);
      *r = PlatformDisplayRect(*r);
      return;
    }
    case WM_HSCROLL:
      if (LOWORD(m.WParam) == SB_THUMBPOSITION && !m_multiLine) {
        m_firstTab = std::clamp(static_cast<int>(HIWORD(m.WParam)), 0, std::max(0, TabCount() - 1));
        Invalidate();
      }
      return;
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS;
      return;
    case WM_ERASEBKGND:
      m.Result = 1;  // Paint covers everything
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || (shift & ssDouble)) return;
  int tab = IndexOfTabAt(x, y);
  TTabSheet* page = PageForTab(tab);
  if (page && page->Enabled() && tab != m_tabIndex) {
    SetTabIndex(tab);
    Change();
  }
}

void TPageControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  int step = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
  int next = m_tabIndex + step;
  if (step != 0 && next >= 0 && next < TabCount()) {
    SetTabIndex(next);
    Change();
  }
}

void TPageControl::Paint() {
  TCanvas& c = Canvas();
  TRect client{0, 0, Width(), Height()};
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBtnFace;
  c.FillRect(client);
  TRect frame = DisplayRect().Inflated(kFrameWidth - 2, kFrameWidth - 2);
  c.Pen().Color = clBtnHighlight;
  c.MoveTo(frame.Left, frame.Bottom - 1);
  c.LineTo(frame.Left, frame.Top);
  c.LineTo(frame.Right - 1, frame.Top);
  c.Pen().Color = cl3DDkShadow;
  c.LineTo(frame.Right - 1, frame.Bottom - 1);
  c.LineTo(frame.Left - 1, frame.Bottom - 1);
  for (int i = 0; i < TabCount(); ++i) {
    if (i != m_tabIndex) DrawTab(c, i, ItemRect(i), false);
  }
  if (m_tabIndex >= 0) DrawTab(c, m_tabIndex, ItemRect(m_tabIndex).Inflated(2, 2), true);
}

void TPageControl::DrawTab(TCanvas& c, int tabIndex, const TRect& rect, bool active) {
  TTabSheet* page = PageForTab(tabIndex);
  if (!page || rect.IsEmpty()) return;
  TRect r = rect;
  if (active && m_tabPosition == TTabPosition::tpTop) r.Bottom += 1;  // merges with the page frame
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBtnFace;
  c.FillRect(r);
  c.Pen().Color = clBtnHighlight;
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Left, r.Top + 2);
  c.LineTo(r.Left + 2, r.Top);
  c.LineTo(r.Right - 2, r.Top);
  c.Pen().Color = cl3DDkShadow;
  c.LineTo(r.Right - 1, r.Top + 2);
  c.LineTo(r.Right - 1, r.Bottom);
  c.Font() = Font();
  c.Font().SetColor(page->Enabled() ? clBtnText : clGrayText);
  c.Brush().Style = TBrushStyle::bsClear;
  TRect text = r;
  if (m_images && page->ImageIndex() >= 0 && page->ImageIndex() < m_images->Count()) {
    int textWidth = c.TextWidth(StripHotkey(page->Caption()));
    int total = m_images->Width() + 3 + textWidth;
    int x = r.Left + (r.Width() - total) / 2;
    m_images->Draw(c, x, r.Top + (r.Height() - m_images->Height()) / 2, page->ImageIndex(),
                   page->Enabled());
    text.Left = x + m_images->Width() + 3;
    DrawText(c, page->Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    return;
  }
  DrawText(c, page->Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

}  // namespace kx
