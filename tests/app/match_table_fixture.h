#pragma once

#include <string>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "grid/data_grid.h"
#include "platform/forms/forms.h"
#include "platform/forms/image_list.h"
#include "platform/window/test_driver.h"

namespace kx::test {

// The match table NG as the window defines it, on a form of a headless session.
class MatchTableTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TImageList* flags = new TImageList(form);
  TDataGrid* table = new TDataGrid(form);

  MatchTableTest() { DefineMatchTable(*table, form, flags); }
  ~MatchTableTest() override { delete form; }

  // A record with every counter given (p1 .. oz, count, then the current season).
  static MatchRecord Record(std::string home, const std::string (&average)[8],
                            const std::string (&current)[8]) {
    MatchRecord r;
    r.id = "100";
    r.time = "18:30";
    r.home = std::move(home);
    r.away = "Away FC";
    r.liga = "England. Premier League";
    r.kf1 = "1.85";
    r.kf2 = "3.40";
    r.kf3 = "4.20";
    std::string* a[8] = {&r.p1, &r.x, &r.p2, &r.t05, &r.t15, &r.t25, &r.oz, &r.count};
    std::string* c[8] = {&r.p1v, &r.xv, &r.p2v, &r.t05v, &r.t15v, &r.t25v, &r.ozv, &r.countv};
    for (int i = 0; i < 8; ++i) {
      *a[i] = average[i];
      *c[i] = current[i];
    }
    return r;
  }
  std::u16string Text(int col, int row = 0) { return table->Cells(col, row); }
  TColor Color(int col, int row = 0) { return table->Cell(col, row).Color(); }
};

}  // namespace kx::test
