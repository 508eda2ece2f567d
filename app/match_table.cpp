#include "app/match_table.h"

#include <array>

#include "app/league_flags.h"
#include "grid/data_grid.h"
#include "platform/base/number_conv.h"
#include "platform/base/strings.h"

namespace kx {

namespace {

enum class Kind { Text, Number, Image };

struct ColumnDefinition {
  const char16_t* header;
  Kind kind;
  int width;
  bool visible;
  TColor color;
  TAlignment alignment;
  TSortType sort;
  bool bold;
  bool fitHint;  // number columns that show cut text in a hint
};

constexpr TColor kLightBlue = 0x00FFAA55;
constexpr TColor kLightPink = 0x00CCCCFF;
constexpr TColor kPaleYellow = 0x00B3FFFF;
constexpr TAlignment kLeft = TAlignment::taLeftJustify;
constexpr TAlignment kCentre = TAlignment::taCenter;
constexpr TSortType kAlpha = TSortType::stAlphabetic;
constexpr TSortType kNumeric = TSortType::stNumeric;

// One season's eight counter columns: the seven percentages and the count.
constexpr std::array<ColumnDefinition, 8> SeasonColumns(bool visible) {
  return {{{u"1", Kind::Number, 35, visible, clSilver, kCentre, kNumeric, false, true},
           {u"X", Kind::Number, 35, visible, clWindow, kCentre, kNumeric, false, true},
           {u"2", Kind::Number, 35, visible, clSilver, kCentre, kNumeric, false, true},
           {u"0.5", Kind::Number, 35, visible, clWindow, kCentre, kNumeric, false, true},
           {u"1.5", Kind::Number, 35, visible, clSilver, kCentre, kNumeric, false, true},
           {u"2.5", Kind::Number, 35, visible, clWindow, kCentre, kNumeric, false, true},
           {u"BTTS", Kind::Number, 40, visible, clSilver, kCentre, kNumeric, false, false},
           {u"Count", Kind::Number, 64, visible, kLightPink, kCentre, kNumeric, true, false}}};
}

std::array<ColumnDefinition, ng::kColumnCount> MatchColumns() {
  std::array<ColumnDefinition, ng::kColumnCount> columns{{
      {u"ID", Kind::Text, 80, false, clWindow, kLeft, kAlpha, false, false},
      {u"Fl", Kind::Image, 30, true, clWindow, kCentre, kNumeric, false, false},
      {u"Time", Kind::Text, 36, true, clWindow, kCentre, kAlpha, false, false},
      {u"Home", Kind::Text, 146, true, clWindow, kLeft, kAlpha, false, false},
      {u"Away", Kind::Text, 139, true, clWindow, kLeft, kAlpha, false, false},
      {u"1", Kind::Text, 35, true, kLightBlue, kCentre, kAlpha, false, false},
      {u"X", Kind::Text, 40, true, kLightBlue, kCentre, kAlpha, false, false},
      {u"2", Kind::Text, 38, true, kLightBlue, kCentre, kAlpha, false, false},
  }};
  auto average = SeasonColumns(false);
  auto current = SeasonColumns(false);
  auto difference = SeasonColumns(true);
  difference[7] = {u"Precent", Kind::Number, 64, true, kPaleYellow, kCentre, kNumeric, true, false};
  for (std::size_t i = 0; i < 8; ++i) {
    columns[ng::kFirstAverage + i] = average[i];
    columns[ng::kFirstCurrent + i] = current[i];
    columns[ng::kFirstDifference + i] = difference[i];
  }
  return columns;
}

// The flag column's header glyph: a red flag on its pole, on white (the glyph's
// transparent colour is its bottom-left pixel).
TBitmap FlagHeaderGlyph() {
  TBitmap glyph(16, 16);
  TCanvas& c = glyph.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clWhite;
  c.FillRect({0, 0, 16, 16});
  c.Brush().Color = 0x00404040;
  c.FillRect({3, 2, 5, 15});
  c.Brush().Color = clRed;
  c.FillRect({5, 3, 13, 9});
  c.Brush().Color = 0x000000C0;
  c.FillRect({5, 8, 13, 9});
  c.FillRect({12, 3, 13, 9});
  return glyph;
}

TDgCustomColumn* MakeColumn(Kind kind, TComponent* owner, TCustomImageList* flags) {
  switch (kind) {
    case Kind::Number:
      return new TDgNumberColumn(owner);
    case Kind::Image: {
      auto* column = new TDgImageColumn(owner);
      column->SetImages(flags);
      return column;
    }
    default:
      return new TDgTextColumn(owner);
  }
}

void SetUpColumn(TDgCustomColumn& column, const ColumnDefinition& definition) {
  column.Header().SetCaption(definition.header);
  column.Header().SetColor(kHeaderOlive);
  column.Header().SetAlignment(kCentre);
  column.SetWidth(definition.width);
  column.SetVisible(definition.visible);
  column.SetColor(definition.color);
  column.SetAlignment(definition.alignment);
  column.SetSortType(definition.sort);
  column.SetFont(TFont("Arial", 14,
                       definition.bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{},
                       clBackground));
  if (definition.fitHint) column.SetOptions(column.Options() + TColumnOption::coShowTextFitHint);
}

int ReadInteger(const std::string& text) {
  return StrToIntDef(text, 0);
}

void SetNumberText(TDataGrid& table, int col, int row, std::int64_t value) {
  table.SetCells(col, row, AnsiToWide(IntToStr(value)));
}

void ColourIf(TDataGrid& table, bool condition, int col, int row, TColor color) {
  if (condition) table.Cell(col, row).SetColor(color);
}

// The thresholds of one season's columns (first: the column of its "1").
void ColourSeason(TDataGrid& table, int first, int row, const std::array<int, 7>& values) {
  constexpr std::array<int, 7> kThresholds{60, 50, 60, 90, 80, 70, 65};
  for (std::size_t i = 0; i < values.size(); ++i) {
    TColor over = i < 3 ? kLightYellow : kLightGreen;
    ColourIf(table, values[i] > kThresholds[i], first + static_cast<int>(i), row, over);
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    TColor full = i < 3 ? clLime : clAqua;
    ColourIf(table, values[i] == 100, first + static_cast<int>(i), row, full);
  }
}

}  // namespace

void DefineMatchTable(TDataGrid& table, TComponent* owner, TCustomImageList* flags) {
  table.SetOptions({TGridOption::goGrid, TGridOption::goHeader, TGridOption::goSelectFullRow});
  table.GridLinesColor = cl3DDkShadow;
  table.SetGridLinesStyle(TGridLinesStyle::lsActiveRows);
  table.HeaderStyle = THeaderStyle::hsFlatBorders;
  table.SelectionColor = kMatchSelectionColor;
  std::array<ColumnDefinition, ng::kColumnCount> definitions = MatchColumns();
  for (const ColumnDefinition& definition : definitions) {
    TDgCustomColumn* column = MakeColumn(definition.kind, owner, flags);
    column->SetCollection(&table.Columns());
    SetUpColumn(*column, definition);
  }
  TColumnHeader& flagHeader = table.Columns().Items(ng::kFlag)->Header();
  flagHeader.SetGlyph(FlagHeaderGlyph());
  flagHeader.SetDisplayMode(TDisplayMode::dmImageOnly);
}

std::int64_t MatchPercent(int count, int countv) {
  // Both steps in extended precision, as the table has always shown them.
  Extended quotient = static_cast<Extended>(countv) / static_cast<Extended>(count);
  Extended percent = quotient * static_cast<Extended>(100);
  return RoundHalfEven(percent);
}

void AddMatchRow(TDataGrid& table, const MatchRecord& record) {
  table.AddRow(1);
  const int row = table.RowCount() - 1;
  table.SetCells(ng::kId, row, AnsiToWide(record.id));
  table.Cell(ng::kFlag, row).SetAsInteger(LeagueFlagIndex(record.liga));
  table.Cell(ng::kFlag, row).SetHint(AnsiToWide(record.liga));
  const std::array<const std::string*, 6> texts{&record.time, &record.home, &record.away,
                                                &record.kf1,  &record.kf2,  &record.kf3};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    table.SetCells(ng::kTime + static_cast<int>(i), row, AnsiToWide(*texts[i]));
  }
  const std::array<const std::string*, 8> average{&record.p1,  &record.x,    &record.p2,
                                                  &record.t05, &record.t15,  &record.t25,
                                                  &record.oz,  &record.count};
  const std::array<const std::string*, 8> current{&record.p1v,  &record.xv,    &record.p2v,
                                                  &record.t05v, &record.t15v,  &record.t25v,
                                                  &record.ozv,  &record.countv};
  for (std::size_t i = 0; i < 8; ++i) {
    table.SetCells(ng::kFirstAverage + static_cast<int>(i), row, AnsiToWide(*average[i]));
  }
  for (std::size_t i = 0; i < 8; ++i) {
    table.SetCells(ng::kFirstCurrent + static_cast<int>(i), row, AnsiToWide(*current[i]));
  }
  std::array<int, 7> averageValues{};
  std::array<int, 7> currentValues{};
  // 64-bit: the difference of two 32-bit counters always fits, and its colour
  // is read from the same value as its text.
  std::array<std::int64_t, 7> differences{};
  for (std::size_t i = 0; i < 7; ++i) {
    averageValues[i] = ReadInteger(*average[i]);
    currentValues[i] = ReadInteger(*current[i]);
    differences[i] = std::int64_t{averageValues[i]} - currentValues[i];
    SetNumberText(table, ng::kFirstDifference + static_cast<int>(i), row, differences[i]);
  }
  int count = ReadInteger(record.count);
  if (count != 0)
    SetNumberText(table, ng::kPercent, row, MatchPercent(count, ReadInteger(record.countv)));

  for (std::size_t i = 0; i < 7; ++i) {
    ColourIf(table, differences[i] < 0, ng::kFirstDifference + static_cast<int>(i), row, clRed);
  }
  for (std::size_t i = 0; i < 7; ++i) {
    ColourIf(table, differences[i] > 0, ng::kFirstDifference + static_cast<int>(i), row,
             kRiseColor);
  }
  ColourSeason(table, ng::kFirstAverage, row, averageValues);
  ColourSeason(table, ng::kFirstCurrent, row, currentValues);
}

}  // namespace kx
