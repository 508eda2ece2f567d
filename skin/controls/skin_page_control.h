#pragma once

#include <memory>

#include "platform/forms/page_control.h"
#include "skin/controls/skin_control.h"

namespace kx {

class TksSkinPageControl;

// How a tab is drawn: selected, hovered (and not selected) or neither. Whether
// the control has the focus is the control's own state.
enum class TksTabState { Normal, Hot, Selected };

// The tab scroller of a page control whose tabs overflow its width: a left and a
// right arrow that step Position between 0 and Max.
class TksSkinUpDown : public TksSkinCustomControl {
 public:
  explicit TksSkinUpDown(TComponent* owner);
  int Min = 0;
  int Max = 0;
  int Position() const { return m_position; }
  void SetPosition(int value);
  int Increment = 1;
  TNotifyEvent OnChange;

 protected:
  void DrawPlain(TBitmap& bitmap) override;
  void DrawSkinned(TBitmap& bitmap) override { DrawPlain(bitmap); }
  void CalcSkinSize(int&, int&) override {}  // the page control sizes it
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  int m_position = 0;
};

// A page whose background is its WallPaper, or the skin's page tile.
class TksSkinCustomTabSheet : public TTabSheet {
 public:
  explicit TksSkinCustomTabSheet(TComponent* owner);
  TBitmap WallPaper;

 protected:
  void WndProc(TMessage& m) override;
  void Resize() override;
};

class TksSkinTabSheet : public TksSkinCustomTabSheet {
 public:
  using TksSkinCustomTabSheet::TksSkinCustomTabSheet;
};

// The page control drawn from the skin's "tab" section: a row of tab images,
// a skin frame around the page area and tiled page backgrounds.
class TksSkinPageControl : public TPageControl, public TksSkinnedControl {
 public:
  explicit TksSkinPageControl(TComponent* owner);
  ~TksSkinPageControl() override;

  TksSkinData* SkinData() const override { return m_skin.Data; }
  void SetSkinData(TksSkinData* skinData);
  const std::string& SkinDataName() const { return m_skin.SkinDataName; }
  void SetSkinDataName(const std::string& name);
  // Whether the tab strip shows the parent's image instead of the skin's tile.
  bool TabsBGTransparent() const { return m_tabsBGTransparent; }
  void SetTabsBGTransparent(bool value);
  // The tab font when unskinned or without UseSkinFont; a change is applied at once.
  const TFont& DefaultFont() const { return m_defaultFont; }
  void SetDefaultFont(const TFont& font);
  // Whether the tabs take the skin section's font; changing it takes the skin up again.
  bool UseSkinFont() const { return m_useSkinFont; }
  void SetUseSkinFont(bool value);
  int DefaultItemHeight() const { return m_defaultItemHeight; }
  void SetDefaultItemHeight(int value);
  int SkinIndex() const { return m_skin.SkinIndex; }
  int HoveredTab() const { return m_hoverTab; }
  // The tab scroller, while tabs overflow.
  TksSkinUpDown* Scroller() const { return m_scroller; }

  void ForgetSkin() override { m_skin.Forget(); }
  void ApplySkin() override;
  // Paints a sheet's background (tiled), for the sheet's erase.
  void PaintSheetBackground(TCanvas& canvas, const TRect& area, const TBitmap& wallPaper);

 protected:
  void WndProc(TMessage& m) override;
  void Paint() override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  // The selected tab shows whether the control has the focus.
  void DoEnter() override;
  void DoExit() override;
  void Change() override;
  void Resize() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  struct Look;
  void ReadSkinRecord();
  void SetTabHeightFromSkin();
  void DrawFrame(TCanvas& canvas, const TRect& area);
  void DrawTabs(TCanvas& canvas);
  // One tab (page index, rectangle in control coordinates) onto the canvas at rect.
  void DrawSkinTab(TCanvas& canvas, int pageIndex, const TRect& rect, TksTabState state);
  // The tab image of a state, as wide as the tab.
  TBitmap TabImage(const TRect& rect, TksTabState state) const;
  // Image and caption of a page's tab: the image layout takes the tab image's
  // size, a lone caption is centred in the tab's own rectangle (size tab).
  void DrawTabContent(TCanvas& canvas, int pageIndex, TSize image, TSize tab);
  void InvalidateSelectedTab();
  TksTabState StateOf(int tabIndex) const;
  void RedrawTab(int tabIndex, TksTabState state);
  void TrackHover(int x, int y);
  // How many visible tabs do not show whole (hidden), and how many of them lie
  // scrolled off to the left.
  struct TabOverflow {
    int hidden = 0;
    int scrolledOff = 0;
  };
  TabOverflow Overflow();
  void CheckScroller();
  void UpdateScrollerPosition();
  void ScrollerChanged();
  TRect PageTile() const;

  TksSkinLink m_skin{*this, *this, "tab"};
  std::unique_ptr<Look> m_look;
  TFont m_defaultFont{"Arial", 14, {}, clBtnText};
  bool m_useSkinFont = true;
  bool m_tabsBGTransparent = false;
  int m_defaultItemHeight = 20;
  int m_hoverTab = -1;
  TksSkinUpDown* m_scroller = nullptr;  // owned by this control
};

}  // namespace kx
