// The About page's skinned controls as the window places them on an 801 x 577
// sheet, painted once each: the windowed ones (two edits, the check box, the
// button) through their windows, the windowless labels (two std labels, the
// shadow label, the link label) into a bitmap of the sheet. Goal: under 1 ms.
#include <benchmark/benchmark.h>

#include "assets/embedded_skin.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/data/skin_data.h"
#include "skin/store/compressed_stored_skin.h"

namespace kx {
namespace {

void BM_PaintAboutControls(benchmark::State& state) {
  HeadlessSession session{{1100, 760}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  session.driver.SetMessageHandler([&app](TMsg& m) { app.DispatchOne(m); });
  TForm* form = nullptr;
  app.CreateForm(form);
  form->BorderStyle = TFormBorderStyle::bsNone;
  form->SetBounds(0, 0, 801, 577);
  auto* stored = new TksCompressedStoredSkin(form);
  stored->LoadCompressedSkinFile(KestrixRedSkinFile());
  auto* data = new TksSkinData(form);
  data->SetCompressedStoredSkin(stored);
  auto place = [form](auto* control, int x, int y, int w, int h) {
    control->SetParent(form);
    control->SetBounds(x, y, w, h);
    return control;
  };
  auto* login = place(new TksSkinStdLabel(form), 424, 264, 33, 13);
  auto* password = place(new TksSkinStdLabel(form), 424, 328, 63, 13);
  auto* version = place(new TksSkinShadowLabel(form), 707, 6, 83, 19);
  auto* link = place(new TksSkinLinkLabel(form), 702, 24, 83, 14);
  auto* loginEdit = place(new TksSkinEdit(form), 424, 280, 273, 18);
  auto* passEdit = place(new TksSkinPasswordEdit(form), 424, 344, 273, 21);
  auto* remember = place(new TksSkinCheckRadioBox(form), 424, 384, 89, 25);
  auto* button = place(new TksSkinXFormButton(form), 496, 416, 113, 25);
  login->SetCaption("LOGIN");
  password->SetCaption("PASSWORD");
  version->SetCaption("Version 3.6.1");
  link->SetCaption("kestrix.example");
  remember->SetCaption("Remember");
  button->SetCaption("LOGIN");
  button->SetSkinDataName("resizetoolbutton");
  for (TksSkinStdLabel* l : {login, password, static_cast<TksSkinStdLabel*>(link)})
    l->SetSkinData(data);
  version->SetSkinData(data);
  loginEdit->SetSkinData(data);
  passEdit->SetSkinData(data);
  remember->SetSkinData(data);
  button->SetSkinData(data);
  form->Show();
  session.driver.RunUntilIdle();
  TWinControl* windowed[] = {loginEdit, passEdit, remember, button};
  TGraphicControl* windowless[] = {login, password, version, link};
  TBitmap sheet(801, 577);
  for (auto _ : state) {
    for (TWinControl* c : windowed) {
      InvalidateRect(c->Handle(), nullptr, true);
      UpdateWindow(c->Handle());
    }
    for (TGraphicControl* c : windowless) {
      TCanvas& canvas = sheet.Canvas();
      TPoint origin = canvas.Origin();
      canvas.SetOrigin(origin + c->BoundsRect().TopLeft());
      c->PaintInto(canvas);
      canvas.SetOrigin(origin);
    }
    benchmark::DoNotOptimize(sheet.PixelAt(430, 270));
  }
}
BENCHMARK(BM_PaintAboutControls)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kx

BENCHMARK_MAIN();
