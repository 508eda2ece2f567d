#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_password_edit.h"

namespace kx {
namespace {

// Two-, three- and four-byte characters.
const std::string kWord = "é€日本😀";

// The login and password fields of the main window, opened in a directory
// that holds the given credentials file (none when empty).
class UnicodeInputTest : public ::testing::Test {
 protected:
  ~UnicodeInputTest() override {
    app.reset();
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }
  void Open(const std::string& credentials = {}) {
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    if (!credentials.empty()) std::ofstream("qev.log", std::ios::binary) << credentials;
    app = std::make_unique<TApplication>(session.system, "/usr/bin/kestrix");
    session.driver.SetMessageHandler([this](TMsg& m) { app->DispatchOne(m); });
    app->CreateForm(form);
    form->Show();
    Settle();
  }
  void Settle() { session.driver.RunUntilIdle(); }
  TksSkinEdit& Login() { return *form->loginedit; }
  TksSkinPasswordEdit& Password() { return *form->passedit; }
  void ClickInto(TControl& field, int x = 30) {
    session.driver.Click(field.ClientToScreen({x, 8}));
    Settle();
  }
  void Key(int vk, unsigned modifiers = TestDriver::None) {
    session.driver.PressKey(vk, modifiers);
    Settle();
  }
  // Whether the password field shows a mark in character cell k (10 pixels
  // wide from x 2, its mark in the middle).
  bool MarkInCell(int k) {
    TColor c = session.driver.ClientPixel(Password().Handle(), {2 + 10 * k + 5, 9});
    return c == clBlack;
  }
  int Marks() {
    int k = 0;
    while (k < 26 && MarkInCell(k)) ++k;
    return k;
  }

  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kx-unicode-" + std::to_string(::getpid()));
  HeadlessSession session{{1200, 800}};
  std::unique_ptr<TApplication> app;
  TForm1* form = nullptr;
};

TEST_F(UnicodeInputTest, TypedPastedAndLoadedTextArriveByteIdenticalInBothFields) {
  Open(kWord + "\r\n" + kWord + "\r\n");
  EXPECT_EQ(Login().Caption(), kWord);
  EXPECT_EQ(Password().Text(), kWord);
  EXPECT_EQ(Marks(), 5);

  ClickInto(Login());
  Key('A', TestDriver::Ctrl);
  session.driver.TypeText(kWord);
  Settle();
  EXPECT_EQ(Login().Caption(), kWord);
  Key('A', TestDriver::Ctrl);
  session.system.SetClipboardUtf8(kWord);
  Key('V', TestDriver::Ctrl);
  EXPECT_EQ(Login().Caption(), kWord);

  ClickInto(Password());
  Password().SetText("");
  session.driver.TypeText(kWord);
  Settle();
  EXPECT_EQ(Password().Text(), kWord);
  EXPECT_EQ(Password().CaretPosition(), 5);
  Password().SetText("");
  Key('V', TestDriver::Ctrl);
  EXPECT_EQ(Password().Text(), kWord);
  EXPECT_EQ(Marks(), 5);  // one mark per character, not per byte
}

TEST_F(UnicodeInputTest, OnKeyPressSeesWholeCharactersAndAsciiUnchanged) {
  Open();
  std::vector<char32_t> keys;
  Login().OnKeyPress = [&](TObject*, char32_t& key) { keys.push_back(key); };
  ClickInto(Login());
  session.driver.TypeText("a€😀");
  Key(VK_RETURN);
  EXPECT_EQ(keys, (std::vector<char32_t>{U'a', U'€', U'😀', U'\r'}));
  EXPECT_EQ(Login().Caption(), "a€😀");
}

TEST_F(UnicodeInputTest, PasswordKeysMoveSelectAndDeleteWholeCharacters) {
  Open();
  ClickInto(Password());
  session.driver.TypeText("ab 日本語 €x");  // 9 characters
  Settle();
  ASSERT_EQ(Password().CaretPosition(), 9);
  Key(VK_BACK);
  EXPECT_EQ(Password().Text(), "ab 日本語 €");
  Key(VK_LEFT);
  Key(VK_BACK);  // the blank before the euro sign
  EXPECT_EQ(Password().Text(), "ab 日本語€");
  Key(VK_LEFT, TestDriver::Ctrl);  // to the start of "日本語€"
  EXPECT_EQ(Password().CaretPosition(), 3);
  Key(VK_DELETE);
  EXPECT_EQ(Password().Text(), "ab 本語€");
  Key(VK_RIGHT, TestDriver::Shift);
  Key(VK_RIGHT, TestDriver::Shift);
  EXPECT_EQ(Password().SelStart(), 3);
  EXPECT_EQ(Password().SelLength(), 2);
  session.driver.TypeText("é");
  Settle();
  EXPECT_EQ(Password().Text(), "ab é€");
  Key(VK_HOME);
  Key(VK_RIGHT, TestDriver::Ctrl);
  EXPECT_EQ(Password().CaretPosition(), 3);

  // A double click selects the word under the caret and the blanks after it.
  Password().SetText("ab 日本 c");
  session.driver.DoubleClick(Password().ClientToScreen({2 + 10 * 3 + 3, 8}));
  Settle();
  EXPECT_EQ(Password().SelStart(), 3);
  EXPECT_EQ(Password().SelLength(), 3);
  EXPECT_EQ(Password().CaretPosition(), 6);
}

TEST_F(UnicodeInputTest, PasswordMaxLengthCountsCharactersAndRefusesWhatDoesNotFit) {
  Open();
  Password().MaxLength = 3;
  ClickInto(Password());
  session.driver.TypeText("日本語");
  Settle();
  EXPECT_EQ(Password().Text(), "日本語");  // nine bytes, three characters
  session.driver.TypeText("x");
  Settle();
  EXPECT_EQ(Password().Text(), "日本語");
  Key(VK_LEFT, TestDriver::Shift);
  session.system.SetClipboardUtf8("😀😀");
  Key('V', TestDriver::Ctrl);  // would make four: only the selection goes
  EXPECT_EQ(Password().Text(), "日本語");
  EXPECT_EQ(Password().SelLength(), 0);
  EXPECT_EQ(Password().CaretPosition(), 2);
  Key(VK_END);
  Key(VK_LEFT, TestDriver::Shift);
  session.driver.TypeText("😀");
  Settle();
  EXPECT_EQ(Password().Text(), "日本😀");
}

TEST_F(UnicodeInputTest, InvalidBytesStayAsTheyCameOneCharacterEach) {
  // A lone lead byte, a stray continuation byte and a cut four-byte sequence.
  const std::string odd =
      "a\xC3"
      "b\x80"
      "\xF0\x9F\x98";
  Open("user\xE9\r\n" + odd + "\r\n");
  EXPECT_EQ(Login().Caption(), "user\xE9");
  EXPECT_EQ(Password().Text(), odd);
  EXPECT_EQ(Marks(), 7);

  ClickInto(Password());
  Key(VK_END);
  Key(VK_BACK);  // one byte of the cut sequence, no more
  EXPECT_EQ(Password().Text(), odd.substr(0, odd.size() - 1));
  Password().SetText("");
  session.system.SetClipboardUtf8(odd);
  Key(VK_INSERT, TestDriver::Shift);
  EXPECT_EQ(Password().Text(), odd);

  ClickInto(Login());
  Key('A', TestDriver::Ctrl);
  Key('V', TestDriver::Ctrl);
  EXPECT_EQ(Login().Caption(), odd);
  Key(VK_HOME);
  Key(VK_DELETE);
  Key(VK_DELETE);  // "a" and the lone lead byte
  EXPECT_EQ(Login().Caption(), odd.substr(2));
}

TEST_F(UnicodeInputTest, TheLoginFieldEditsWholeCharacters) {
  Open();
  ClickInto(Login());
  session.driver.TypeText("naïve 日本語 😀");
  Settle();
  Key(VK_LEFT, TestDriver::Ctrl | TestDriver::Shift);
  EXPECT_EQ(Login().SelText(), "😀");
  Key(VK_LEFT, TestDriver::Ctrl | TestDriver::Shift);
  EXPECT_EQ(Login().SelText(), "日本語 😀");
  Key(VK_BACK);
  EXPECT_EQ(Login().Caption(), "naïve ");
  Key(VK_HOME);
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_RIGHT, TestDriver::Shift);
  EXPECT_EQ(Login().SelText(), "ï");
  Key(VK_DELETE);
  EXPECT_EQ(Login().Caption(), "nave ");
  Login().SetMaxLength(6);
  Key(VK_END);
  session.driver.TypeText("€€");
  Settle();
  EXPECT_EQ(Login().Caption(), "nave €");
  // A double click selects a whole word of multi-byte characters.
  Login().SetCaption("ab 日本語 cd");
  session.driver.DoubleClick(Login().ClientToScreen({40, 8}));
  Settle();
  EXPECT_EQ(Login().SelText(), "日本語 ");
}

}  // namespace
}  // namespace kx
