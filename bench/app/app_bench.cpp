// A day's feed through the reader and AddMatchRow into the match table: 1,000
// and 10,000 matches. Goals: 10,000 matches under 150 ms, and the 10,000-match
// time within 12 times the 1,000-match time (the reading is linear).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "grid/data_grid.h"
#include "platform/forms/forms.h"

namespace {

using namespace kx;

std::string Feed(int matches) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> percent(0, 100);
  std::uniform_int_distribution<int> count(0, 40);
  const char* leagues[] = {"England. Premier League", "Spain. La Liga",  "Italy. Serie A",
                           "Germany. Bundesliga",     "Brazil. Serie A", "Atlantis. Cup"};
  // No enclosing element: every "<match" starts a row, "<matches" too.
  std::string feed;
  auto tag = [&feed](const char* name, const std::string& text) {
    feed += "<";
    feed += name;
    feed += ">" + text + "</";
    feed += name;
    feed += ">";
  };
  for (int i = 0; i < matches; ++i) {
    feed += "<match>";
    tag("id", std::to_string(100000 + i));
    tag("date", "2026-12-09");
    tag("time", std::to_string(12 + i % 10) + ":" + (i % 2 ? "30" : "00"));
    tag("home", "Home Club " + std::to_string(i));
    tag("away", "Away Club " + std::to_string(i));
    tag("liga", leagues[i % 6]);
    tag("kf1", "1.85");
    tag("kf2", "3.40");
    tag("kf3", "4.20");
    for (const char* name : {"p1", "x", "p2", "t05", "t15", "t25", "oz"}) {
      tag(name, std::to_string(percent(random)));
    }
    tag("count", std::to_string(count(random)));
    for (const char* name : {"p1v", "xv", "p2v", "t05v", "t15v", "t25v", "ozv"}) {
      tag(name, std::to_string(percent(random)));
    }
    tag("countv", std::to_string(count(random)));
    feed += "</match>\n";
  }
  return feed;
}

void BM_FeedIntoMatchTable(benchmark::State& state) {
  const std::string feed = Feed(static_cast<int>(state.range(0)));
  TForm form(nullptr);
  auto* table = new TDataGrid(&form);
  DefineMatchTable(*table, &form, nullptr);
  for (auto _ : state) {
    table->ClearRows();
    ReadMatchFeed(feed, [table](const MatchRecord& record) { AddMatchRow(*table, record); });
    benchmark::DoNotOptimize(table->RowCount());
  }
  state.counters["rows"] = table->RowCount();
  state.counters["MB"] = static_cast<double>(feed.size()) / 1e6;
}
BENCHMARK(BM_FeedIntoMatchTable)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
