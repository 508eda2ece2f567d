#include "platform/base/color.h"

#include <array>

namespace kx {
namespace {

// A light, modern palette: neutral greys for 3D parts, a calm blue for selection.
constexpr std::array<TColor, kSystemColorCount> kSystemColors = {
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_SCROLLBAR
    RGB(0x1F, 0x2A, 0x38),  // COLOR_BACKGROUND
    RGB(0x99, 0xB4, 0xD1),  // COLOR_ACTIVECAPTION
    RGB(0xBF, 0xCD, 0xDB),  // COLOR_INACTIVECAPTION
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_MENU
    RGB(0xFF, 0xFF, 0xFF),  // COLOR_WINDOW
    RGB(0x64, 0x64, 0x64),  // COLOR_WINDOWFRAME
    RGB(0x00, 0x00, 0x00),  // COLOR_MENUTEXT
    RGB(0x00, 0x00, 0x00),  // COLOR_WINDOWTEXT
    RGB(0x00, 0x00, 0x00),  // COLOR_CAPTIONTEXT
    RGB(0xB4, 0xB4, 0xB4),  // COLOR_ACTIVEBORDER
    RGB(0xF4, 0xF7, 0xFC),  // COLOR_INACTIVEBORDER
    RGB(0xAB, 0xAB, 0xAB),  // COLOR_APPWORKSPACE
    RGB(0x00, 0x78, 0xD7),  // COLOR_HIGHLIGHT
    RGB(0xFF, 0xFF, 0xFF),  // COLOR_HIGHLIGHTTEXT
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_BTNFACE
    RGB(0xA0, 0xA0, 0xA0),  // COLOR_BTNSHADOW
    RGB(0x6D, 0x6D, 0x6D),  // COLOR_GRAYTEXT
    RGB(0x00, 0x00, 0x00),  // COLOR_BTNTEXT
    RGB(0x43, 0x4E, 0x54),  // COLOR_INACTIVECAPTIONTEXT
    RGB(0xFF, 0xFF, 0xFF),  // COLOR_BTNHIGHLIGHT
    RGB(0x69, 0x69, 0x69),  // COLOR_3DDKSHADOW
    RGB(0xE3, 0xE3, 0xE3),  // COLOR_3DLIGHT
    RGB(0x00, 0x00, 0x00),  // COLOR_INFOTEXT
    RGB(0xFF, 0xFF, 0xE1),  // COLOR_INFOBK
    RGB(0xB5, 0xB5, 0xB5),  // 25: unused by the platform
    RGB(0x00, 0x66, 0xCC),  // COLOR_HOTLIGHT
    RGB(0xB9, 0xD1, 0xEA),  // COLOR_GRADIENTACTIVECAPTION
    RGB(0xD7, 0xE4, 0xF2),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(0x33, 0x99, 0xFF),  // COLOR_MENUHILIGHT
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_MENUBAR
};

}  // namespace

TColor GetSysColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return clBlack;
  return kSystemColors[static_cast<std::size_t>(index)];
}

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

}  // namespace kx
