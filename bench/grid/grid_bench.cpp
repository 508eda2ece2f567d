// The match table's 32 columns with 100,000 rows: filling every cell through
// Cells, sorting by a number and by a text column, and clearing the rows.
// Goals: filling under 300 ms and under 100 bytes per cell, each sort under
// 100 ms, ClearRows under 30 ms.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "grid/data_grid.h"
#include "platform/forms/forms.h"

namespace {

using namespace kx;

constexpr int kRows = 100'000;
constexpr int kColumns = 32;
constexpr int kHomeColumn = 3;
constexpr int kPercentColumn = 31;

// The match table's column kinds: id text, flag image, six texts, 24 numbers.
struct MatchTable {
  TForm form{nullptr};
  TDataGrid* grid = new TDataGrid(&form);  // owned by the form

  MatchTable() {
    for (int c = 0; c < kColumns; ++c) {
      TDgCustomColumn* column = nullptr;
      if (c == 1) {
        column = new TDgImageColumn(&form);
      } else if (c <= 7) {
        column = new TDgTextColumn(&form);
      } else {
        column = new TDgNumberColumn(&form);
      }
      column->SetCollection(&grid->Columns());
    }
  }

  // The texts of the rows, converted once as the client converts each feed field once.
  struct MatchTexts {
    std::vector<std::u16string> ids, flags, teams, odds, numbers;
    std::vector<int> picks;  // pseudo-random choices, in the order Fill reads them
    MatchTexts() {
      for (int r = 0; r < kRows; ++r) ids.push_back(AnsiToWide(std::to_string(700000 + r)));
      for (int i = 0; i < 60; ++i) flags.push_back(AnsiToWide(std::to_string(i)));
      for (int i = 0; i < 500; ++i)
        teams.push_back(u"Team " + AnsiToWide(std::to_string(i * 37 % 1000)) + u" FC");
      for (int i = 1; i <= 9; ++i) odds.push_back(AnsiToWide(std::to_string(i) + ".15"));
      for (int i = 0; i <= 100; ++i) numbers.push_back(AnsiToWide(std::to_string(i)));
      std::mt19937 random(7);
      picks.resize(static_cast<std::size_t>(kRows) * kColumns);
      for (int& p : picks) p = static_cast<int>(random() % 100000);
    }
  };

  void Fill(const MatchTexts& t) {
    const int* pick = t.picks.data();
    auto choose = [&pick](const std::vector<std::u16string>& from) -> const std::u16string& {
      return from[static_cast<std::size_t>(*pick++) % from.size()];
    };
    for (int r = 0; r < kRows; ++r) {
      int row = grid->AddRow(1);
      grid->SetCells(0, row, t.ids[static_cast<std::size_t>(r)]);
      grid->SetCells(1, row, choose(t.flags));
      grid->SetCells(2, row, u"19:45");
      grid->SetCells(3, row, choose(t.teams));
      grid->SetCells(4, row, choose(t.teams));
      for (int c = 5; c <= 7; ++c) grid->SetCells(c, row, choose(t.odds));
      for (int c = 8; c < kColumns; ++c) grid->SetCells(c, row, choose(t.numbers));
    }
  }

  void Shuffle() {
    std::vector<int> order(static_cast<std::size_t>(grid->RowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(11));
    grid->Store().ApplyOrder(order);
  }
};

std::size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;  // small blocks and mapped ones
}

const MatchTable::MatchTexts& Texts() {
  static const MatchTable::MatchTexts texts;
  return texts;
}

void BM_FillMatchTable(benchmark::State& state) {
  double bytesPerCell = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto table = std::make_unique<MatchTable>();
    std::size_t before = HeapInUse();
    state.ResumeTiming();
    table->Fill(Texts());
    state.PauseTiming();
    bytesPerCell = static_cast<double>(HeapInUse() - before) / (double(kRows) * kColumns);
    table.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_cell"] = bytesPerCell;
}
BENCHMARK(BM_FillMatchTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// The rows alone, without writing a cell: the share of the store's bookkeeping.
void BM_AddRowsOnly(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto table = std::make_unique<MatchTable>();
    state.ResumeTiming();
    for (int r = 0; r < kRows; ++r) table->grid->AddRow(1);
    state.PauseTiming();
    table.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddRowsOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

void SortBenchmark(benchmark::State& state, int column) {
  MatchTable table;
  table.Fill(Texts());
  TDgCustomColumn* sorted = table.grid->Columns().Items(column);
  sorted->SetOptions(sorted->Options() + TColumnOption::coFullResort);
  for (auto _ : state) {
    state.PauseTiming();
    table.Shuffle();
    state.ResumeTiming();
    table.grid->SortByColumn(column);
  }
}

void BM_SortByNumberColumn(benchmark::State& state) {
  SortBenchmark(state, kPercentColumn);
}
BENCHMARK(BM_SortByNumberColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SortByTextColumn(benchmark::State& state) {
  SortBenchmark(state, kHomeColumn);
}
BENCHMARK(BM_SortByTextColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ClearRows(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    MatchTable table;
    table.Fill(Texts());
    state.ResumeTiming();
    table.grid->ClearRows();
  }
}
BENCHMARK(BM_ClearRows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
