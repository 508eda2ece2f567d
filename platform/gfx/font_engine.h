#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/gfx/font.h"

namespace kx {

// Faces are rendered at whole-pixel em sizes up to this; larger heights are
// cut down so that a hostile font height cannot ask for gigantic glyphs.
inline constexpr int kMaxEmPixels = 1024;

// The vertical design metrics of a face, in font units.
struct FaceUnits {
  double unitsPerEm = 2048;
  double winAscent = 0;
  double winDescent = 0;
  int RoundedAscent(int em) const;
  int RoundedDescent(int em) const;
};

// The whole-pixel em size for a font height. A negative height is the em size
// itself. A positive height is a cell height: the largest em whose rounded
// ascent plus rounded descent is not taller than it, so text keeps the
// whole-pixel glyph advances of that em and still fits its cell.
int EmPixelsForHeight(int height, const FaceUnits& units);

// One rendered glyph: grayscale coverage with its placement relative to the
// pen position on the baseline.
struct GlyphImage {
  int Left = 0;  // from the pen position to the first column
  int Top = 0;   // from the baseline up to the first row
  int Width = 0;
  int Height = 0;
  int Advance = 0;
  std::vector<std::uint8_t> Coverage;
};

// A font face at one size, with its metrics and a glyph cache.
class FontFace {
 public:
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  int Ascent() const { return m_ascent; }
  int Descent() const { return m_descent; }
  int Height() const { return m_ascent + m_descent; }
  int AveCharWidth() const { return m_aveCharWidth; }
  int UnderlineOffset() const { return m_underlineOffset; }  // below the baseline
  int UnderlineThickness() const { return m_underlineThickness; }
  int StrikeoutOffset() const { return m_strikeoutOffset; }  // above the baseline
  std::string FamilyName() const { return m_familyName; }

  const GlyphImage& Glyph(char32_t codePoint);
  int Advance(char32_t codePoint) { return Glyph(codePoint).Advance; }

 private:
  friend class FontEngine;
  FontFace() = default;
  bool HasGlyph(char32_t codePoint) const;
  GlyphImage Render(char32_t codePoint);

  struct FreeTypeFace;
  std::unique_ptr<FreeTypeFace> m_face;
  FontFace* m_fallback = nullptr;
  bool m_emboldened = false;
  bool m_oblique = false;
  int m_ascent = 0;
  int m_descent = 0;
  int m_aveCharWidth = 0;
  int m_underlineOffset = 1;
  int m_underlineThickness = 1;
  int m_strikeoutOffset = 3;
  std::string m_familyName;
  std::unordered_map<char32_t, GlyphImage> m_glyphs;
};

// Finds fonts through fontconfig and renders them with FreeType. Like the
// platform's font subsystem, it is one process-wide service; faces live until exit.
class FontEngine {
 public:
  static FontEngine& Instance();
  ~FontEngine();

  // The face for a font's name, height and style (never null: a sans face stands in).
  FontFace& FaceFor(const TFont& font);
  // The font file fontconfig chose for a family name and style.
  std::string MatchFile(const std::string& family, TFontStyles style, int* index = nullptr);

 private:
  FontEngine();
  std::unique_ptr<FontFace> CreateFace(const std::string& family, int height, TFontStyles style);

  struct Library;
  std::unique_ptr<Library> m_library;
  std::map<std::tuple<std::string, int, std::uint8_t>, std::unique_ptr<FontFace>> m_faces;
};

// Family names of the platform that map to the metric-compatible faces here.
std::string ResolveFontFamily(const std::string& name);

}  // namespace kx
