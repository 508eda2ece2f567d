// A top-level window of the main window's size with 20 child windows: the
// cost of repainting all of it, and of one mouse move over it.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gfx/draw_text.h"
#include "platform/window/test_driver.h"

namespace {

using namespace kx;

struct BenchScene {
  HeadlessSession session;
  HWND top = nullptr;

  BenchScene() {
    TCreateParams p;
    p.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
    p.Bounds = Bounds(50, 50, 813, 634);
    p.Text = "Benchmark";
    top = session.system.CreateWindowEx(p);
    for (int i = 0; i < 20; ++i) {
      TCreateParams c;
      c.Style = WS_CHILD | WS_VISIBLE;
      c.Parent = top;
      c.Bounds = Bounds(8 + (i % 5) * 158, 8 + (i / 5) * 148, 150, 140);
      c.Background = clWindow;
      c.Proc = [this, i](HWND h, TMessage& m) {
        if (m.Msg != WM_PAINT) {
          session.system.DefWindowProc(h, m);
          return;
        }
        TPaintStruct ps;
        TCanvas& canvas = session.system.BeginPaint(h, ps);
        canvas.Brush().Color = i % 2 ? clWhite : static_cast<TColor>(0xFFE8CC);
        canvas.FillRect(session.system.GetClientRect(h));
        canvas.Brush().Style = TBrushStyle::bsClear;
        canvas.Font() = TFont("Arial", -11);
        TRect text{4, 4, 146, 20};
        DrawText(canvas, "Child window " + std::to_string(i + 1), text, DT_SINGLELINE | DT_LEFT);
        session.system.EndPaint(h, ps);
      };
      session.system.CreateWindowEx(c);
    }
    session.driver.RunUntilIdle();
  }
};

void BM_FullRepaint(benchmark::State& state) {
  BenchScene scene;
  for (auto _ : state) {
    scene.session.system.RedrawWindow(scene.top, nullptr, nullptr,
                                      RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    scene.session.driver.RunUntilIdle();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_MouseMove(benchmark::State& state) {
  BenchScene scene;
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 400;
    scene.session.driver.MoveTo({100 + step, 300 + step / 2});
  }
}
BENCHMARK(BM_MouseMove)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
