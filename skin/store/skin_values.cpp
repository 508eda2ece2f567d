#include "skin/store/skin_values.h"

#include <array>
#include <cstdint>
#include <span>

#include "platform/base/exception.h"
#include "platform/base/strings.h"

namespace kx {

namespace {

int PieceValue(std::string_view piece) {
  std::string digits;
  for (char c : piece)
    if (c >= '0' && c <= '9') digits += c;
  std::int64_t value = 0;
  bool valid = !digits.empty();
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) valid = false;
    if (!valid) break;
  }
  if (!valid) throw EConvertError(FormatMessage(SInvalidInteger, {digits}));
  return static_cast<int>(value);
}

// The first count numbers of a comma-separated value; more pieces are ignored.
template <std::size_t N>
std::array<int, N> Pieces(std::string_view text) {
  std::array<int, N> values{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (start > text.size()) throw EConvertError(FormatMessage(SInvalidInteger, {""}));
    std::size_t comma = text.find(',', start);
    std::size_t end = comma == std::string_view::npos ? text.size() : comma;
    values[i] = PieceValue(text.substr(start, end - start));
    start = comma == std::string_view::npos ? text.size() + 1 : comma + 1;
  }
  return values;
}

template <typename T>
T FromWords(std::string_view text, std::span<const std::string_view> words, T other) {
  for (std::size_t i = 0; i < words.size(); ++i)
    if (text == words[i]) return static_cast<T>(i);
  return other;
}

constexpr std::array<std::string_view, 7> kMorphWords = {
    "mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<std::string_view, 6> kEffectWords = {
    "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
constexpr std::array<std::string_view, 7> kCommandWords = {
    "cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
    "cmdefault", "cmrollup",   "cmminimizetotray"};
constexpr std::array<std::pair<std::string_view, TFontStyle>, 4> kStyleWords = {
    {{"fsbold", TFontStyle::fsBold},
     {"fsitalic", TFontStyle::fsItalic},
     {"fsunderline", TFontStyle::fsUnderline},
     {"fsstrikeout", TFontStyle::fsStrikeOut}}};

}  // namespace

TRect ParseSkinRect(std::string_view text) {
  auto v = Pieces<4>(text);
  return TRect{v[0], v[1], v[2], v[3]};
}

TPoint ParseSkinPoint(std::string_view text) {
  auto v = Pieces<2>(text);
  return TPoint{v[0], v[1]};
}

TFontStyles ParseSkinFontStyle(std::string_view text) {
  TFontStyles style;
  for (const auto& [word, s] : kStyleWords)
    if (text.find(word) != std::string_view::npos) style += s;
  return style;
}

TAlignment ParseSkinAlignment(std::string_view text) {
  if (text == "tacenter") return TAlignment::taCenter;
  if (text == "taleftjustify") return TAlignment::taLeftJustify;
  return TAlignment::taRightJustify;
}

TksMorphKind ParseSkinMorphKind(std::string_view text) {
  return FromWords(text, std::span(kMorphWords), TksMorphKind::mkDefault);
}

TksInActiveEffect ParseSkinInActiveEffect(std::string_view text) {
  return FromWords(text, std::span(kEffectWords), TksInActiveEffect::ieGrayscale);
}

TksStdCommand ParseSkinCommand(std::string_view text) {
  // The engine's own word for 6 is not read: every other text gives 6.
  return FromWords(text, std::span(kCommandWords).first(6), TksStdCommand::cmMinimizeToTray);
}

std::string SkinRectText(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
         "," + std::to_string(r.Bottom);
}

std::string SkinPointText(TPoint p) {
  return std::to_string(p.X) + "," + std::to_string(p.Y);
}

std::string SkinFontStyleText(TFontStyles style) {
  std::string text;
  for (const auto& [word, s] : kStyleWords)
    if (style.Has(s)) text += (text.empty() ? "" : ",") + std::string(word);
  return text;
}

std::string_view SkinAlignmentWord(TAlignment a) {
  switch (a) {
    case TAlignment::taLeftJustify:
      return "taleftjustify";
    case TAlignment::taRightJustify:
      return "tarightjustify";
    case TAlignment::taCenter:
      break;
  }
  return "tacenter";
}

std::string_view SkinMorphKindWord(TksMorphKind k) {
  return kMorphWords[static_cast<std::size_t>(k)];
}
std::string_view SkinInActiveEffectWord(TksInActiveEffect e) {
  return kEffectWords[static_cast<std::size_t>(e)];
}
std::string_view SkinCommandWord(TksStdCommand c) {
  return kCommandWords[static_cast<std::size_t>(c)];
}

SkinKeys::SkinKeys(const TMemIniFile& ini, std::string section)
    : m_ini(&ini), m_section(std::move(section)) {}

SkinKeys::SkinKeys(std::vector<std::string>& lines) : m_lines(&lines) {}

std::optional<std::string> SkinKeys::Find(std::string_view key) const {
  return m_ini->Find(m_section, key);
}

void SkinKeys::Put(std::string_view key, std::string_view value) {
  m_lines->push_back(std::string(key) + "=" + std::string(value));
}

void SkinKeys::Int(std::string_view key, int& value, int defaultValue) {
  if (!Reading()) return Put(key, std::to_string(value));
  auto text = Find(key);
  value = text ? ParseIniInteger(*text).value_or(defaultValue) : defaultValue;
}

