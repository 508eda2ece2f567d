// What a user of the main window reaches for beyond the login: Enter in the
// fields, the details following the keyboard's selection, F5 and copying.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/match_feed.h"
#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/controls.h"
#include "platform/window/api.h"
#include "skin/controls/skin_label.h"
#include "skin/frame/skin_frame.h"
#include "skin/menu/skin_menu.h"
#include "tests/app/login_flow_fixture.h"

namespace kx {
namespace {

constexpr int kF5 = VK_F1 + 4;

// A feed of `count` matches with ids 1, 2, ...: home team "Home <id>", count
// 100 and countv equal to the id, so that the percent names the match too.
std::string NumberedFeed(int count, int firstId = 1) {
  std::string feed;
  for (int id = firstId; id < firstId + count; ++id) {
    std::string n = std::to_string(id);
    feed += "<match><id>" + n + "</id><time>1" + n + ":00</time><home>Home " + n +
            "</home><away>Away</away><liga>Spain. La Liga</liga><count>100</count><countv>" + n +
            "</countv></match>";
  }
  return feed;
}

class UserKeysTest : public LoginFlowTest {
 protected:
  // Logs in to a service that serves feed and returns it.
  void LoginTo(ScriptedService& service) {
    Open(service.Host());
    Login("demo", "demo");
    ASSERT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet2);
  }
  void ClickRow(int row) {
    GridLayout layout(*form->NG, form->NG->ClientRect());
    session.driver.ClickAt(form->NG->Handle(), {250, layout.RowTop(row) + 5});
    Settle();
  }
  void Press(int vk, unsigned modifiers = TestDriver::None) {
    session.driver.PressKey(vk, modifiers);
    Settle();
  }
  // The match the detail panel shows: its home team and its percent.
  std::string Details() {
    if (form->MG->RowCount() == 0) return "";
    const std::u16string home = form->MG->Cells(3, 0);
    return std::string(home.begin(), home.end()) + " " + form->prpr->Caption();
  }
};

TEST_F(UserKeysTest, EnterInTheLoginOrThePasswordFieldLogsIn) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  session.driver.Click(form->passedit->ClientToScreen({30, 8}));
  Settle();
  session.driver.TypeText("demo");
  form->loginedit->SetCaption("demo");
  Press(VK_RETURN);
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet2);
  EXPECT_EQ(form->NG->RowCount(), 2);
  ASSERT_EQ(service.LoginHeads().size(), 2u);
  EXPECT_EQ(service.LoginHeads()[0].rfind("GET /login/kestrix.php?login=demo&pass=demo ", 0), 0u);
}

TEST_F(UserKeysTest, AfterALoginByEnterTheKeysGoToTheMatchTable) {
  ScriptedService service("200 OK", "OK", NumberedFeed(5));
  Open(service.Host());
  form->loginedit->SetCaption("demo");
  session.driver.Click(form->passedit->ClientToScreen({30, 8}));
  Settle();
  session.driver.TypeText("demo");
  Press(VK_RETURN);
  ASSERT_EQ(form->NG->RowCount(), 5);
  EXPECT_EQ(form->ActiveControl(), form->NG);
  // Enter again does not log in a second time from the hidden field.
  Press(VK_RETURN);
  EXPECT_EQ(service.LoginHeads().size(), 2u);
  Press(VK_HOME);
  EXPECT_EQ(form->NG->SelectedRow(), 0);
  EXPECT_EQ(Details(), "Home 1 1%");
}

TEST_F(UserKeysTest, TabTakesTheLoginFieldToThePasswordField) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  session.driver.Click(form->loginedit->ClientToScreen({30, 8}));
  Settle();
  session.driver.TypeText("demo");
  Press(VK_TAB);
  session.driver.TypeText("pw");
  Settle();
  EXPECT_EQ(form->loginedit->Caption(), "demo");
  EXPECT_EQ(form->passedit->Text(), "pw");
}

