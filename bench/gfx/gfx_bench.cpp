#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace kx {
namespace {

constexpr int kW = 813;
constexpr int kH = 634;

TBitmap Source() {
  TBitmap b(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) b.SetPixelAt(x, y, MakePixel(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
  return b;
}

void BM_Memcpy(benchmark::State& state) {
  std::vector<Pixel32> a(static_cast<std::size_t>(kW) * kH, 1);
  std::vector<Pixel32> b(a.size());
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size() * sizeof(Pixel32));
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(a.size() * 4));
}
BENCHMARK(BM_Memcpy);

void BM_FillRect(benchmark::State& state) {
  TBitmap target(kW, kH);
  TCanvas& c = target.Canvas();
  c.Brush().Color = clRed;
  for (auto _ : state) {
    c.FillRect(TRect{0, 0, kW, kH});
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kW * kH * 4);
}
BENCHMARK(BM_FillRect);

void BM_OpaqueDraw(benchmark::State& state) {
  TBitmap source = Source();
  TBitmap target(kW, kH);
  for (auto _ : state) {
    target.Canvas().Draw(0, 0, source);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kW * kH * 4);
}
BENCHMARK(BM_OpaqueDraw);

void BM_StretchDraw(benchmark::State& state) {
  TBitmap source(800, 600);
  TBitmap target(kW, kH);
  for (auto _ : state) {
    target.Canvas().StretchDraw(TRect{0, 0, 801, 577}, source);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchDraw);

void BM_TransparentDraw(benchmark::State& state) {
  TBitmap source = Source();
  source.SetTransparent(true);
  TBitmap target(kW, kH);
  for (auto _ : state) {
    target.Canvas().Draw(0, 0, source);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TransparentDraw);

void BM_TextLine(benchmark::State& state) {
  TBitmap target(400, 30);
  TCanvas& c = target.Canvas();
  c.Font() = TFont("Arial", 14, {}, clBlack);
  c.Brush().Style = TBrushStyle::bsClear;
  const char* text = "Manchester United - Tottenham 2.10 3.40";  // 40 characters
  c.TextOut(0, 0, text);                                         // fills the glyph cache
  for (auto _ : state) {
    c.TextOut(0, 0, text);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TextLine);

}  // namespace
}  // namespace kx

BENCHMARK_MAIN();
