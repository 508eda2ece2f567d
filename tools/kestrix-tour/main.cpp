// kestrix-tour OUTDIR [--matches N] | --help | --version: runs the real main window headless
// against the demo service in this process and photographs the whole flow,
// one numbered PNG per step, with a short report (OUTDIR/tour.txt).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "app/unit1.h"
#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/application.h"
#include "platform/sys/files.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/frame/skin_frame.h"
#include "tools/demo-service/demo_service.h"

namespace {

using namespace kx;

// The demo service on a free loopback port, served by a thread of its own.
class ServiceThread {
 public:
  explicit ServiceThread(const DemoServiceOptions& options) : m_service(options) {
    m_port = m_service.Bind("127.0.0.1", 0);
    if (m_port > 0) {
      m_thread = std::thread([this] { m_service.Serve(); });
      m_service.WaitUntilServing(5000);
    }
  }
  ~ServiceThread() {
    m_service.Stop();
    if (m_thread.joinable()) m_thread.join();
  }
  int Port() const { return m_port; }

 private:
  DemoService m_service;
  std::thread m_thread;
  int m_port = -1;
};

class Tour {
 public:
  Tour(const std::string& out, const char* argv0, int firstStep)
      : m_out(out), m_app(m_session.system, argv0), m_step(firstStep - 1) {
    m_report.open(out + "/tour.txt", firstStep > 1 ? std::ios::app : std::ios::trunc);
    m_session.driver.SetMessageHandler([this](TMsg& m) { m_app.DispatchOne(m); });
  }

  TForm1& Start() {
    m_app.CreateForm(m_form);
    m_form->OpenUrl = [this](const std::string& url) {
      Note("the shell would open " + url);
      return true;
    };
    m_form->Show();
    Settle();
    return *m_form;
  }
  void Settle() { m_session.driver.RunUntilIdle(); }
  TestDriver& Driver() { return m_session.driver; }
  void Shot(const std::string& what) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d-", ++m_step);
    std::string file = m_out + "/" + name + what + ".png";
    m_session.driver.SaveScreenPng(file);
    Note("step " + std::to_string(m_step) + ": " + what + " -> " + file);
  }
  void Note(const std::string& line) {
    m_report << line << "\n";
    std::printf("%s\n", line.c_str());
  }
  // The dialog that the next action opens is photographed, then closed with Enter.
  void PhotographDialog(const std::string& what) {
    m_session.driver.WhenModal([this, what](TestDriver& d) {
      d.RunUntilIdle();
      Shot(what);
      d.PressKey(VK_RETURN);
    });
  }
  void Click(TControl& control, TPoint at) {
    m_session.driver.ClickAt(ParentHandle(control), control.BoundsRect().TopLeft() + at);
    Settle();
  }
  TApplication& App() { return m_app; }
  int Steps() const { return m_step; }

 private:
  static HWND ParentHandle(TControl& control) { return control.Parent()->Handle(); }
  std::string m_out;
  HeadlessSession m_session{{1100, 760}};
  TApplication m_app;
  TForm1* m_form = nullptr;
  int m_step;
  std::ofstream m_report;
};

