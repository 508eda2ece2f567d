#pragma once

#include <string>
#include <vector>

namespace kx {

class TDataGrid;

// Rows of the match table as text for the clipboard, so that they paste into a
// spreadsheet: the visible columns' headers in display order, then each row's
// texts as the table shows them, cells separated by tabs and every line ended
// by a line break. The flag column gives its league text, which its picture
// stands for; a tab or line break inside a text becomes a space.
std::u16string MatchRowsText(TDataGrid& table, const std::vector<int>& rows);

}  // namespace kx
