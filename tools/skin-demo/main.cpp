// skin-demo [--screenshot OUT.png]: a form of 813 x 634 in the Kestrix Red
// skin's frame with the caption "Kestrix", and beside it a form whose frame has
// no skin and is drawn plain. With --screenshot it runs headless: it hovers the
// close button and stops between two frames of its animation, opens the system
// menu with Alt+Space and writes the screen.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/embedded_skin.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/backend_select.h"
#include "platform/window/test_driver.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_frame.h"
#include "skin/store/compressed_stored_skin.h"

namespace {

using namespace kx;

struct SkinDemo {
  TForm* skinned = nullptr;
  TForm* plain = nullptr;
  TksSkinFrame* frame = nullptr;
};

SkinDemo MakeDemo(TApplication& app) {
  SkinDemo demo;
  app.CreateForm(demo.skinned);
  TForm& form = *demo.skinned;
  form.SetCaption("Kestrix");
  form.BorderStyle = TFormBorderStyle::bsSingle;
  form.SetBounds(20, 20, 813, 634);
  auto* stored = new TksCompressedStoredSkin(&form);
  stored->LoadCompressedSkinFile(KestrixRedSkinFile());
  auto* data = new TksSkinData(&form);
  demo.frame = new TksSkinFrame(&form);
  demo.frame->Sizeable = false;
  demo.frame->ShowIcon = true;
  demo.frame->SetBorderIcons(biSystemMenu | biMinimize);
  data->SetCompressedStoredSkin(stored);
  demo.frame->SetSkinData(data);

  app.CreateForm(demo.plain);
  demo.plain->SetCaption("No skin");
  demo.plain->BorderStyle = TFormBorderStyle::bsSingle;
  demo.plain->SetBounds(860, 20, 320, 240);
  new TksSkinFrame(demo.plain);  // owned by the form; without skin data it draws the plain frame
  return demo;
}

int RunScreenshot(const char* argv0, const std::string& path) {
  HeadlessSession session({1220, 700});
  TApplication app(session.system, argv0);
  SkinDemo demo = MakeDemo(app);
  demo.plain->Show();
  demo.skinned->Show();
  session.driver.SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  session.driver.RunUntilIdle();
  // Hover the close button, and stop between its third and fourth frame.
  if (TksActiveSkinObject* close = demo.frame->FindObject("closeanimate")) {
    TPoint origin = GetWindowRect(demo.skinned->Handle()).TopLeft();
    TRect r = close->ObjectRect.Offset(origin);
    session.driver.MoveTo({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    session.driver.Advance(125);
  }
  session.driver.PressKey(VK_SPACE, TestDriver::Alt);
  session.driver.RunUntilIdle();
  session.driver.SaveScreenPng(path);
  std::printf("screen written to %s\n", path.c_str());
  return 0;
}

int RunInteractive(const char* argv0) {
  auto backend = CreateBackendFromEnvironment();
  RealClock clock;
  TWindowSystem system(*backend, clock);
  TApplication app(system, argv0);
  SkinDemo demo = MakeDemo(app);
  demo.plain->Show();
  demo.skinned->Show();
  try {
    app.Run();
  } catch (const ELoopStalled&) {
    std::fprintf(stderr, "skin-demo: no display to show the frame on; use --screenshot OUT.png\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      std::fprintf(stderr, "usage: skin-demo [--screenshot OUT.png]\n");
      return 2;
    }
  }
  return screenshot.empty() ? RunInteractive(argv[0]) : RunScreenshot(argv[0], screenshot);
}