// The whole flow from the start screen to the table; returns the number of steps.
int RunTour(const std::string& out, const char* argv0, int matches) {
  DemoServiceOptions options;
  options.feed.matches = matches;
  ServiceThread service(options);
  if (service.Port() <= 0) {
    std::fprintf(stderr, "kestrix-tour: the demo service could not listen\n");
    return -1;
  }
  setenv("KESTRIX_SERVICE_HOST", ("127.0.0.1:" + std::to_string(service.Port())).c_str(), 1);
  DeleteFile("qev.log");
  Tour tour(out, argv0, 1);
  TForm1& form = tour.Start();
  tour.Shot("start");

  // The login field's context menu, then the system menu.
  tour.Driver().ClickAt(form.loginedit->Handle(), {40, 8}, 1);
  tour.Settle();
  tour.Shot("login-field-menu");
  tour.Driver().PressKey(VK_ESCAPE);
  tour.Settle();
  tour.Driver().PressKey(VK_SPACE, TestDriver::Alt);
  tour.Settle();
  tour.Shot("system-menu");
  tour.Driver().PressKey(VK_ESCAPE);
  tour.Settle();

  // A refused login.
  tour.Click(*form.loginedit, {20, 8});
  tour.Driver().TypeText("demo");
  tour.Click(*form.passedit, {20, 8});
  tour.Driver().TypeText("wrong");
  tour.PhotographDialog("refused-login");
  tour.Click(*form.logb, {50, 12});

  // The right password, remembered.
  tour.Click(*form.passedit, {20, 8});
  tour.Driver().PressKey(VK_END);
  for (int i = 0; i < 5; ++i) tour.Driver().PressKey(VK_BACK);
  tour.Driver().TypeText("demo");
  tour.Click(*form.zap, {8, 12});
  tour.Shot("credentials");
  tour.Click(*form.logb, {50, 12});
  tour.Shot("matches");
  tour.Note("the table holds " + std::to_string(form.NG->RowCount()) + " matches");

  // A row and its details, a sort by a header, a fit hint.
  TDataGrid& grid = *form.NG;
  GridLayout layout(grid, grid.ClientRect());
  tour.Driver().ClickAt(grid.Handle(), {200, layout.RowTop(4) + 6});
  tour.Settle();
  tour.Shot("match-details");
  const TDgCustomColumn& home = *grid.Columns().Items(3);
  tour.Driver().ClickAt(grid.Handle(), {layout.ColumnLeft(home) + 20, 8});
  tour.Settle();
  tour.Shot("sorted-by-home");
  TBitmap scratch(1, 1);
  const TDgCustomColumn& away = *grid.Columns().Items(4);
  scratch.Canvas().Font() = away.Font();
  for (int row = grid.TopRow(); row < grid.RowCount(); ++row) {
    int top = GridLayout(grid, grid.ClientRect()).RowTop(row);
    if (top + 17 >= grid.ClientRect().Bottom) break;
    if (scratch.Canvas().TextWidthW(grid.Cells(4, row)) + 5 <= away.Width()) continue;
    tour.Driver().MoveTo(grid.Handle(), {layout.ColumnLeft(away) + 20, top + 5});
    tour.Settle();
    tour.Shot("fit-hint");
    break;
  }
  return tour.Steps();
}

// A version the service no longer serves: the update message, and the end.
int RunUpdatePath(const std::string& out, const char* argv0, int firstStep) {
  DemoServiceOptions options;
  options.versionStatus = 404;
  ServiceThread service(options);
  if (service.Port() <= 0) return 1;
  setenv("KESTRIX_SERVICE_HOST", ("127.0.0.1:" + std::to_string(service.Port())).c_str(), 1);
  Tour tour(out, argv0, firstStep);
  TForm1& form = tour.Start();
  tour.PhotographDialog("update-message");
  tour.Click(*form.logb, {50, 12});
  tour.Note(tour.App().Terminated() ? "the program ends after the update message"
                                    : "the program goes on (unexpected)");
  return 0;
}

constexpr const char* kUsage =
    "Usage: kestrix-tour OUTDIR [--matches N]\n"
    "       kestrix-tour --help | --version\n"
    "Runs the Kestrix main window headless against the demo service in this process and\n"
    "writes a numbered picture of every step, with a report, to OUTDIR (made when missing).\n"
    "  --matches N   the matches the demo service serves (0 to 100000, default 300)\n";

enum class Request { Tour, Help, Version, Invalid };

struct Arguments {
  Request request = Request::Invalid;
  std::string out;
  int matches = 300;
};

Arguments ReadArguments(int argc, char** argv) {
  Arguments args;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    args.request = Request::Help;
    return args;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    args.request = Request::Version;
    return args;
  }
  // The output folder comes first and is never taken from an option's spelling.
  if (argc < 2 || argv[1][0] == '-' || argv[1][0] == '\0') return args;
  args.out = argv[1];
  for (int i = 2; i < argc; i += 2) {
    if (std::strcmp(argv[i], "--matches") != 0 || i + 1 >= argc) return args;
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(argv[i + 1], &end, 10);
    if (errno != 0 || end == argv[i + 1] || *end != '\0' || n < 0 || n > 100000) return args;
    args.matches = static_cast<int>(n);
  }
  args.request = Request::Tour;
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args = ReadArguments(argc, argv);
  switch (args.request) {
    case Request::Invalid:
      std::fputs(kUsage, stderr);
      return 2;
    case Request::Help:
      std::fputs(kUsage, stdout);
      return 0;
    case Request::Version:
      std::printf("kestrix-tour %s\n", KESTRIX_VERSION);
      return 0;
    case Request::Tour:
      break;
  }
  std::string out = args.out;
  std::error_code ignored;
  std::filesystem::create_directories(out, ignored);
  // The client keeps its credentials file in the current directory: the tour's is OUTDIR.
  out = std::filesystem::absolute(out).string();
  std::filesystem::current_path(out, ignored);
  int steps = RunTour(out, argv[0], args.matches);
  if (steps < 0) return 1;
  return RunUpdatePath(out, argv[0], steps + 1);
}
