#pragma once

#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/forward.h"

namespace kx {

// The tab control's messages: the item size (wParam 0, lParam width | height << 16),
// a tab's rectangle (wParam tab index, lParam points to a TRect), and the page area
// (wParam 0, lParam points to the control rectangle, turned into the page area).
inline constexpr UINT TCM_FIRST = 0x1300;
inline constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
inline constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;
inline constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// One page of a page control: shown while it is the active page, with a tab
// while TabVisible.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return m_pageControl; }
  void SetPageControl(TPageControl* pageControl);
  int PageIndex() const;
  // The index of its tab among the visible tabs; −1 while the tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return m_tabVisible; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  void SetCaption(const std::string& caption) override;
  void SetEnabled(bool enabled) override;

 private:
  friend class TPageControl;
  TPageControl* m_pageControl = nullptr;
  bool m_tabVisible = true;
  int m_imageIndex = -1;
};

// Pages with a row of tabs, one per page whose tab is visible, and one active
// page shown in the page area. Drawn in a plain system-coloured look.
class TPageControl : public TCustomControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(m_pages.size()); }
  TTabSheet* Pages(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
  TTabSheet* ActivePage() const { return m_activePage; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  // An index outside the page list clears the active page.
  void SetActivePageIndex(int index);

  int TabCount() const;
  int TabIndex() const { return m_tabIndex; }
  void SetTabIndex(int index);
  TTabSheet* PageForTab(int tabIndex) const;
  int IndexOfTabAt(int x, int y);

  TCustomImageList* Images() const { return m_images; }
  void SetImages(TCustomImageList* images);
  int TabHeight() const { return m_tabHeight; }
  void SetTabHeight(int value);
  int TabWidth() const { return m_tabWidth; }
  void SetTabWidth(int value);
  TTabPosition TabPosition() const { return m_tabPosition; }
  void SetTabPosition(TTabPosition value);
  bool MultiLine() const { return m_multiLine; }
  void SetMultiLine(bool value);
  TTabStyle Style = TTabStyle::tsTabs;

  // The platform queries, through the control's messages so a derived control can adjust them.
  TRect ItemRect(int tabIndex);
  TRect DisplayRect();
  void SetItemSize(int width, int height);

  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& m) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void Paint() override;
  void AdjustClientRect(TRect& rect) const override;
  void Notification(TComponent* component, TOperation operation) override;
  // The user chose another tab (click or arrow key); the base raises OnChange.
  virtual void Change();
  // Draws one tab of the plain look.
  virtual void DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active);

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void TabHidden(TTabSheet* page, int oldTabIndex);
  void TabShown(TTabSheet* page);
  void FollowTabIndex();
  void ShowOnly(TTabSheet* page);
  int ItemHeight() const;
  int ItemWidth(const TTabSheet& page) const;
  TRect PlatformItemRect(int tabIndex) const;
  TRect PlatformDisplayRect(const TRect& bounds) const;

  std::vector<TTabSheet*> m_pages;
  TTabSheet* m_activePage = nullptr;
  int m_tabIndex = -1;
  TCustomImageList* m_images = nullptr;
  int m_tabHeight = 0;
  int m_tabWidth = 0;
  int m_itemHeight = 0;  // set through TCM_SETITEMSIZE; 0: from the font
  int m_firstTab = 0;    // tabs scrolled off to the left of a single row
  TTabPosition m_tabPosition = TTabPosition::tpTop;
  bool m_multiLine = false;
};

}  // namespace kx