void SkinKeys::Color(std::string_view key, TColor& value, TColor defaultValue) {
  int v = static_cast<int>(value);
  Int(key, v, static_cast<int>(defaultValue));
  value = static_cast<TColor>(v);
}

void SkinKeys::Flag(std::string_view key, bool& value) {
  int v = value ? 1 : 0;
  Int(key, v, 0);
  value = v == 1;
}

void SkinKeys::String(std::string_view key, std::string& value, std::string_view defaultValue) {
  if (!Reading()) return Put(key, value);
  value = Find(key).value_or(std::string(defaultValue));
}

void SkinKeys::Rect(std::string_view key, TRect& value) {
  if (!Reading()) return Put(key, SkinRectText(value));
  auto text = Find(key);
  value = text ? ParseSkinRect(*text) : TRect{};
}

void SkinKeys::Point(std::string_view key, TPoint& value) {
  if (!Reading()) return Put(key, SkinPointText(value));
  auto text = Find(key);
  value = text ? ParseSkinPoint(*text) : TPoint{};
}

void SkinKeys::FontStyle(std::string_view key, TFontStyles& value) {
  if (!Reading()) return Put(key, SkinFontStyleText(value));
  value = ParseSkinFontStyle(Find(key).value_or(""));
}

template <typename Parse, typename Word, typename T>
void SkinKeys::Enumeration(std::string_view key, T& value, T defaultValue, Parse parse, Word word) {
  if (!Reading()) return Put(key, word(value));
  auto text = Find(key);
  value = text ? parse(*text) : defaultValue;
}

void SkinKeys::Alignment(std::string_view key, TAlignment& value) {
  Enumeration(key, value, TAlignment::taCenter, ParseSkinAlignment, SkinAlignmentWord);
}

void SkinKeys::MorphKind(std::string_view key, TksMorphKind& value) {
  Enumeration(key, value, TksMorphKind::mkDefault, ParseSkinMorphKind, SkinMorphKindWord);
}

void SkinKeys::InActiveEffect(std::string_view key, TksInActiveEffect& value) {
  Enumeration(key, value, TksInActiveEffect::ieBrightness, ParseSkinInActiveEffect,
              SkinInActiveEffectWord);
}

void SkinKeys::Command(std::string_view key, TksStdCommand& value) {
  Enumeration(key, value, TksStdCommand::cmDefault, ParseSkinCommand, SkinCommandWord);
}

void SkinKeys::FramesPlacement(std::string_view key, TksFramesPlacement& value) {
  Enumeration(
      key, value, TksFramesPlacement::fpHorizontal,
      [](std::string_view t) {
        return t == "fphorizontal" ? TksFramesPlacement::fpHorizontal
                                   : TksFramesPlacement::fpVertical;
      },
      [](TksFramesPlacement p) {
        return p == TksFramesPlacement::fpHorizontal ? "fphorizontal" : "fpvertical";
      });
}

void SkinKeys::RegulatorKind(std::string_view key, TksRegulatorKind& value) {
  Enumeration(
      key, value, TksRegulatorKind::rkRound,
      [](std::string_view t) {
        if (t == "rkround") return TksRegulatorKind::rkRound;
        return t == "rkhorizontal" ? TksRegulatorKind::rkHorizontal : TksRegulatorKind::rkVertical;
      },
      [](TksRegulatorKind k) {
        switch (k) {
          case TksRegulatorKind::rkRound:
            return "rkround";
          case TksRegulatorKind::rkHorizontal:
            return "rkhorizontal";
          case TksRegulatorKind::rkVertical:
            break;
        }
        return "rkvertical";
      });
}

void SkinKeys::GaugeKind(std::string_view key, TksGaugeKind& value) {
  Enumeration(
      key, value, TksGaugeKind::gkHorizontal,
      [](std::string_view t) {
        return t == "gkhorizontal" ? TksGaugeKind::gkHorizontal : TksGaugeKind::gkVertical;
      },
      [](TksGaugeKind k) {
        return k == TksGaugeKind::gkHorizontal ? "gkhorizontal" : "gkvertical";
      });
}

void SkinKeys::Font(TksSkinFont& font) {
  String("fontname", font.Name, "Arial");
  Int("fontheight", font.Height, 14);
  FontStyle("fontstyle", font.Style);
  Color("fontcolor", font.Color, 0);
}

void SkinKeys::List(std::string_view key, std::vector<std::string>& items) {
  std::string countKey = std::string(key) + "count";
  int count = static_cast<int>(items.size());
  Int(countKey, count, 0);
  if (!Reading()) {
    for (std::size_t i = 0; i < items.size(); ++i) Put(std::to_string(i), items[i]);
    return;
  }
  items.clear();
  count = BoundedCount(count, m_ini->KeyCount(m_section));
  for (int i = 0; i < count; ++i) items.push_back(Find(std::to_string(i)).value_or(""));
}

void SkinKeys::LineBlock(std::string_view key, std::vector<std::string>& lines) {
  std::string countKey = std::string(key) + "linecount";
  int count = static_cast<int>(lines.size());
  Int(countKey, count, 0);
  std::string prefix = std::string(key) + "line";
  if (!Reading()) {
    for (std::size_t i = 0; i < lines.size(); ++i) Put(prefix + std::to_string(i), lines[i]);
    return;
  }
  lines.clear();
  count = BoundedCount(count, m_ini->KeyCount(m_section));
  for (int i = 0; i < count; ++i) lines.push_back(Find(prefix + std::to_string(i)).value_or(""));
}

}  // namespace kx
