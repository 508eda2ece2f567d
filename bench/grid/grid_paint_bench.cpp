// The match table on screen: an 801 x 435 grid with the match table's
// columns and 100,000 rows of the demo feed. Goals: a full repaint under
// 1 ms; scrolling one row (scroll message, moving the pixels, painting the
// uncovered strip) under 0.3 ms; a mouse move across cells that changes no
// hint under 2 us.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "tools/demo-service/demo_feed.h"

namespace {

using namespace kx;

struct MatchTableOnScreen {
  HeadlessSession session;
  TForm form{nullptr};
  TDataGrid* grid = new TDataGrid(&form);  // owned by the form

  MatchTableOnScreen() {
    form.BorderStyle = TFormBorderStyle::bsNone;
    form.SetBounds(0, 0, 801, 435);
    DefineMatchTable(*grid, &form, nullptr);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 801, 435);
    DemoFeedOptions feed;
    feed.matches = 100000;
    grid->BeginUpdate();
    ReadMatchFeed(GenerateDemoFeed(feed), [&](const MatchRecord& r) { AddMatchRow(*grid, r); });
    grid->EndUpdate();
    form.Show();
    grid->SetFocus();
    grid->SelectCell(ng::kHome, 5);
    session.driver.RunUntilIdle();
  }
};

void BM_FullRepaint(benchmark::State& state) {
  MatchTableOnScreen screen;
  TBitmap target(801, 435);
  for (auto _ : state) {
    screen.grid->PaintInto(target.Canvas());
    benchmark::DoNotOptimize(target.PixelAt(400, 200));
  }
  state.counters["rows"] = screen.grid->RowCount();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_ScrollOneRow(benchmark::State& state) {
  MatchTableOnScreen screen;
  HWND h = screen.grid->Handle();
  SendMessage(h, WM_VSCROLL, SB_PAGEDOWN, 0);
  UpdateWindow(h);
  bool down = true;
  for (auto _ : state) {
    SendMessage(h, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
    UpdateWindow(h);
    down = !down;
  }
  state.counters["top"] = screen.grid->TopRow();
}
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveAcrossCells(benchmark::State& state) {
  MatchTableOnScreen screen;
  TDataGrid& grid = *screen.grid;
  GridLayout layout(grid, grid.ClientRect());
  // Across the number columns of one row: none shows a hint.
  int y = layout.RowTop(grid.TopRow() + 4) + 5;
  std::vector<LPARAM> points;
  for (int col = ng::kFirstDifference; col < grid.Columns().Count(); ++col) {
    const TDgCustomColumn& column = *grid.Columns().Items(col);
    if (!column.Visible()) continue;
    points.push_back(MAKELPARAM(layout.ColumnLeft(column) + column.Width() / 2, y));
  }
  HWND h = grid.Handle();
  std::size_t i = 0;
  for (auto _ : state) {
    SendMessage(h, WM_MOUSEMOVE, 0, points[i]);
    i = (i + 1) % points.size();
  }
  state.counters["hint"] = static_cast<double>(grid.HintKind());
}
BENCHMARK(BM_MouseMoveAcrossCells)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
