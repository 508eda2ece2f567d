#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <new>
#include <stdexcept>
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
#include "tests/app/login_flow_fixture.h"
#include "tests/net/loopback_server.h"

namespace kx {
namespace {

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

TEST_F(LoginFlowTest, AnUnreadableFileIsReportedOnceAndTheWindowStartsAsWithoutOne) {
  // The process's own memory reads with an error from its first byte, also for root.
  std::filesystem::create_symlink("/proc/self/mem", "qev.log");
  std::vector<std::string> reported;
  app.OnException = [&reported](TObject*, const Exception& e) { reported.push_back(e.Message()); };
  Open();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0].rfind("Cannot open file \"", 0), 0u) << reported[0];
  EXPECT_EQ(form->loginedit->Caption(), "");
  EXPECT_EQ(form->passedit->Text(), "");
  EXPECT_FALSE(form->zap->Checked());
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet1);
  EXPECT_EQ(VisibleTabs(), Tabs{"About"});
}

TEST_F(LoginFlowTest, AStandardErrorDuringARequestIsReportedAndTheWindowStaysUsable) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  std::vector<std::string> reported;
  app.OnException = [&reported](TObject*, const Exception& e) { reported.push_back(e.Message()); };
  // Out of memory while the login's response arrives: reported, and the login stops on About.
  form->NetHTTP1.OnResponseHead = [](const TNetHTTPResponse&) { throw std::bad_alloc(); };
  Login("demo", "demo");
  EXPECT_EQ(reported, std::vector<std::string>{"Out of memory"});
  EXPECT_EQ(VisibleTabs(), Tabs{"About"});
  EXPECT_FALSE(app.Terminated());
  // Another standard error during the feed request: reported; the table stays empty.
  int responses = 0;
  form->NetHTTP1.OnResponseHead = [&responses](const TNetHTTPResponse&) {
    if (++responses == 2) throw std::length_error("feed too long");
  };
  Login("demo", "demo");
  EXPECT_EQ(reported, (std::vector<std::string>{"Out of memory", "feed too long"}));
  EXPECT_EQ(VisibleTabs(), Tabs{"Football"});
  EXPECT_EQ(form->NG->RowCount(), 0);
  // The window goes on: F5 fetches the matches on the same client.
  service.AddReload(OkResponse(kFeed));
  session.driver.PressKey(VK_F1 + 4);  // F5
  Settle();
  EXPECT_EQ(form->NG->RowCount(), 2);
  EXPECT_EQ(form->fcount->Caption(), "Count: 2");
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
  std::vector<std::string> logins = service.LoginHeads();
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
