// Opens the demo windows on the chosen backend, or, with --screenshot OUT.png,
// runs them headless, scrolls the grid one page, presses the shaped window and
// writes the screen.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/base/exception.h"
#include "platform/window/backend/headless/headless_backend.h"
#include "platform/window/backend_select.h"
#include "platform/window/test_driver.h"
#include "tools/window-demo/demo_windows.h"

namespace {

int RunScreenshot(const std::string& path) {
  kx::HeadlessSession session({1280, 800});
  kx::DemoWindows demo(session.system, "");
  kx::TestDriver& driver = session.driver;
  driver.RunUntilIdle();
  kx::TRect grid = session.system.GetWindowRect(demo.Grid());
  kx::TRect bar = session.system.ScrollBarRect(demo.Grid(), kx::SB_VERT);
  driver.Click({grid.Left + bar.Left + bar.Width() / 2, grid.Top + bar.Bottom - 30});
  kx::TRect shaped = session.system.GetWindowRect(demo.Shaped());
  driver.Click({shaped.Left + shaped.Width() / 2, shaped.Top + shaped.Height() / 2});
  driver.SaveScreenPng(path);
  std::printf("Scrolled to %d; screen written to %s\n", demo.ScrollY(), path.c_str());
  return 0;
}

int RunInteractive(const std::string& reportPath) {
  auto backend = kx::CreateBackendFromEnvironment();
  kx::RealClock clock;
  kx::TWindowSystem system(*backend, clock);
  kx::DemoWindows demo(system, reportPath);
  kx::TMsg msg;
  try {
    while (system.GetMessage(msg)) {
      system.TranslateMessage(msg);
      system.DispatchMessage(msg);
    }
  } catch (const kx::ELoopStalled&) {
    std::fprintf(stderr,
                 "window-demo: no display to show the windows on; use --screenshot OUT.png\n");
    return 1;
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int main(int argc, char** argv) {
  std::string screenshot;
  std::string report;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else if (std::strcmp(argv[i], "--report") == 0 && i + 1 < argc) {
      report = argv[++i];
    } else {
      std::fprintf(stderr, "usage: window-demo [--screenshot OUT.png] [--report FILE]\n");
      return 2;
    }
  }
  try {
    return screenshot.empty() ? RunInteractive(report) : RunScreenshot(screenshot);
  } catch (const kx::Exception& e) {
    std::fprintf(stderr, "window-demo: %s\n", e.Message().c_str());
    return 1;
  }
}
