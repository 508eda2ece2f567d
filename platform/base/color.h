#pragma once

#include <cstdint>

namespace kx {

// 0x00BBGGRR; a high byte of 0xFF marks a system colour whose low byte is its index.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// System colour indexes, as the platform numbers them.
enum SystemColorIndex : std::uint8_t {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
};
inline constexpr int kSystemColorCount = 31;

inline constexpr TColor SystemColor(SystemColorIndex index) {
  return 0xFF000000u | index;
}

inline constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
inline constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
inline constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);
inline constexpr TColor clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION);
inline constexpr TColor clMenu = SystemColor(COLOR_MENU);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
inline constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
inline constexpr TColor clActiveBorder = SystemColor(COLOR_ACTIVEBORDER);
inline constexpr TColor clInactiveBorder = SystemColor(COLOR_INACTIVEBORDER);
inline constexpr TColor clAppWorkSpace = SystemColor(COLOR_APPWORKSPACE);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr TColor clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT);
inline constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
inline constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);
inline constexpr TColor clHotLight = SystemColor(COLOR_HOTLIGHT);
inline constexpr TColor clMenuHighlight = SystemColor(COLOR_MENUHILIGHT);
inline constexpr TColor clMenuBar = SystemColor(COLOR_MENUBAR);

inline constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
inline constexpr std::uint8_t GetRValue(TColor c) {
  return static_cast<std::uint8_t>(c);
}
inline constexpr std::uint8_t GetGValue(TColor c) {
  return static_cast<std::uint8_t>(c >> 8);
}
inline constexpr std::uint8_t GetBValue(TColor c) {
  return static_cast<std::uint8_t>(c >> 16);
}

inline constexpr bool IsSystemColor(TColor c) {
  return (c & 0xFF000000u) == 0xFF000000u;
}

// The platform's current value of a system colour (0x00BBGGRR).
TColor GetSysColor(int index);

// Resolves a system colour to its RGB value; other colours lose their high byte.
TColor ColorToRGB(TColor color);

}  // namespace kx
