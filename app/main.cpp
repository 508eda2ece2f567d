// The Kestrix client: the main window and its message loop.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/unit1.h"
#include "platform/forms/application.h"
#include "platform/window/backend_select.h"
#include "platform/window/clock.h"

namespace {

// Answers --help and --version, or refuses what it does not know (status 2);
// nullopt lets the client run.
std::optional<int> AnswerCommandLine(int argc, char** argv) {
  using namespace kx;
  switch (ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
    case CommandLineRequest::Run:
      return std::nullopt;
    case CommandLineRequest::Help:
      std::fputs(KestrixUsage().c_str(), stdout);
      return 0;
    case CommandLineRequest::Version:
      std::puts(KestrixVersionLine(KESTRIX_VERSION).c_str());
      return 0;
    case CommandLineRequest::Invalid:
      break;
  }
  std::fputs(KestrixUsage().c_str(), stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kx;
  if (std::optional<int> status = AnswerCommandLine(argc, argv)) return *status;
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
