#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/base/exception.h"
#include "platform/forms/application.h"
#include "platform/sys/files.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/frame/skin_frame.h"
#include "tests/net/loopback_server.h"

namespace kx {
namespace {

// A scripted service: the version file answers `probe`; a login request
// without a cookie gets a session cookie and `first`, one with the cookie gets
// `second`. Every request head is kept.
class ScriptedService {
 public:
  ScriptedService(std::string probe, std::string first, std::string second)
      : m_server(
            [this, probe, first, second](test::LoopbackServer::Connection& c) {
              for (;;) {
                std::string head = c.ReadHead();
                if (head.empty()) return;
                {
                  std::lock_guard<std::mutex> lock(m_lock);
                  m_heads.push_back(head);
                }
                if (head.rfind("GET /refresh/", 0) == 0) {
                  c.Send("HTTP/1.1 " + probe +
                         "\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
                  return;
                }
                bool cookie = head.find("Cookie: session=s1") != std::string::npos;
                const std::string& body = cookie ? second : first;
                c.Send(std::string("HTTP/1.1 200 OK\r\n") +
                       (cookie ? "" : "Set-Cookie: session=s1; Path=/\r\n") + "Content-Length: " +
                       std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                return;
              }
            },
            8) {}
  std::string Host() const { return "127.0.0.1:" + std::to_string(m_server.Port()); }
  std::vector<std::string> Heads() {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_heads;
  }

 private:
  std::mutex m_lock;
  std::vector<std::string> m_heads;
  test::LoopbackServer m_server;
};

const char* kFeed =
    "<match><id>1</id><date>10.12.2026</date><time>18:00</time><home>Home FC</home>"
    "<away>Away FC</away><liga>England. Premier League</liga><kf1>1.5</kf1><kf2>3.2</kf2>"
    "<kf3>5.1</kf3><p1>1</p1><x>2</x><p2>3</p2><t05>4</t05><t15>5</t15><t25>6</t25><oz>7</oz>"
    "<count>42</count><countv>21</countv></match><match><id>2</id><home>Second</home><away>Other</"
    "away>"
    "<liga>Spain. La Liga</liga></match>";

// The client in a fresh directory (the credentials file is "qev.log" there),
// with its dialogs and the shell opener recorded.
class LoginFlowTest : public ::testing::Test {
 protected:
  LoginFlowTest() {
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
  }
  ~LoginFlowTest() override {
    unsetenv("KESTRIX_SERVICE_HOST");
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }
  void WriteCredentials(const std::string& bytes) { WriteWholeFile("qev.log", bytes); }
  // Creates the window as the program does, against the service at host.
  TForm1& Open(const std::string& host = "127.0.0.1:1") {
    setenv("KESTRIX_SERVICE_HOST", host.c_str(), 1);
    app.CreateForm(form);
    form->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
    form->OpenUrl = [this](const std::string& url) {
      opened.push_back(url);
      return true;
    };
    form->Show();
    Settle();
    return *form;
  }
  void Settle() { session.driver.RunUntilIdle(); }
  void ClickLogin() {
    session.driver.ClickAt(form->ksSkinTabSheet1->Handle(), {496 + 50, 416 + 12});
    Settle();
  }
  void Login(const std::string& login, const std::string& password) {
    form->loginedit->SetCaption(login);
    form->passedit->SetText(password);
    ClickLogin();
  }
  std::vector<std::string> VisibleTabs() {
    std::vector<std::string> tabs;
    for (int t = 0; t < form->Page->TabCount(); ++t)
      tabs.push_back(form->Page->PageForTab(t)->Caption());
    return tabs;
  }

  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kx-login-" + std::to_string(::getpid()));
  HeadlessSession session{{1200, 800}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm1* form = nullptr;
  std::vector<std::string> messages;
  std::vector<std::string> opened;
};

using Tabs = std::vector<std::string>;

TEST_F(LoginFlowTest, WithoutACredentialsFileTheFieldsAreEmptyAndOnlyAboutShows) {
  Open();
  EXPECT_EQ(form->loginedit->Caption(), "");
  EXPECT_EQ(form->passedit->Text(), "");
  EXPECT_FALSE(form->zap->Checked());
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet1);
  EXPECT_EQ(VisibleTabs(), Tabs{"About"});
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 803, 599}));
}

TEST_F(LoginFlowTest, RememberedCredentialsFillTheFieldsInEveryLineForm) {
  struct Case {
    std::string bytes, login, password;
  };
  for (const Case& c :
       {Case{"demo\r\nsecret\r\n", "demo", "secret"}, Case{"demo\nsecret", "demo", "secret"},
        Case{"demo\n\rsecret", "demo", ""}, Case{"demo\r\n", "demo", ""},
        Case{"a & b\r\n# c d\r\n", "a & b", "# c d"}}) {
    WriteCredentials(c.bytes);
    HeadlessSession s{{1000, 700}};
    TApplication a{s.system, "/usr/bin/kestrix"};
    TForm1* f = nullptr;
    a.CreateForm(f);
    EXPECT_EQ(f->loginedit->Caption(), c.login) << c.bytes;
    EXPECT_EQ(f->passedit->Text(), c.password) << c.bytes;
    EXPECT_TRUE(f->zap->Checked()) << c.bytes;
    // A short file no longer stops the start-up half-way: only About shows.
    EXPECT_EQ(f->Page->TabCount(), 1) << c.bytes;
  }
}

TEST_F(LoginFlowTest, AFileThatCannotBeWrittenStopsTheLoginOnAbout) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  std::filesystem::create_directory("qev.log");  // writing a file over a directory fails
  std::vector<std::string> reported;
  app.OnException = [&reported](TObject*, const Exception& e) { reported.push_back(e.Message()); };
  form->zap->SetChecked(true);
  Login("demo", "demo");
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0].rfind("Cannot create file \"", 0), 0u) << reported[0];
  EXPECT_EQ(VisibleTabs(), Tabs{"About"});
  EXPECT_EQ(form->NG->RowCount(), 0);
}

