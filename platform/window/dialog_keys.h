#pragma once

#include "platform/window/window_system.h"

namespace kx {

// Tab and Shift+Tab move the focus among the tab-stop windows inside dialog,
// unless the focused window asks for the key through WM_GETDLGCODE. True when
// the message was used for that.
bool IsDialogMessage(TWindowSystem& system, HWND dialog, const TMsg& msg);

// The tab-stop windows below root, in tab order (each parent's children from
// the bottom of the z-order up, which is creation order).
std::vector<HWND> TabOrder(const TWindowSystem& system, HWND root);

}  // namespace kx
