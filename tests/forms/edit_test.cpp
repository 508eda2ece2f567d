#include "platform/forms/edit.h"

#include <gtest/gtest.h>

#include "platform/base/strings.h"
#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "platform/forms/menus.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

using M = TestDriver::Modifier;

TEST(EditBuffer, TypingGroupsIntoOneUndoAndUndoingTwiceRedoes) {
  EditBuffer b;
  b.SetText("abc");
  b.MoveCaret(3, false);
  for (char c : std::string("def")) b.ReplaceSelection(std::string(1, c));
  EXPECT_EQ(b.Text(), "abcdef");
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.Text(), "abc");
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.Text(), "abcdef");
  b.SetText("new");
  EXPECT_FALSE(b.CanUndo());
}

TEST(EditBuffer, MaxLengthCutsWhatIsInsertedAndDeletingAtTheEndsDoesNothing) {
  EditBuffer b;
  b.MaxLength = 5;
  b.SetText("abc");
  b.MoveCaret(1, false);
  EXPECT_TRUE(b.ReplaceSelection("XYZ"));
  EXPECT_EQ(b.Text(), "aXYbc");
  EXPECT_EQ(b.Caret(), 3);
  EXPECT_FALSE(b.ReplaceSelection("Q"));  // full
  b.SetSel(0, 2);
  EXPECT_TRUE(b.ReplaceSelection("123"));  // the selection makes room for two
  EXPECT_EQ(b.Text(), "12Ybc");
  b.MoveCaret(0, false);
  EXPECT_FALSE(b.DeleteBackward());
  b.MoveCaret(b.Length(), false);
  EXPECT_FALSE(b.DeleteForward());
}

TEST(EditBuffer, WordsAreSeparatedBySpacesAndCharCaseAppliesToInsertedText) {
  EditBuffer b;
  b.SetText("one  two three");
  EXPECT_EQ(b.WordRight(0), 5);
  EXPECT_EQ(b.WordRight(5), 9);
  EXPECT_EQ(b.WordRight(9), 14);
  EXPECT_EQ(b.WordLeft(14), 9);
  EXPECT_EQ(b.WordLeft(9), 5);
  EXPECT_EQ(b.WordLeft(4), 0);
  b.CharCase = TEditCharCase::ecUpperCase;
  b.MoveCaret(0, false);
  b.ReplaceSelection("x");
  EXPECT_EQ(b.Text(), "Xone  two three");
}

class EditTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TEdit* edit = new TEdit(form);
  TEdit* other = new TEdit(form);
  int changes = 0;
  ~EditTest() override { delete form; }
  void SetUp() override {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(100, 100, 300, 120);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 200, 21);
    other->SetParent(form);
    other->SetBounds(10, 50, 200, 21);
    edit->OnChange = [this](TObject*) { ++changes; };
    form->Show();
    session.driver.RunUntilIdle();
  }
  TestDriver& d() { return session.driver; }
  void ClickEdit(int x = 5) { d().ClickAt(edit->Handle(), {x, 8}); }
};

TEST_F(EditTest, TypingSelectingAndWordMovesEditTheText) {
  ClickEdit();
  d().TypeText("hello big world");
  EXPECT_EQ(edit->Text(), "hello big world");
  EXPECT_EQ(changes, 15);
  d().PressKey(VK_LEFT, M::Ctrl);
  d().PressKey(VK_LEFT, M::Ctrl | M::Shift);
  EXPECT_EQ(edit->SelText(), "big ");
  d().TypeText("small ");
  EXPECT_EQ(edit->Text(), "hello small world");
  d().PressKey(VK_HOME);
  d().PressKey(VK_END, M::Shift);
  EXPECT_EQ(edit->SelLength(), 17);
  d().PressKey(VK_DELETE);
  EXPECT_EQ(edit->Text(), "");
  d().TypeText("ab");
  d().PressKey(VK_BACK);
  EXPECT_EQ(edit->Text(), "a");
}

