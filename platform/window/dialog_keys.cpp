#include "platform/window/dialog_keys.h"

#include <algorithm>

namespace kx {

namespace {
void CollectTabStops(const TWindowSystem& system, HWND parent, std::vector<HWND>& out) {
  for (auto it = parent->Children.rbegin(); it != parent->Children.rend(); ++it) {
    HWND c = *it;
    if (!system.IsWindowVisible(c) || !c->Enabled()) continue;
    if (c->Style & WS_TABSTOP) out.push_back(c);
    CollectTabStops(system, c, out);
  }
}
}  // namespace

std::vector<HWND> TabOrder(const TWindowSystem& system, HWND root) {
  std::vector<HWND> out;
  if (system.IsWindow(root)) CollectTabStops(system, root, out);
  return out;
}

bool IsDialogMessage(TWindowSystem& system, HWND dialog, const TMsg& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (!system.IsChildOf(dialog, msg.hwnd)) return false;
  HWND focus = system.GetFocus();
  if (focus) {
    LRESULT code =
        system.SendMessage(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
  }
  std::vector<HWND> order = TabOrder(system, dialog);
  if (order.empty()) return true;
  bool back = system.GetKeyState(VK_SHIFT) < 0;
  auto at = std::find(order.begin(), order.end(), focus);
  std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t index = at == order.end() ? (back ? 0 : -1) : at - order.begin();
  index = ((index + (back ? -1 : 1)) % n + n) % n;
  system.SetFocus(order[static_cast<std::size_t>(index)]);
  return true;
}

}  // namespace kx