TEST_F(LoginFlowTest, AProbeThatFailsShowsTheUpdateMessageOpensThePageAndEnds) {
  for (std::string probe : {"404 Not Found", "500 Server Error"}) {
    ScriptedService service(probe, "", "");
    HeadlessSession s{{1000, 700}};
    TApplication a{s.system, "/usr/bin/kestrix"};
    s.driver.SetMessageHandler([&a](TMsg& m) { a.DispatchOne(m); });
    setenv("KESTRIX_SERVICE_HOST", service.Host().c_str(), 1);
    TForm1* f = nullptr;
    a.CreateForm(f);
    std::vector<std::string> shown, urls;
    f->ShowMessage = [&shown](const std::string& t) { shown.push_back(t); };
    f->OpenUrl = [&urls](const std::string& u) {
      urls.push_back(u);
      return true;
    };
    f->Show();
    s.driver.RunUntilIdle();
    s.driver.ClickAt(f->ksSkinTabSheet1->Handle(), {496 + 50, 416 + 12});
    s.driver.RunUntilIdle();
    ASSERT_EQ(shown.size(), 1u) << probe;
    EXPECT_EQ(shown[0].rfind("Update New Version Programm Please!\n\rGo to site ", 0), 0u);
    EXPECT_EQ(urls.size(), 1u);
    EXPECT_TRUE(a.Terminated()) << probe;
    // No login was sent.
    for (const std::string& head : service.Heads())
      EXPECT_EQ(head.find("/login/"), std::string::npos);
  }
}

TEST_F(LoginFlowTest, NothingListeningForTheProbeEndsTheProgramToo) {
  Open("127.0.0.1:1");
  Login("demo", "demo");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(LoginFlowTest, AResponseWithFailShowsTheRefusalAndStaysOnAbout) {
  ScriptedService service("200 OK", "Authentication Failed for this user", "");
  Open(service.Host());
  Login("demo", "wrong");
  EXPECT_EQ(messages, std::vector<std::string>{"Autorization Failed!"});
  EXPECT_EQ(VisibleTabs(), Tabs{"About"});
  EXPECT_FALSE(FileExists("qev.log"));
}

TEST_F(LoginFlowTest, TheWholeLoginFillsTheTableAndARowFillsTheDetails) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  form->zap->SetChecked(true);
  Login("de mo&x#y", "p&ss word");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(VisibleTabs(), Tabs{"Football"});
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet2);
  EXPECT_EQ(form->NG->RowCount(), 2);
  EXPECT_EQ(form->fcount->Caption(), "Count: 2");
  // Two identical requests, the second with the first one's cookie; the fields percent-encoded.
  std::vector<std::string> logins;
  for (const std::string& head : service.Heads()) {
    if (head.find("/login/") != std::string::npos) logins.push_back(head);
  }
  ASSERT_EQ(logins.size(), 2u);
  const std::string line = "GET /login/kestrix.php?login=de%20mo%26x%23y&pass=p%26ss%20word";
  EXPECT_EQ(logins[0].rfind(line, 0), 0u);
  EXPECT_EQ(logins[1].rfind(line, 0), 0u);
  EXPECT_EQ(logins[0].find("Cookie:"), std::string::npos);
  EXPECT_NE(logins[1].find("Cookie: session=s1"), std::string::npos);
  // Remembered: the file holds what was typed.
  EXPECT_EQ(ReadWholeFile("qev.log"), "de mo&x#y\r\np&ss word\r\n");
  // A click on the first row fills the detail panel.
  GridLayout layout(*form->NG, form->NG->ClientRect());
  session.driver.ClickAt(form->NG->Handle(), {250, layout.RowTop(0) + 5});
  Settle();
  EXPECT_EQ(form->prpr->Caption(), "50%");
  EXPECT_GT(form->MG->RowCount(), 0);
}

TEST_F(LoginFlowTest, LoggingInWithoutRememberDeletesTheFile) {
  WriteCredentials("old\r\nold\r\n");
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  ASSERT_TRUE(form->zap->Checked());
  form->zap->SetChecked(false);
  Login("demo", "demo");
  EXPECT_FALSE(FileExists("qev.log"));
}

TEST_F(LoginFlowTest, TheWindowCannotBeResizedOrMaximized) {
  Open();
  HWND h = form->Handle();
  TRect before = GetWindowRect(h);
  EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, LParamFromPoint(before.BottomRight() - TPoint{2, 2})),
            HTOBJECT);
  session.driver.DoubleClick(before.TopLeft() + TPoint{300, 12});
  Settle();
  EXPECT_EQ(GetWindowRect(h), before);
  EXPECT_FALSE(form->ksSkinFrame1->FindObject("maxanimate")->Enabled);
}

}  // namespace
}  // namespace kx
