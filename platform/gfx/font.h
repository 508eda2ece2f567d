#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/base/color.h"

namespace kx {

enum class TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A set of TFontStyle values.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(TFontStyle s) : m_bits(static_cast<std::uint8_t>(s)) {}
  constexpr bool Has(TFontStyle s) const { return (m_bits & static_cast<std::uint8_t>(s)) != 0; }
  constexpr TFontStyles& operator+=(TFontStyle s) {
    m_bits |= static_cast<std::uint8_t>(s);
    return *this;
  }
  constexpr TFontStyles& operator-=(TFontStyle s) {
    m_bits &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(s));
    return *this;
  }
  constexpr TFontStyles operator+(TFontStyle s) const {
    TFontStyles r = *this;
    r += s;
    return r;
  }
  constexpr std::uint8_t Bits() const { return m_bits; }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  std::uint8_t m_bits = 0;
};

inline constexpr TFontStyles operator+(TFontStyle a, TFontStyle b) {
  return TFontStyles(a) + b;
}

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t ANSI_CHARSET = 0;
inline constexpr std::uint8_t RUSSIAN_CHARSET = 204;

// The logical description of a font. Height follows the platform's sign
// convention: negative is the character height (em size) in pixels, positive
// the cell height (ascent + descent).
class TFont {
 public:
  TFont() = default;
  TFont(const std::string& name, int height, TFontStyles style = {}, TColor color = clWindowText)
      : m_name(name), m_height(height), m_style(style), m_color(color) {}
  TFont(const TFont& other) { CopyValues(other); }
  TFont& operator=(const TFont& other) {
    Assign(other);
    return *this;
  }
  void Assign(const TFont& other) {
    CopyValues(other);
    Changed();
  }

  const std::string& Name() const { return m_name; }
  void SetName(const std::string& v) { Set(m_name, v); }
  int Height() const { return m_height; }
  void SetHeight(int v) { Set(m_height, v); }
  // Size in points at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return m_style; }
  void SetStyle(TFontStyles v) { Set(m_style, v); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Set(m_color, v); }
  std::uint8_t Charset() const { return m_charset; }
  void SetCharset(std::uint8_t v) { Set(m_charset, v); }

  bool SameLook(const TFont& o) const {
    return m_name == o.m_name && m_height == o.m_height && m_style == o.m_style;
  }
  friend bool operator==(const TFont& a, const TFont& b) {
    return a.SameLook(b) && a.m_color == b.m_color && a.m_charset == b.m_charset;
  }

  std::function<void(TFont&)> OnChange;

 private:
  template <typename T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(*this);
  }
  void CopyValues(const TFont& o) {
    m_name = o.m_name;
    m_height = o.m_height;
    m_style = o.m_style;
    m_color = o.m_color;
    m_charset = o.m_charset;
  }

  std::string m_name = "MS Sans Serif";
  int m_height = -11;
  TFontStyles m_style;
  TColor m_color = clWindowText;
  std::uint8_t m_charset = DEFAULT_CHARSET;
};

}  // namespace kx