TEST_F(UserKeysTest, EnterInTheLoginFieldLogsInAndEscDoesNot) {
  ScriptedService service("200 OK", "Login Failed", kFeed);
  Open(service.Host());
  session.driver.Click(form->loginedit->ClientToScreen({30, 8}));
  Settle();
  session.driver.TypeText("demo");
  Press(VK_ESCAPE);
  EXPECT_TRUE(service.LoginHeads().empty());
  Press(VK_RETURN);
  // The service refused it: the refusal shows, as after a click on LOGIN.
  EXPECT_EQ(messages, std::vector<std::string>{"Autorization Failed!"});
  ASSERT_EQ(service.LoginHeads().size(), 1u);
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet1);
}

TEST_F(UserKeysTest, TheDetailsFollowTheSelectionThatTheKeyboardMoves) {
  ScriptedService service("200 OK", "OK", NumberedFeed(60));
  LoginTo(service);
  ASSERT_EQ(form->NG->RowCount(), 60);
  ClickRow(0);
  EXPECT_EQ(Details(), "Home 1 1%");
  Press(VK_DOWN);
  EXPECT_EQ(form->NG->SelectedRow(), 1);
  EXPECT_EQ(Details(), "Home 2 2%");
  Press(VK_NEXT);
  const int paged = form->NG->SelectedRow();
  EXPECT_GT(paged, 1);
  EXPECT_EQ(Details(), "Home " + std::to_string(paged + 1) + " " + std::to_string(paged + 1) + "%");
  Press(VK_END);
  EXPECT_EQ(Details(), "Home 60 60%");
  Press(VK_UP);
  EXPECT_EQ(Details(), "Home 59 59%");
  Press(VK_HOME);
  EXPECT_EQ(Details(), "Home 1 1%");
  // A key that does not move the selection leaves the panel alone.
  form->prpr->SetCaption("kept");
  Press(VK_HOME);
  EXPECT_EQ(form->prpr->Caption(), "kept");
}

TEST_F(UserKeysTest, F5ReloadsTheMatchesOnTheSameClientAndReselectsTheMatch) {
  ScriptedService service("200 OK", "OK", NumberedFeed(3));
  // The next feed: two matches before the selected one, and its percent changed.
  service.AddReload(OkResponse(NumberedFeed(2, 20) +
                               "<match><id>2</id><home>Home 2</home><count>4</count>"
                               "<countv>3</countv></match>" +
                               NumberedFeed(2, 30)));
  LoginTo(service);
  ClickRow(1);
  ASSERT_EQ(Details(), "Home 2 2%");
  Press(kF5);
  EXPECT_TRUE(messages.empty());
  std::vector<std::string> logins = service.LoginHeads();
  ASSERT_EQ(logins.size(), 3u);
  EXPECT_EQ(logins[2].substr(0, logins[2].find(" HTTP")),
            logins[0].substr(0, logins[0].find(" HTTP")));
  EXPECT_NE(logins[2].find("Cookie: session=s1"), std::string::npos);
  EXPECT_EQ(form->NG->RowCount(), 5);
  EXPECT_EQ(form->fcount->Caption(), "Count: 5");
  EXPECT_EQ(form->NG->Cells(3, 0), u"Home 20");
  EXPECT_EQ(form->NG->SelectedRow(), 2);
  EXPECT_TRUE(form->NG->Cells(0, 2) == u"2");
  EXPECT_EQ(Details(), "Home 2 75%");
}

TEST_F(UserKeysTest, AReloadWithoutTheSelectedMatchEmptiesTheDetails) {
  ScriptedService service("200 OK", "OK", NumberedFeed(3));
  service.AddReload(OkResponse(NumberedFeed(4, 10)));
  LoginTo(service);
  ClickRow(2);
  Press(kF5);
  EXPECT_EQ(form->NG->RowCount(), 4);
  EXPECT_EQ(form->fcount->Caption(), "Count: 4");
  EXPECT_EQ(form->NG->SelectedRow(), -1);
  EXPECT_EQ(form->MG->RowCount(), 0);
  EXPECT_EQ(form->NS->RowCount(), 0);
  EXPECT_EQ(form->prpr->Caption(), "0%");
}

