// The Kestrix client: the main window and its message loop.
#include <cstdio>
#include <cstring>

#include "app/unit1.h"
#include "platform/forms/application.h"
#include "platform/window/backend_select.h"
#include "platform/window/clock.h"

int main(int argc, char** argv) {
  using namespace kx;
  (void)argc;
  std::unique_ptr<WindowBackend> backend = CreateBackendFromEnvironment();
  if (std::strcmp(backend->Name(), "sdl") != 0) {
    std::fprintf(stderr,
                 "kestrix needs a display (X11 or Wayland); see kestrix-tour for a headless run\n");
    return 2;
  }
  RealClock clock;
  TWindowSystem system(*backend, clock);
  TApplication app(system, argv[0]);
  app.Initialize();
  TForm1* form = nullptr;
  app.CreateForm(form);
  app.Run();
  return 0;
}