TEST_F(EditTest, NonAsciiTextIsTypedPastedAndCopiedByteForByte) {
  ClickEdit();
  d().TypeText("é€日本😀");
  EXPECT_EQ(edit->Text(), "é€日本😀");
  EXPECT_EQ(changes, 5);  // one change per character
  d().PressKey('A', M::Ctrl);
  d().PressKey('C', M::Ctrl);
  EXPECT_EQ(session.system.GetClipboardUtf8(), "é€日本😀");
  const std::string odd = "x\xE9\xF0\x9F";  // not UTF-8 after the x
  session.system.SetClipboardUtf8(odd + "\r\nsecond line");
  d().PressKey('V', M::Ctrl);
  EXPECT_EQ(edit->Text(), odd);
  EXPECT_EQ(edit->SelStart(), 4);
  d().PressKey(VK_BACK);
  EXPECT_EQ(edit->Text(), "x\xE9\xF0");
}

TEST_F(EditTest, TheCaretStopsOnlyBetweenCharacters) {
  ClickEdit();
  d().TypeText("a€b");
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = edit->Font();
  int x0 = session.system.GetCaretPos().X - scratch.Canvas().TextWidth("a€b");
  d().PressKey(VK_LEFT);
  EXPECT_EQ(session.system.GetCaretPos().X, x0 + scratch.Canvas().TextWidth("a€"));
  d().PressKey(VK_LEFT);
  EXPECT_EQ(session.system.GetCaretPos().X, x0 + scratch.Canvas().TextWidth("a"));
  EXPECT_EQ(edit->SelStart(), 1);
  // A click inside the euro sign lands before or after it, never inside it.
  int euro = scratch.Canvas().TextWidth("€");
  d().ClickAt(edit->Handle(), {x0 + scratch.Canvas().TextWidth("a") + euro / 2 + 1, 8});
  EXPECT_EQ(edit->SelStart(), 2);
  d().PressKey(VK_LEFT, M::Shift);
  EXPECT_EQ(edit->SelText(), "€");
}

TEST_F(EditTest, ClipboardKeysAndSingleLevelUndo) {
  ClickEdit();
  d().TypeText("copy me");
  d().PressKey('A', M::Ctrl);
  d().PressKey('C', M::Ctrl);
  EXPECT_EQ(WideToAnsi(session.system.GetClipboardText()), "copy me");
  d().PressKey(VK_END);
  d().PressKey('V', M::Ctrl);
  EXPECT_EQ(edit->Text(), "copy mecopy me");
  d().PressKey('Z', M::Ctrl);
  EXPECT_EQ(edit->Text(), "copy me");
  d().PressKey(VK_HOME);
  d().PressKey(VK_RIGHT, M::Shift);
  d().PressKey('X', M::Ctrl);
  EXPECT_EQ(edit->Text(), "opy me");
  EXPECT_EQ(WideToAnsi(session.system.GetClipboardText()), "c");
  d().PressKey(VK_INSERT, M::Shift);
  EXPECT_EQ(edit->Text(), "copy me");
}

TEST_F(EditTest, ReadOnlyAndMaxLengthKeepTheText) {
  edit->SetText("fixed");
  changes = 0;
  edit->SetReadOnly(true);
  ClickEdit();
  d().TypeText("x");
  d().PressKey(VK_BACK);
  d().PressKey(VK_DELETE);
  d().PressKey('V', M::Ctrl);
  EXPECT_EQ(edit->Text(), "fixed");
  d().PressKey('A', M::Ctrl);
  d().PressKey('C', M::Ctrl);  // copying still works
  EXPECT_EQ(WideToAnsi(session.system.GetClipboardText()), "fixed");
  EXPECT_EQ(changes, 0);

  edit->SetReadOnly(false);
  edit->SetMaxLength(7);
  d().PressKey(VK_END);
  d().TypeText("12345");
  EXPECT_EQ(edit->Text(), "fixed12");
}

TEST_F(EditTest, TabbingInSelectsAllButClickingPlacesTheCaret) {
  TApplication app{session.system, "edit_test"};
  d().SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  edit->SetText("alpha beta");
  other->SetFocus();
  d().PressKey(VK_TAB, M::Shift);
  ASSERT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelLength(), 10);
  d().TypeText("z");
  EXPECT_EQ(edit->Text(), "z");

  edit->SetText("alpha beta");
  other->SetFocus();
  ClickEdit(1);
  EXPECT_EQ(edit->SelLength(), 0);
  EXPECT_EQ(edit->SelStart(), 0);
  d().Advance(600);  // so the next two clicks are a double click of their own
  d().DoubleClickAt(edit->Handle(), {3, 8});
  EXPECT_EQ(edit->SelText(), "alpha ");
}

