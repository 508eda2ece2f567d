#pragma once

#include <cstdint>
#include <string_view>

#include "platform/base/geometry.h"
#include "platform/gfx/forward.h"

namespace kx {

inline constexpr std::uint32_t DT_TOP = 0x0000;
inline constexpr std::uint32_t DT_LEFT = 0x0000;
inline constexpr std::uint32_t DT_CENTER = 0x0001;
inline constexpr std::uint32_t DT_RIGHT = 0x0002;
inline constexpr std::uint32_t DT_VCENTER = 0x0004;
inline constexpr std::uint32_t DT_BOTTOM = 0x0008;
inline constexpr std::uint32_t DT_WORDBREAK = 0x0010;
inline constexpr std::uint32_t DT_SINGLELINE = 0x0020;
inline constexpr std::uint32_t DT_EXPANDTABS = 0x0040;
inline constexpr std::uint32_t DT_NOCLIP = 0x0100;
inline constexpr std::uint32_t DT_CALCRECT = 0x0400;
inline constexpr std::uint32_t DT_NOPREFIX = 0x0800;
inline constexpr std::uint32_t DT_PATH_ELLIPSIS = 0x4000;
inline constexpr std::uint32_t DT_END_ELLIPSIS = 0x8000;
inline constexpr std::uint32_t DT_RTLREADING = 0x20000;

// Lays out and draws text in rect with the canvas's font, the platform's way.
// With DT_CALCRECT nothing is drawn and rect is set to the text's extent.
// Returns the height of the text. The text background follows the brush
// (solid: the line boxes are filled; clear: transparent).
int DrawTextW(TCanvas& canvas, std::u16string_view text, TRect& rect, std::uint32_t flags);
// 8-bit text in the system code page.
int DrawText(TCanvas& canvas, std::string_view text, TRect& rect, std::uint32_t flags);

}  // namespace kx
