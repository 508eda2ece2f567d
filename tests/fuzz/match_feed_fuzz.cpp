// A feed document of any content: the reader cuts it into records in linear
// time, and every record either becomes a row of the match table or ends the
// loading with a conversion error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "grid/data_grid.h"
#include "platform/base/exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kx::TDataGrid* table = [] {
    auto* grid = new kx::TDataGrid(nullptr);
    kx::DefineMatchTable(*grid, grid, nullptr);
    return grid;
  }();
  table->ClearRows();
  std::string_view document(reinterpret_cast<const char*>(data), size);
  try {
    kx::ReadMatchFeed(document,
                      [](const kx::MatchRecord& record) { kx::AddMatchRow(*table, record); });
  } catch (const kx::EConvertError&) {
    // A counter that is not a number ends the loading; the rows so far stay.
  }
  return 0;
}
