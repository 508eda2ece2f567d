// Painting the match table: a full repaint of an 801 x 435 grid with the
// match table's columns and 100,000 rows of the demo feed. Goal: under 1 ms.
#include <benchmark/benchmark.h>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "grid/data_grid.h"
#include "platform/forms/forms.h"
#include "platform/window/test_driver.h"
#include "tools/demo-service/demo_feed.h"

namespace {

using namespace kx;

void BM_FullRepaint(benchmark::State& state) {
  HeadlessSession session;
  TForm form(nullptr);
  form.BorderStyle = TFormBorderStyle::bsNone;
  form.SetBounds(0, 0, 801, 435);
  auto* grid = new TDataGrid(&form);
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
  TBitmap target(801, 435);
  for (auto _ : state) {
    grid->PaintInto(target.Canvas());
    benchmark::DoNotOptimize(target.PixelAt(400, 200));
  }
  state.counters["rows"] = grid->RowCount();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
