#include "platform/gfx/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "platform/base/exception.h"
#include "platform/base/strings.h"

namespace kx {
namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";
constexpr int kDefaultHeight = -13;

struct Alias {
  const char* from;
  const char* to;
};
constexpr Alias kAliases[] = {
    {"arial", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},
    {"ms shell dlg 2", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"segoe ui", "DejaVu Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
};

}  // namespace

int FaceUnits::RoundedAscent(int em) const {
  return static_cast<int>(std::lround(winAscent * em / unitsPerEm));
}

int FaceUnits::RoundedDescent(int em) const {
  return static_cast<int>(std::lround(winDescent * em / unitsPerEm));
}

int EmPixelsForHeight(int height, const FaceUnits& units) {
  if (height < 0) return std::clamp(-height, 1, kMaxEmPixels);
  if (height == 0 || units.unitsPerEm <= 0 || units.winAscent + units.winDescent <= 0) return 1;
  // The rounded metrics grow with the em, so the answer lies at or just below
  // the proportional size; start one above it and walk down.
  double proportional = height * units.unitsPerEm / (units.winAscent + units.winDescent);
  int em = static_cast<int>(std::min<double>(proportional + 1, kMaxEmPixels));
  while (em > 1 && units.RoundedAscent(em) + units.RoundedDescent(em) > height) --em;
  return em;
}

std::string ResolveFontFamily(const std::string& name) {
  std::string lower = LowerCaseAscii(name);
  for (const Alias& a : kAliases) {
    if (lower == a.from) return a.to;
  }
  return name.empty() ? "Liberation Sans" : name;
}

struct FontEngine::Library {
  FT_Library ft = nullptr;
  FcConfig* fc = nullptr;
};

struct FontFace::FreeTypeFace {
  FT_Face face = nullptr;
};

FontFace::~FontFace() {
  if (m_face && m_face->face) FT_Done_Face(m_face->face);
}

bool FontFace::HasGlyph(char32_t codePoint) const {
  return FT_Get_Char_Index(m_face->face, codePoint) != 0;
}

const GlyphImage& FontFace::Glyph(char32_t codePoint) {
  auto found = m_glyphs.find(codePoint);
  if (found != m_glyphs.end()) return found->second;
  if (m_fallback && codePoint > 0x7F && !HasGlyph(codePoint) && m_fallback->HasGlyph(codePoint)) {
    return m_glyphs.emplace(codePoint, m_fallback->Glyph(codePoint)).first->second;
  }
  return m_glyphs.emplace(codePoint, Render(codePoint)).first->second;
}

GlyphImage FontFace::Render(char32_t codePoint) {
  GlyphImage image;
  FT_Face face = m_face->face;
  FT_UInt index = FT_Get_Char_Index(face, codePoint);
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return image;
  if (m_oblique) FT_GlyphSlot_Oblique(face->glyph);
  if (m_emboldened) FT_GlyphSlot_Embolden(face->glyph);
  image.Advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return image;
  const FT_Bitmap& bm = face->glyph->bitmap;
  image.Left = face->glyph->bitmap_left;
  image.Top = face->glyph->bitmap_top;
  image.Width = static_cast<int>(bm.width);
  image.Height = static_cast<int>(bm.rows);
  image.Coverage.resize(static_cast<std::size_t>(image.Width) * image.Height);
  for (int y = 0; y < image.Height; ++y) {
    const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
    std::copy_n(row, image.Width,
                image.Coverage.data() + static_cast<std::size_t>(y) * image.Width);
  }
  return image;
}

FontEngine& FontEngine::Instance() {
  static FontEngine engine;
  return engine;
}

FontEngine::FontEngine() : m_library(std::make_unique<Library>()) {
  if (FT_Init_FreeType(&m_library->ft) != 0) throw EOutOfResources("FreeType could not start");
  // Pinned so that FREETYPE_PROPERTIES in the environment cannot change the
  // glyph shapes and advances that the layouts are measured with.
  FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
  FT_Property_Set(m_library->ft, "truetype", "interpreter-version", &interpreter);
  m_library->fc = FcInitLoadConfigAndFonts();
}

FontEngine::~FontEngine() {
  m_faces.clear();
  if (m_library->fc) FcConfigDestroy(m_library->fc);
  FT_Done_FreeType(m_library->ft);
}

std::string FontEngine::MatchFile(const std::string& family, TFontStyles style, int* index) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT,
                      style.Has(TFontStyle::fsBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT,
                      style.Has(TFontStyle::fsItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(m_library->fc, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(m_library->fc, pattern, &result);
  std::string file;
  if (match) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
      file = reinterpret_cast<const char*>(path);
    }
    int faceIndex = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &faceIndex);
    if (index) *index = faceIndex;
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

std::unique_ptr<FontFace> FontEngine::CreateFace(const std::string& family, int height,
                                                 TFontStyles style) {
  int faceIndex = 0;
  std::string file = MatchFile(family, style, &faceIndex);
  FT_Face ftFace = nullptr;
  if (file.empty() || FT_New_Face(m_library->ft, file.c_str(), faceIndex, &ftFace) != 0) {
    throw EOutOfResources("No font is available for \"" + family + "\"");
  }
  std::unique_ptr<FontFace> face(new FontFace());
  face->m_face = std::make_unique<FontFace::FreeTypeFace>();
  face->m_face->face = ftFace;
  face->m_familyName = ftFace->family_name ? ftFace->family_name : family;
  face->m_emboldened = style.Has(TFontStyle::fsBold) && !(ftFace->style_flags & FT_STYLE_FLAG_BOLD);
  face->m_oblique =
      style.Has(TFontStyle::fsItalic) && !(ftFace->style_flags & FT_STYLE_FLAG_ITALIC);

  double upem = ftFace->units_per_EM ? ftFace->units_per_EM : 2048;
  double winAscent = ftFace->ascender;
  double winDescent = -ftFace->descender;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(ftFace, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    winAscent = os2->usWinAscent;
    winDescent = os2->usWinDescent;
  }
  FaceUnits units{upem, winAscent, winDescent};
  int em = EmPixelsForHeight(height == 0 ? kDefaultHeight : height, units);
  face->m_ascent = units.RoundedAscent(em);
  face->m_descent = units.RoundedDescent(em);
  FT_Set_Pixel_Sizes(ftFace, 0, static_cast<FT_UInt>(em));
  double scale = em / upem;
  if (os2 && os2->xAvgCharWidth > 0) {
    face->m_aveCharWidth = std::max(1, static_cast<int>(std::lround(os2->xAvgCharWidth * scale)));
  } else {
    face->m_aveCharWidth = std::max(1, em / 2);
  }
  face->m_underlineThickness =
      std::max(1, static_cast<int>(std::lround(ftFace->underline_thickness * scale)));
  face->m_underlineOffset =
      std::clamp(static_cast<int>(std::lround(-ftFace->underline_position * scale)), 1,
                 std::max(1, face->m_descent - face->m_underlineThickness));
  if (os2 && os2->yStrikeoutPosition > 0) {
    face->m_strikeoutOffset = static_cast<int>(std::lround(os2->yStrikeoutPosition * scale));
  } else {
    face->m_strikeoutOffset = face->m_ascent / 3;
  }
  return face;
}

FontFace& FontEngine::FaceFor(const TFont& font) {
  std::string family = ResolveFontFamily(font.Name());
  std::uint8_t styleBits = font.Style().Bits() & 0x3;  // underline and strike-out are drawn lines
  auto key = std::make_tuple(family, font.Height(), styleBits);
  auto found = m_faces.find(key);
  if (found != m_faces.end()) return *found->second;
  TFontStyles faceStyle;
  if (font.Style().Has(TFontStyle::fsBold)) faceStyle += TFontStyle::fsBold;
  if (font.Style().Has(TFontStyle::fsItalic)) faceStyle += TFontStyle::fsItalic;
  std::unique_ptr<FontFace> face = CreateFace(family, font.Height(), faceStyle);
  FontFace& ref = *face;
  m_faces.emplace(key, std::move(face));
  if (family != kFallbackFamily) {
    TFont fallbackFont(kFallbackFamily, font.Height(), faceStyle);
    ref.m_fallback = &FaceFor(fallbackFont);
  }
  return ref;
}

}  // namespace kx
