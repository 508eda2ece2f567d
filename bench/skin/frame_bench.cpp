// The skinned window frame of the program's window (813 x 634, Kestrix Red):
// building its non-client image with the objects (goal: under 0.2 ms), one
// animation step that redraws one caption button (goal: under 20 us), and
// opening the edit's eight-entry popup menu, laid out, shaped and painted
// (goal: under 1 ms; the figure includes closing it again).
#include <benchmark/benchmark.h>

#include "assets/embedded_skin.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_frame.h"
#include "skin/menu/skin_popup_menu.h"
#include "skin/store/compressed_stored_skin.h"

namespace kx {
namespace {

struct SkinnedWindow {
  HeadlessSession session{{1400, 900}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm* form = nullptr;
  TksSkinFrame* frame = nullptr;

  SkinnedWindow() {
    app.CreateForm(form);
    form->SetCaption("Kestrix");
    form->BorderStyle = TFormBorderStyle::bsSingle;
    form->SetBounds(100, 50, 813, 634);
    auto* stored = new TksCompressedStoredSkin(form);
    stored->LoadCompressedSkinFile(KestrixRedSkinFile());
    auto* data = new TksSkinData(form);
    frame = new TksSkinFrame(form);
    frame->Sizeable = false;
    frame->SetBorderIcons(biSystemMenu | biMinimize);
    data->SetCompressedStoredSkin(stored);
    frame->SetSkinData(data);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
    form->Show();
    session.driver.RunUntilIdle();
  }
};

void BM_BuildNCImage(benchmark::State& state) {
  SkinnedWindow window;
  TBitmap target(813, 634);
  for (auto _ : state) {
    SendMessage(window.form->Handle(), 48203, reinterpret_cast<WPARAM>(&target.Canvas()), 16802);
    benchmark::DoNotOptimize(target.PixelAt(400, 10));
  }
}
BENCHMARK(BM_BuildNCImage)->Unit(benchmark::kMicrosecond);

void BM_AnimationStep(benchmark::State& state) {
  SkinnedWindow window;
  TksActiveSkinObject* close = window.frame->FindObject("closeanimate");
  if (!close) std::abort();
  for (auto _ : state) {
    close->AnimationTick();
    window.frame->RedrawObject(*close);
  }
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMicrosecond);

void BM_OpenEditMenu(benchmark::State& state) {
  SkinnedWindow window;
  auto* menu = new TksSkinPopupMenu(window.form);
  for (const char* caption :
       {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"}) {
    auto* item = new TMenuItem(menu);
    item->Caption = caption;
    menu->Items().Add(item);
  }
  for (auto _ : state) {
    menu->Popup(400, 300);
    UpdateWindow(window.frame->SkinMenu().Popups().front()->Handle());
    window.frame->SkinMenu().CloseMenus();
  }
}
BENCHMARK(BM_OpenEditMenu)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kx

BENCHMARK_MAIN();
