#include "app/match_details.h"

#include <array>

#include "app/match_table.h"
#include "grid/data_grid.h"
#include "platform/base/strings.h"

namespace kx {

namespace {

constexpr int kDetailRows = 4;

TFont ArialFont(int height, TColor color, bool bold = false) {
  return TFont("Arial", height, bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{}, color);
}

template <typename Column>
Column* AddColumn(TDataGrid& grid, TComponent* owner, int width, TAlignment alignment, TColor color,
                  const TFont& font) {
  auto* column = new Column(owner);
  column->SetCollection(&grid.Columns());
  column->SetWidth(width);
  column->SetAlignment(alignment);
  column->SetColor(color);
  column->SetFont(font);
  return column;
}

// Copies a cell's text and colour.
void CopyCell(TDataGrid& from, int fromCol, int fromRow, TDataGrid& to, int toCol, int toRow) {
  to.SetCells(toCol, toRow, from.Cells(fromCol, fromRow));
  to.Cell(toCol, toRow).SetColor(from.Cell(fromCol, fromRow).Color());
}

}  // namespace

void DefineDetailStrip(TDataGrid& strip, TComponent* owner, TCustomImageList* flags) {
  strip.SetOptions({TGridOption::goSelectFullRow});
  strip.GridLinesColor = cl3DDkShadow;
  strip.SetGridLinesStyle(TGridLinesStyle::lsActiveRows);
  constexpr TAlignment kCentre = TAlignment::taCenter;
  auto* flag =
      AddColumn<TDgImageColumn>(strip, owner, 30, kCentre, clMaroon, ArialFont(14, clYellow));
  flag->SetImages(flags);
  AddColumn<TDgTextColumn>(strip, owner, 200, TAlignment::taLeftJustify, clMaroon,
                           ArialFont(14, clBtnFace));
  AddColumn<TDgTextColumn>(strip, owner, 50, kCentre, clMaroon, ArialFont(18, clLime, true));
  AddColumn<TDgTextColumn>(strip, owner, 250, kCentre, clMaroon, ArialFont(18, clYellow));
  AddColumn<TDgTextColumn>(strip, owner, 250, kCentre, clMaroon, ArialFont(18, clYellow));
}

void DefineDetailGrid(TDataGrid& details, TComponent* owner) {
  details.SetOptions({TGridOption::goGrid, TGridOption::goHeader});
  details.GridLinesColor = cl3DDkShadow;
  details.SetGridLinesStyle(TGridLinesStyle::lsActiveRows);
  details.HeaderStyle = THeaderStyle::hsFlatBorders;
  constexpr std::array<const char16_t*, 9> kHeaders{u"Season", u"1",    u"X",    u"2",    u"O0.5",
                                                    u"O1.5",   u"O2.5", u"BTTS", u"Count"};
  for (std::size_t i = 0; i < kHeaders.size(); ++i) {
    auto* column = AddColumn<TDgTextColumn>(details, owner, i == 0 ? 130 : 60, TAlignment::taCenter,
                                            clWindow, ArialFont(14, clBtnText, i == 0));
    column->Header().SetCaption(kHeaders[i]);
    column->Header().SetColor(kHeaderOlive);
    column->Header().SetAlignment(TAlignment::taCenter);
  }
}

void NGCellClick(const MatchDetailPanel& panel, int row) {
  TDataGrid& table = panel.table;
  TDataGrid& strip = panel.strip;
  TDataGrid& details = panel.details;
  details.ClearRows();
  details.SetRowCount(kDetailRows);
  strip.SetRowCount(1);

  strip.Cell(0, 0).SetAsInteger(table.Cell(ng::kFlag, row).AsInteger());
  strip.SetCells(1, 0, table.Cell(ng::kFlag, row).Hint());
  for (int col = ng::kTime; col <= ng::kAway; ++col) strip.SetCells(col, 0, table.Cells(col, row));

  constexpr std::array<const char16_t*, kDetailRows> kCaptions{u"Programm", u"Odd", u"Now Season",
                                                               u"Average 3 Season"};
  for (int r = 0; r < kDetailRows; ++r)
    details.SetCells(0, r, kCaptions[static_cast<std::size_t>(r)]);

  for (int col = 1; col <= 7; ++col)
    CopyCell(table, ng::kFirstDifference + col - 1, row, details, col, 0);
  for (int col = 1; col <= 3; ++col)
    details.SetCells(col, 1, table.Cells(ng::kFirstOdds + col - 1, row));
  for (int col = 0; col <= 8; ++col) details.Cell(col, 1).SetColor(clYellow);
  for (int col = 1; col <= 8; ++col) {
    CopyCell(table, ng::kFirstCurrent + col - 1, row, details, col, 2);
    CopyCell(table, ng::kFirstAverage + col - 1, row, details, col, 3);
  }
  panel.percent.SetCaption(WideToAnsi(table.Cells(ng::kPercent, row) + u"%"));
}

}  // namespace kx
