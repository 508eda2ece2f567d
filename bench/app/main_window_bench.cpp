// The client's main window, headless: start-up to its first painted frame
// (goal: under 150 ms), a LOGIN click to the filled table with 300 matches
// from a loopback demo service (goal: under 100 ms), and the peak resident
// memory after that login (goal: under 60 MB; the counter "peak_rss_mb").
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "app/unit1.h"
#include "grid/data_grid.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_password_edit.h"
#include "tools/demo-service/demo_service.h"

namespace {

using namespace kx;

double PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  for (auto _ : state) {
    HeadlessSession session{{1100, 760}};
    TApplication app{session.system, "/usr/bin/kestrix"};
    session.driver.SetMessageHandler([&app](TMsg& m) { app.DispatchOne(m); });
    TForm1* form = nullptr;
    app.CreateForm(form);
    form->Show();
    session.driver.RunUntilIdle();  // painted and presented
    benchmark::DoNotOptimize(form);
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_LoginToFilledTable(benchmark::State& state) {
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  DemoServiceOptions options;
  options.feed.matches = 300;
  DemoService service(options);
  int port = service.Bind("127.0.0.1", 0);
  std::thread serving([&service] { service.Serve(); });
  service.WaitUntilServing(5000);
  setenv("KESTRIX_SERVICE_HOST", ("127.0.0.1:" + std::to_string(port)).c_str(), 1);
  int rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<HeadlessSession>(TSize{1100, 760});
    auto app = std::make_unique<TApplication>(session->system, "/usr/bin/kestrix");
    session->driver.SetMessageHandler([&app](TMsg& m) { app->DispatchOne(m); });
    TForm1* form = nullptr;
    app->CreateForm(form);
    form->ShowMessage = [](const std::string&) {};
    form->Show();
    session->driver.RunUntilIdle();
    form->loginedit->SetCaption("demo");
    form->passedit->SetText("demo");
    state.ResumeTiming();
    form->logbClick(form);
    session->driver.RunUntilIdle();  // the table painted
    state.PauseTiming();
    rows = form->NG->RowCount();
    app.reset();
    session.reset();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
  state.counters["peak_rss_mb"] = PeakRssMb();
  service.Stop();
  serving.join();
}
BENCHMARK(BM_LoginToFilledTable)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
