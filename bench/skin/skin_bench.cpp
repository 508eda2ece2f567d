// Loading the program's stored skin (inflate, pictures, definition text,
// records) and building the window frame's border strips for 813 x 634.
#include <benchmark/benchmark.h>

#include "skin/data/skin_data.h"
#include "skin/draw/skin_drawing.h"
#include "skin/store/compressed_stored_skin.h"

namespace kx {
namespace {

TksCompressedStoredSkin& Stored() {
  static TksCompressedStoredSkin* stored = [] {
    auto* s = new TksCompressedStoredSkin(nullptr);  // lives for the whole run
    if (!s->ImportCompressedSkinFile(KESTRIX_RED_SKN)) std::abort();
    return s;
  }();
  return *stored;
}

void LoadStoredSkin(benchmark::State& state) {
  TksCompressedStoredSkin& stored = Stored();
  for (auto _ : state) {
    TksSkinData data(nullptr);
    data.LoadCompressedStoredSkin(stored);
    benchmark::DoNotOptimize(data.SkinControls.size());
  }
}
BENCHMARK(LoadStoredSkin)->Unit(benchmark::kMillisecond);

void FrameStrips813x634(benchmark::State& state) {
  TksSkinData data(nullptr);
  data.LoadCompressedStoredSkin(Stored());
  const TksSkinFrameValues& f = data.FormInfo;
  const int w = data.Picture.Width(), h = data.Picture.Height();
  TksPieceGeometry g{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.ClRect};
  for (auto _ : state) {
    TksPieceGeometry r = ResizedGeometry(g, w, h, 813, 634);
    TksBorderStrips strips =
        BuildBorderStrips(data.Picture, {0, 0, w, h}, g, r, 813, 634,
                          {false, f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch});
    benchmark::DoNotOptimize(strips.Top.PixelData().data());
  }
}
BENCHMARK(FrameStrips813x634)->Unit(benchmark::kMicrosecond);

void FrameRegion813x634(benchmark::State& state) {
  TksSkinData data(nullptr);
  data.LoadCompressedStoredSkin(Stored());
  const TksSkinFrameValues& f = data.FormInfo;
  const int w = data.Picture.Width(), h = data.Picture.Height();
  TksPieceGeometry m{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.MaskRectArea};
  for (auto _ : state) {
    auto region = BuildFramedRegion(data.Mask, m, ResizedGeometry(m, w, h, 813, 634), 813, 634);
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(FrameRegion813x634)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kx

BENCHMARK_MAIN();
