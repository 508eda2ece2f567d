#pragma once

#include <gtest/gtest.h>

#include <string>

#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"

namespace kx {

// A borderless form with a grid of two text columns, 17-pixel row pitch and an
// 18-pixel header: a 200-pixel-high grid has room for 10 whole rows.
class TwoColumnGridTest : public ::testing::Test {
 protected:
  TwoColumnGridTest() {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 320, 200);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 320, 200);
    grid->SetOptions({TGridOption::goGrid, TGridOption::goHeader, TGridOption::goSelectFullRow});
    for (TDgTextColumn* c : {first, second}) {
      c->SetCollection(&grid->Columns());
      c->SetWidth(120);
    }
    form->Show();
    Settle();
  }
  ~TwoColumnGridTest() override { delete form; }
  void Settle() { session.driver.RunUntilIdle(); }
  void AddRows(int count) {
    for (int i = 0; i < count; ++i) {
      int r = grid->AddRow();
      grid->SetCells(0, r, u"row " + Utf8ToUtf16(std::to_string(r)));
    }
    Settle();
  }
  GridLayout Layout() { return GridLayout(*grid, grid->ClientRect()); }
  TPoint InBody() { return grid->ClientToScreen({50, 60}); }

  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TDataGrid* grid = new TDataGrid(form);
  TDgTextColumn* first = new TDgTextColumn(form);
  TDgTextColumn* second = new TDgTextColumn(form);
};

}  // namespace kx
