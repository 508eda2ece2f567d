#include "app/match_copy.h"

#include "grid/data_grid.h"

namespace kx {

namespace {

// A text that cannot break the tab-separated layout.
std::u16string CellText(std::u16string text) {
  for (char16_t& c : text) {
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
  }
  return text;
}

void AppendLine(std::u16string& out, const std::vector<std::u16string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += u'\t';
    out += CellText(cells[i]);
  }
  out += u'\n';
}

}  // namespace

std::u16string MatchRowsText(TDataGrid& table, const std::vector<int>& rows) {
  std::vector<const TDgCustomColumn*> columns;
  for (int position = 0; position < table.Columns().Count(); ++position) {
    const TDgCustomColumn* column = table.Columns().ByPosition(position);
    if (column->Visible()) columns.push_back(column);
  }
  std::u16string out;
  std::vector<std::u16string> cells;
  for (const TDgCustomColumn* column : columns) cells.push_back(column->Header().Caption());
  AppendLine(out, cells);
  for (int row : rows) {
    cells.clear();
    for (const TDgCustomColumn* column : columns) {
      const int col = table.Columns().IndexOf(column);
      cells.push_back(column->CellImages() ? table.Cell(col, row).Hint()
                                           : column->DisplayText(table.CellInfo(col, row)));
    }
    AppendLine(out, cells);
  }
  return out;
}

}  // namespace kx
