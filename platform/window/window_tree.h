#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/region.h"
#include "platform/window/window.h"

namespace kx {

class TWindowSystem;

// The windows themselves: creation and destruction, the parent and owner tree,
// the z-order of siblings and top-level windows, placement and showing,
// styles, texts, regions and the geometry questions about them.
class WindowTree {
 public:
  explicit WindowTree(TWindowSystem& system) : m_system(system) {}
  WindowTree(const WindowTree&) = delete;
  WindowTree& operator=(const WindowTree&) = delete;

  HWND CreateWindowEx(const TCreateParams& params);
  bool DestroyWindow(HWND hwnd);
  bool IsWindow(HWND hwnd) const;
  std::vector<HWND> TopLevelWindows() const { return m_topLevels; }
  const std::vector<HWND>& TopLevels() const { return m_topLevels; }
  HWND GetParent(HWND hwnd) const;
  HWND GetAncestorTopLevel(HWND hwnd) const;
  bool IsChildOf(HWND parent, HWND hwnd) const;
  TWndProc SetWindowProc(HWND hwnd, TWndProc proc);
  bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
  bool MoveWindow(HWND hwnd, const TRect& rect, bool repaint);
  bool ShowWindow(HWND hwnd, int cmd);
  bool IsWindowVisible(HWND hwnd) const;
  bool EnableWindow(HWND hwnd, bool enable);
  bool IsWindowEnabled(HWND hwnd) const;
  void SetWindowText(HWND hwnd, const std::string& text);
  std::string GetWindowText(HWND hwnd) const;
  std::string GetClassName(HWND hwnd) const;
  std::uint32_t GetStyle(HWND hwnd) const;
  std::uint32_t GetExStyle(HWND hwnd) const;
  void SetStyle(HWND hwnd, std::uint32_t style);
  void SetExStyle(HWND hwnd, std::uint32_t exStyle);
  TRect GetWindowRect(HWND hwnd) const;
  TRect GetClientRect(HWND hwnd) const;
  TPoint ClientToScreen(HWND hwnd, TPoint p) const;
  TPoint ScreenToClient(HWND hwnd, TPoint p) const;
  TPoint WindowOrigin(HWND hwnd) const;
  TPoint ClientOrigin(HWND hwnd) const;
  HWND WindowFromPoint(TPoint screen) const;
  HWND ChildWindowFromPoint(HWND parent, TPoint client) const;
  void SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw);
  const TRegion* GetWindowRgn(HWND hwnd) const;
  bool SetLayeredWindowAttributes(HWND hwnd, std::uint8_t alpha, UINT flags);
  std::uint8_t GetLayeredWindowAlpha(HWND hwnd) const;
  void SetWindowUserData(HWND hwnd, std::uintptr_t data);
  std::uintptr_t GetWindowUserData(HWND hwnd) const;
  void SetClassBackground(HWND hwnd, TColor color);
  bool IsIconic(HWND hwnd) const;
  bool IsZoomed(HWND hwnd) const;
  TRect MonitorWorkArea(HWND hwnd) const;
  TRect MonitorRect(HWND hwnd) const;

  // Moves hwnd in its sibling list (or the top-level list) as insertAfter says.
  void PlaceInZOrder(HWND hwnd, HWND insertAfter);
  // The deepest visible child of parent under a point of parent's client area, or parent.
  HWND FindChildAt(HWND parent, TPoint clientPoint, bool enabledOnly) const;
  bool ContainsScreenPoint(HWND hwnd, TPoint screen) const;
  // The first top-level window other than except that may become active.
  HWND NextActivationCandidate(HWND except) const;
  void DestroyAll();

  // While one exists, destroyed windows stay allocated (a window may be
  // destroyed inside one of its own messages, and its callers still hold it).
  class Delivery {
   public:
    explicit Delivery(WindowTree& tree);
    ~Delivery();
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

   private:
    WindowTree& m_tree;
  };

 private:
  friend class TWindowSystem;
  void DestroyTree(HWND hwnd);
  // Takes a destroyed window out of the tree; the other parts have forgotten it.
  void Remove(HWND hwnd);
  std::vector<HWND>& SiblingList(HWND hwnd);
  void RecalcNonClient(HWND hwnd);
  void ApplyBounds(HWND hwnd, const TRect& rect, bool redraw);
  void ResizeBackBuffer(HWND hwnd);

  TWindowSystem& m_system;
  std::unordered_map<HWND, std::unique_ptr<TWindow>> m_windows;
  std::vector<HWND> m_topLevels;  // front = top
  int m_deliverDepth = 0;
  std::vector<std::unique_ptr<TWindow>> m_graveyard;
};

}  // namespace kx
