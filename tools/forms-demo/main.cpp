// Shows the demo form of the standard controls on the chosen backend, or, with
// --screenshot OUT.png, runs it headless: types into the edit, opens its menu
// and writes the screen.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/forms/application.h"
#include "platform/window/backend_select.h"
#include "platform/window/test_driver.h"
#include "tools/forms-demo/demo_form.h"

namespace {

int RunScreenshot(const char* argv0, const std::string& path) {
  kx::HeadlessSession session({800, 600});
  kx::TApplication app(session.system, argv0);
  kx::DemoForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  kx::TestDriver& driver = session.driver;
  driver.SetMessageHandler([&](kx::TMsg& m) { app.DispatchOne(m); });
  driver.RunUntilIdle();
  driver.ClickAt(form->NameEdit->Handle(), {5, 8});
  driver.TypeText("Kestrix");
  driver.PressKey(kx::VK_LEFT, kx::TestDriver::Ctrl | kx::TestDriver::Shift);
  bool menuShown = false;
  driver.WhenModal([&](kx::TestDriver& d) {
    d.Advance(600);  // the caret blinks on
    d.SaveScreenPng(path);
    menuShown = true;
    d.PressKey(kx::VK_ESCAPE);
  });
  driver.ClickAt(form->NameEdit->Handle(), {40, 10}, 1);
  if (!menuShown) {
    std::fprintf(stderr, "forms-demo: the edit's menu did not open\n");
    return 1;
  }
  std::printf("Typed \"%s\"; screen written to %s\n", form->NameEdit->Text().c_str(), path.c_str());
  return 0;
}

int RunInteractive(const char* argv0) {
  auto backend = kx::CreateBackendFromEnvironment();
  kx::RealClock clock;
  kx::TWindowSystem system(*backend, clock);
  kx::TApplication app(system, argv0);
  kx::DemoForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  try {
    app.Run();
  } catch (const kx::ELoopStalled&) {
    std::fprintf(stderr, "forms-demo: no display to show the form on; use --screenshot OUT.png\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
    return RunScreenshot(argv[0], argv[2]);
  if (argc != 1) {
    std::fprintf(stderr, "usage: forms-demo [--screenshot OUT.png]\n");
    return 2;
  }
  return RunInteractive(argv[0]);
}