TEST_F(EditTest, DraggingSelectsAndEnterReachesOnKeyPressWithoutBeingInserted) {
  edit->SetText("drag over this");
  TPoint origin = session.system.ClientToScreen(edit->Handle(), {0, 8});
  d().Drag(origin + TPoint{1, 0}, origin + TPoint{150, 0});
  EXPECT_EQ(edit->SelText(), "drag over this");
  char pressed = 0;
  edit->OnKeyPress = [&](TObject*, char32_t& key) { pressed = key; };
  d().PressKey(VK_RETURN);
  EXPECT_EQ(pressed, '\r');
  EXPECT_EQ(edit->Text(), "drag over this");
}

TEST_F(EditTest, PasswordTextIsMaskedAndNotCopied) {
  session.system.SetClipboardText(u"before");
  edit->SetPasswordChar('*');
  edit->SetText("secret");
  ClickEdit();
  d().PressKey('A', M::Ctrl);
  d().PressKey('C', M::Ctrl);
  EXPECT_EQ(WideToAnsi(session.system.GetClipboardText()), "before");
  EXPECT_NE(session.system.GetStyle(edit->Handle()) & ES_PASSWORD, 0u);
  EXPECT_EQ(edit->Text(), "secret");
}

// Answers the colour request transparently and erases in yellow, as a skinned edit would.
class TransparentEdit : public TEdit {
 public:
  using TEdit::TEdit;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CN_CTLCOLOREDIT) {
      reinterpret_cast<CtlColorRequest*>(m.WParam)->Transparent = true;
      m.Result = 1;
      return;
    }
    if (m.Msg == WM_ERASEBKGND) {
      auto* canvas = reinterpret_cast<TCanvas*>(m.WParam);
      canvas->Brush().Color = clYellow;
      canvas->FillRect(ClientRect());
      m.Result = 1;
      return;
    }
    TEdit::WndProc(m);
  }
};

TEST_F(EditTest, TheParentsColourRequestDecidesTheBackground) {
  auto* clear = new TransparentEdit(form);
  clear->SetBorderStyle(TEditBorderStyle::bsNone);
  clear->SetParent(form);
  clear->SetBounds(10, 80, 100, 20);
  clear->SetText("x");
  d().RunUntilIdle();
  EXPECT_EQ(d().ClientPixel(clear->Handle(), {90, 10}), clYellow);
  EXPECT_EQ(d().ClientPixel(edit->Handle(), {190, 10}), ColorToRGB(clWindow));
}

TEST_F(EditTest, TheDefaultContextMenuOffersTheEditCommands) {
  edit->SetText("menu text");
  ClickEdit();
  std::vector<std::string> captions;
  std::vector<bool> enabled;
  bool popupShown = false;
  d().WhenModal([&](TestDriver& driver) {
    for (const auto& w : driver.TopLevelWindows())
      popupShown |= w.ClassName == "TPopupMenuWindow" && w.Visible;
    for (int i = 0; i < edit->DefaultContextMenu()->Items().Count(); ++i) {
      captions.push_back(edit->DefaultContextMenu()->Items().Items(i)->Caption);
      enabled.push_back(edit->DefaultContextMenu()->Items().Items(i)->Enabled);
    }
    driver.PressKey('A');  // the accelerator of "Select &All"
  });
  d().ClickAt(edit->Handle(), {20, 8}, 1);
  EXPECT_TRUE(popupShown);
  EXPECT_EQ(captions, (std::vector<std::string>{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete",
                                                "-", "Select &All"}));
  EXPECT_FALSE(enabled[0]);  // nothing to undo
  EXPECT_FALSE(enabled[2]);  // nothing selected
  EXPECT_TRUE(enabled[7]);
  EXPECT_EQ(edit->SelLength(), 9);
}

}  // namespace
}  // namespace kx
