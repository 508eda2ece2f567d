// grid-demo [--rows N] [--screenshot OUT.png]: the match table with N rows of
// the demo service's feed (100,000 by default) in a window; with --screenshot
// it runs headless, selects a row, sorts by the difference of "1" and writes
// the screen.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "app/pictures.h"
#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "platform/forms/image_list.h"
#include "platform/window/backend_select.h"
#include "platform/window/test_driver.h"
#include "tools/demo-service/demo_feed.h"

namespace {

using namespace kx;

struct GridDemo {
  TForm* form = nullptr;
  TDataGrid* grid = nullptr;
};

GridDemo MakeDemo(TApplication& app, int rows) {
  GridDemo demo;
  app.CreateForm(demo.form);
  demo.form->SetCaption("Kestrix grid demo");
  demo.form->SetClientWidth(803);
  demo.form->SetClientHeight(460);
  auto* flags = new TImageList(demo.form);
  LoadFlagImages(*flags);
  demo.grid = new TDataGrid(demo.form);
  DefineMatchTable(*demo.grid, demo.form, flags);
  demo.grid->SetParent(demo.form);
  demo.grid->SetAlign(TAlign::alClient);
  DemoFeedOptions feed;
  feed.matches = rows;
  feed.seed = 20261209;
  demo.grid->BeginUpdate();
  ReadMatchFeed(GenerateDemoFeed(feed),
                [&](const MatchRecord& record) { AddMatchRow(*demo.grid, record); });
  demo.grid->EndUpdate();
  return demo;
}

int RunScreenshot(const char* argv0, int rows, const std::string& path) {
  HeadlessSession session({900, 520});
  TApplication app(session.system, argv0);
  GridDemo demo = MakeDemo(app, rows);
  demo.form->SetLeft(40);
  demo.form->SetTop(20);
  demo.form->Show();
  session.driver.SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  session.driver.RunUntilIdle();
  TDataGrid& grid = *demo.grid;
  HWND hwnd = grid.Handle();
  GridLayout layout(grid, grid.ClientRect());
  auto columnMiddle = [&](int col) {
    const TDgCustomColumn& column = *grid.Columns().Items(col);
    return layout.ColumnLeft(column) + column.Width() / 2;
  };
  // Sort by the first-half difference, largest first: two clicks on its header.
  TDgCustomColumn& sortColumn = *grid.Columns().Items(ng::kFirstDifference);
  sortColumn.SetOptions(sortColumn.Options() + TColumnOption::coCanSort);
  sortColumn.SetSortKind(TSortKind::skDescending);
  sortColumn.SetSorted(true);
  // A click on the fourth row focuses the grid and selects it; three wheel steps scroll down.
  session.driver.ClickAt(hwnd, {columnMiddle(ng::kHome), layout.RowTop(3) + 5});
  TPoint body = grid.ClientToScreen({columnMiddle(ng::kHome), layout.BodyTop() + 40});
  for (int step = 0; step < 3; ++step) session.driver.Wheel(-WHEEL_DELTA, body);
  session.driver.RunUntilIdle();
  // Hover the first away team whose name the column cuts, so its whole name shows.
  TBitmap scratch(1, 1);
  const TDgCustomColumn& away = *grid.Columns().Items(ng::kAway);
  scratch.Canvas().Font() = away.Font();
  GridLayout now(grid, grid.ClientRect());
  for (int row = grid.TopRow() + 6; row < grid.RowCount(); ++row) {
    int top = now.RowTop(row);
    if (top + grid.RowSize() >= now.Body().Bottom) break;
    if (scratch.Canvas().TextWidthW(grid.Cells(ng::kAway, row)) + 5 <= away.Width()) continue;
    session.driver.MoveTo(hwnd, {now.ColumnLeft(away) + 20, top + 5});
    break;
  }
  session.driver.RunUntilIdle();
  session.driver.SaveScreenPng(path);
  std::printf("%d rows; screen written to %s\n", demo.grid->RowCount(), path.c_str());
  return 0;
}

int RunInteractive(const char* argv0, int rows) {
  auto backend = CreateBackendFromEnvironment();
  RealClock clock;
  TWindowSystem system(*backend, clock);
  TApplication app(system, argv0);
  GridDemo demo = MakeDemo(app, rows);
  demo.form->Position = TPosition::poScreenCenter;
  demo.form->Show();
  try {
    app.Run();
  } catch (const ELoopStalled&) {
    std::fprintf(stderr, "grid-demo: no display to show the grid on; use --screenshot OUT.png\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int rows = 100000;
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc) {
      rows = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      std::fprintf(stderr, "usage: grid-demo [--rows N] [--screenshot OUT.png]\n");
      return 2;
    }
  }
  if (rows < 0 || rows > 1000000) {
    std::fprintf(stderr, "grid-demo: --rows takes 0 to 1000000\n");
    return 2;
  }
  if (!screenshot.empty()) return RunScreenshot(argv[0], rows, screenshot);
  return RunInteractive(argv[0], rows);
}