TEST_F(UserKeysTest, ARefusedOrFailedReloadShowsItsMessageAndKeepsTheTable) {
  ScriptedService service("200 OK", "OK", NumberedFeed(3));
  service.AddReload(OkResponse("Authorization Failed"));
  service.AddReload(
      "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 4\r\n"
      "Connection: close\r\n\r\nbusy");
  LoginTo(service);
  ClickRow(1);
  Press(kF5);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], AuthorisationFailedMessage());
  Press(kF5);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], "HTTP/1.1 503 Service Unavailable");
  EXPECT_EQ(form->NG->RowCount(), 3);
  EXPECT_EQ(form->fcount->Caption(), "Count: 3");
  EXPECT_EQ(form->NG->SelectedRow(), 1);
  EXPECT_EQ(Details(), "Home 2 2%");
  EXPECT_EQ(service.LoginHeads().size(), 4u);
}

TEST_F(UserKeysTest, F5OnTheAboutPageSendsNothing) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  Press(kF5);
  EXPECT_TRUE(service.Heads().empty());
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet1);
}

TEST_F(UserKeysTest, AltSpaceStillOpensTheWindowMenuOnBothPages) {
  ScriptedService service("200 OK", "OK", kFeed);
  Open(service.Host());
  TksSkinMenu& menu = form->ksSkinFrame1->SkinMenu();
  Press(VK_SPACE, TestDriver::Alt);
  EXPECT_TRUE(menu.Visible());
  Press(VK_ESCAPE);
  EXPECT_FALSE(menu.Visible());
  Login("demo", "demo");
  Press(VK_SPACE, TestDriver::Alt);
  EXPECT_TRUE(menu.Visible());
  Press(VK_ESCAPE);
}

TEST_F(UserKeysTest, CtrlCCopiesTheSelectedMatchAndCtrlShiftCTheWholeTable) {
  ScriptedService service("200 OK", "OK", kFeed);
  LoginTo(service);
  const std::u16string header =
      u"Fl\tTime\tHome\tAway\t1\tX\t2\t1\tX\t2\t0.5\t1.5\t2.5\tBTTS\tPrecent\n";
  const std::u16string first =
      u"England. Premier League\t18:00\tHome FC\tAway FC\t1.5\t3.2\t5.1\t1\t2\t3\t4\t5\t6\t7\t50\n";
  const std::u16string second = u"Spain. La Liga\t\tSecond\tOther\t\t\t\t0\t0\t0\t0\t0\t0\t0\t0\n";
  // Nothing selected: nothing copied.
  session.system.SetClipboardText(u"before");
  Press('C', TestDriver::Ctrl);
  EXPECT_EQ(session.system.GetClipboardText(), u"before");
  ClickRow(1);
  Press('C', TestDriver::Ctrl);
  EXPECT_EQ(session.system.GetClipboardText(), header + second);
  Press('C', TestDriver::Ctrl | TestDriver::Shift);
  EXPECT_EQ(session.system.GetClipboardText(), header + first + second);
  // Moved columns copy in the order they are shown.
  form->NG->Columns().MovePosition(3, 2);
  Press('C', TestDriver::Ctrl);
  EXPECT_EQ(session.system.GetClipboardText().substr(0, 18), u"Fl\tHome\tTime\tAway\t");
}

TEST_F(UserKeysTest, ATabOrLineBreakInsideATextCannotBreakTheCopiedLines) {
  ScriptedService service("200 OK", "OK",
                          "<match><id>1</id><home>A\tB</home><away>C\nD</away></match>");
  LoginTo(service);
  ClickRow(0);
  Press('C', TestDriver::Ctrl);
  std::u16string copied = session.system.GetClipboardText();
  EXPECT_NE(copied.find(u"\tA B\tC D\t"), std::u16string::npos);
  EXPECT_EQ(std::count(copied.begin(), copied.end(), u'\n'), 2);
}

}  // namespace
}  // namespace kx
