#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/base/mem_ini_file.h"
#include "platform/gfx/alignment.h"
#include "platform/gfx/font.h"

namespace kx {

enum class TksMorphKind {
  mkDefault,
  mkGradient,
  mkLeftGradient,
  mkRightGradient,
  mkLeftSlide,
  mkRightSlide,
  mkPush
};
enum class TksInActiveEffect {
  ieBrightness,
  ieDarkness,
  ieGrayscale,
  ieNoise,
  ieSplitBlur,
  ieInvert
};
enum class TksStdCommand {
  cmClose,
  cmMaximize,
  cmMinimize,
  cmSysMenu,
  cmDefault,
  cmRollUp,
  cmMinimizeToTray
};
enum class TksFramesPlacement { fpHorizontal, fpVertical };
enum class TksRegulatorKind { rkRound, rkVertical, rkHorizontal };
enum class TksGaugeKind { gkHorizontal, gkVertical };

// The value forms of a skin definition text. Rectangles and points drop every
// character that is not a digit from each comma-separated piece and raise
// EConvertError for a missing or empty piece or one too large for an int.
TRect ParseSkinRect(std::string_view text);
TPoint ParseSkinPoint(std::string_view text);
TFontStyles ParseSkinFontStyle(std::string_view text);
TAlignment ParseSkinAlignment(std::string_view text);
TksMorphKind ParseSkinMorphKind(std::string_view text);
TksInActiveEffect ParseSkinInActiveEffect(std::string_view text);
TksStdCommand ParseSkinCommand(std::string_view text);

std::string SkinRectText(const TRect& r);
std::string SkinPointText(TPoint p);
std::string SkinFontStyleText(TFontStyles style);
std::string_view SkinAlignmentWord(TAlignment a);
std::string_view SkinMorphKindWord(TksMorphKind k);
std::string_view SkinInActiveEffectWord(TksInActiveEffect e);
std::string_view SkinCommandWord(TksStdCommand c);

// A record's font group: "fontname", "fontheight", "fontstyle", "fontcolor".
struct TksSkinFont {
  std::string Name = "Arial";
  int Height = 14;
  TFontStyles Style;
  TColor Color = 0;
};

// The keys of one section, read from a parsed text or written to a new one.
// Records describe their keys once through this class, so reading and writing
// always agree on names, forms, defaults and order.
// A list count read from a section, held to the number of other keys the
// section has (the count key is one of its keys): entries past them could only
// be empty, and a hostile count must not cost time or memory.
inline int BoundedCount(int count, std::size_t keys) {
  if (count <= 0 || keys == 0) return 0;
  return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(count), keys - 1));
}

class SkinKeys {
 public:
  // Reads the section of ini.
  SkinKeys(const TMemIniFile& ini, std::string section);
  // Appends "key=value" lines to lines.
  explicit SkinKeys(std::vector<std::string>& lines);

  bool Reading() const { return m_ini != nullptr; }

  void Int(std::string_view key, int& value, int defaultValue = 0);
  void Color(std::string_view key, TColor& value, TColor defaultValue = 0);
  void Flag(std::string_view key, bool& value);
  void String(std::string_view key, std::string& value, std::string_view defaultValue = {});
  void Rect(std::string_view key, TRect& value);
  void Point(std::string_view key, TPoint& value);
  void FontStyle(std::string_view key, TFontStyles& value);
  void Alignment(std::string_view key, TAlignment& value);
  void MorphKind(std::string_view key, TksMorphKind& value);
  void InActiveEffect(std::string_view key, TksInActiveEffect& value);
  void Command(std::string_view key, TksStdCommand& value);
  void FramesPlacement(std::string_view key, TksFramesPlacement& value);
  void RegulatorKind(std::string_view key, TksRegulatorKind& value);
  void GaugeKind(std::string_view key, TksGaugeKind& value);
  void Font(TksSkinFont& font);
  // "<key>count" items under the keys "0" … "n-1".
  void List(std::string_view key, std::vector<std::string>& items);
  // "<key>linecount" lines under the keys "<key>line0" … .
  void LineBlock(std::string_view key, std::vector<std::string>& lines);

 private:
  std::optional<std::string> Find(std::string_view key) const;
  void Put(std::string_view key, std::string_view value);
  template <typename Parse, typename Word, typename T>
  void Enumeration(std::string_view key, T& value, T defaultValue, Parse parse, Word word);

  const TMemIniFile* m_ini = nullptr;
  std::string m_section;
  std::vector<std::string>* m_lines = nullptr;
};

}  // namespace kx
