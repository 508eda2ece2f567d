#include "skin/controls/skin_password_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/base/color.h"
#include "skin/data/skin_data.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

// The password field as the window places it: 273 wide on the "edit" skin,
// which makes it 19 high with the text area (2, 2, 271, 17) and 10-pixel cells.
class PasswordEditTest : public SkinControlsTest {
 protected:
  TksSkinPasswordEdit& Field(TksSkinData* skin) {
    auto* field = Place<TksSkinPasswordEdit>({40, 40, 313, 61}, skin);
    return *field;
  }
  void ClickInto(TksSkinPasswordEdit& field, int x = 30) {
    session.driver.Advance(1000);
    session.driver.Click(OnScreen(field, {x, 8}));
    Settle();
  }
  // The platform caret as it shows on the screen, from the field's top-left corner.
  TRect CaretOf(const TControl& field) {
    const TRect shown = session.system.CaretOverlay(Window()).BoundingBox();
    return shown.Offset(TPoint{0, 0} - OriginOf(field));
  }
};

TEST_F(PasswordEditTest, PastesButNeverCopiesOrCuts) {
  TksSkinPasswordEdit& field = Field(data);
  ClickInto(field);
  session.driver.TypeText("secret");
  session.system.SetClipboardText(u"clip");
  session.driver.PressKey(VK_HOME, TestDriver::Shift);
  for (int key : {int{'C'}, int{'X'}, VK_INSERT}) session.driver.PressKey(key, TestDriver::Ctrl);
  EXPECT_EQ(session.system.GetClipboardText(), u"clip");
  EXPECT_EQ(field.Text(), "secret");
  session.driver.PressKey(VK_END);
  session.driver.PressKey('V', TestDriver::Ctrl);
  session.driver.PressKey(VK_INSERT, TestDriver::Shift);
  EXPECT_EQ(field.Text(), "secretclipclip");
  // Ctrl+Shift+V is not paste.
  session.driver.PressKey('V', TestDriver::Ctrl | TestDriver::Shift);
  EXPECT_EQ(field.Text(), "secretclipclip");
}

TEST_F(PasswordEditTest, KeysMoveTheCaretByCharactersAndWords) {
  TksSkinPasswordEdit& field = Field(data);
  ClickInto(field);
  session.driver.TypeText("ab cd ef");
  EXPECT_EQ(field.CaretPosition(), 8);
  session.driver.PressKey(VK_HOME);
  EXPECT_EQ(field.CaretPosition(), 0);
  session.driver.PressKey(VK_END);
  EXPECT_EQ(field.CaretPosition(), 8);
  session.driver.PressKey(VK_LEFT, TestDriver::Ctrl);
  EXPECT_EQ(field.CaretPosition(), 6);
  session.driver.PressKey(VK_LEFT, TestDriver::Ctrl);
  EXPECT_EQ(field.CaretPosition(), 3);
  session.driver.PressKey(VK_RIGHT, TestDriver::Ctrl);
  EXPECT_EQ(field.CaretPosition(), 6);  // past the spaces to the next word
  session.driver.PressKey(VK_LEFT);
  EXPECT_EQ(field.CaretPosition(), 5);
  // The platform caret follows: x of position 5 is 2 + 5 cells.
  EXPECT_EQ(session.system.GetCaretPos(), (TPoint{2 + 50, 2}));
}

TEST_F(PasswordEditTest, ShiftSelectsAndDeletingASelectionKeepsTheRest) {
  TksSkinPasswordEdit& field = Field(data);
  ClickInto(field);
  session.driver.TypeText("ab cd ef");
  session.driver.PressKey(VK_LEFT, TestDriver::Shift);
  session.driver.PressKey(VK_LEFT, TestDriver::Shift);
  EXPECT_EQ(field.SelStart(), 6);
  EXPECT_EQ(field.SelLength(), 2);
  session.driver.PressKey(VK_HOME, TestDriver::Shift);
  EXPECT_EQ(field.SelStart(), 0);
  EXPECT_EQ(field.SelLength(), 8);
  session.driver.PressKey(VK_RIGHT, TestDriver::Shift | TestDriver::Ctrl);
  EXPECT_EQ(field.SelStart(), 3);
  EXPECT_EQ(field.SelLength(), 5);
  session.driver.PressKey(VK_BACK);
  EXPECT_EQ(field.Text(), "ab ");
  EXPECT_EQ(field.CaretPosition(), 3);
  // Nothing happens at the ends.
  session.driver.PressKey(VK_DELETE);
  EXPECT_EQ(field.Text(), "ab ");
  session.driver.PressKey(VK_HOME);
  session.driver.PressKey(VK_BACK);
  EXPECT_EQ(field.Text(), "ab ");
  session.driver.PressKey(VK_DELETE);
  EXPECT_EQ(field.Text(), "b ");
}

TEST_F(PasswordEditTest, TypingReplacesTheSelectionWithinMaxLength) {
  TksSkinPasswordEdit& field = Field(data);
  field.MaxLength = 4;
  int changes = 0;
  field.OnChange = [&](TObject*) { ++changes; };
  field.SetText("abcd");
  EXPECT_EQ(changes, 1);
  field.SetFocus();  // AutoSelect selects everything
  Settle();
  EXPECT_EQ(field.SelLength(), 4);
  session.driver.TypeText("x");
  EXPECT_EQ(field.Text(), "x");
  session.driver.TypeText("yzw");
  EXPECT_EQ(field.Text(), "xyzw");
  session.driver.TypeText("v");  // too long: nothing changes
  EXPECT_EQ(field.Text(), "xyzw");
  EXPECT_EQ(changes, 5);
  field.ReadOnly = true;
  session.driver.PressKey(VK_BACK);
  session.driver.TypeText("q");
  EXPECT_EQ(field.Text(), "xyzw");
}

TEST_F(PasswordEditTest, TheCursorOverTheFieldIsTheIBeamEvenWhenSetToZero) {
  TksSkinPasswordEdit& field = Field(data);
  for (int cursor : {crIBeam, crDefault}) {
    field.Cursor = cursor;
    session.driver.MoveTo(OnScreen(*form, {5, 300}));
    session.driver.MoveTo(OnScreen(field, {30, 8}));
    Settle();
    ASSERT_TRUE(session.backend.Cursor());
    EXPECT_EQ(session.backend.Cursor()->Standard, TStandardCursor::IBeam) << cursor;
  }
  field.Cursor = crHandPoint;
  session.driver.MoveTo(OnScreen(field, {40, 8}));
  Settle();
  EXPECT_EQ(session.backend.Cursor()->Standard, TStandardCursor::Hand);
}

TEST_F(PasswordEditTest, AClickPlacesTheCaretInTheCellUnderIt) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("abcdef");
  ClickInto(field, 25);  // (25 - 2) div 10 = 2
  EXPECT_EQ(field.CaretPosition(), 2);
  EXPECT_EQ(field.SelLength(), 0);  // the click replaces what AutoSelect selected
  ClickInto(field, 200);            // beyond the text: its end
  EXPECT_EQ(field.CaretPosition(), 6);
}

TEST_F(PasswordEditTest, DraggingSelectsFromThePressToThePointer) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("abcdef");
  Settle();
  session.driver.Drag(OnScreen(field, {5, 8}), OnScreen(field, {36, 8}));
  Settle();
  EXPECT_EQ(field.SelStart(), 0);
  EXPECT_EQ(field.SelLength(), 3);
  EXPECT_EQ(field.CaretPosition(), 3);
  // Back to the left of the press point: the selection turns round.
  session.driver.Advance(1000);
  session.driver.Drag(OnScreen(field, {45, 8}), OnScreen(field, {13, 8}));
  Settle();
  EXPECT_EQ(field.SelStart(), 1);
  EXPECT_EQ(field.SelLength(), 3);
  EXPECT_EQ(field.CaretPosition(), 1);
}

TEST_F(PasswordEditTest, ADoubleClickSelectsTheWordAndLeavesTheCaretAtItsEnd) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("ab cd ef");
  Settle();
  session.driver.DoubleClick(OnScreen(field, {45, 8}));  // in "cd"
  Settle();
  EXPECT_EQ(field.SelStart(), 3);
  EXPECT_EQ(field.SelLength(), 3);  // the word and the space after it
  EXPECT_EQ(field.CaretPosition(), 6);
  session.driver.PressKey(VK_RIGHT, TestDriver::Shift);  // it grows from the word's end
  EXPECT_EQ(field.SelStart(), 3);
  EXPECT_EQ(field.SelLength(), 4);
}

TEST_F(PasswordEditTest, TheFieldScrollsToKeepTheCaretInView) {
  TksSkinPasswordEdit& field = Field(data);
  ClickInto(field);
  session.driver.TypeText(std::string(26, 'a'));
  EXPECT_EQ(field.FirstVisible(), 1);  // 26 cells of 10 fit in 269 pixels
  session.driver.TypeText("bb");
  EXPECT_EQ(field.FirstVisible(), 3);
  session.driver.PressKey(VK_HOME);
  EXPECT_EQ(field.FirstVisible(), 1);
}

TEST_F(PasswordEditTest, TabAndEnterStayWithTheWindow) {
  TksSkinPasswordEdit& field = Field(data);
  EXPECT_EQ(field.Perform(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_WANTARROWS | DLGC_WANTCHARS));
}

TEST_F(PasswordEditTest, EachCharacterIsOneMarkInItsCell) {
  TksSkinPasswordEdit& field = Field(data);
  EXPECT_EQ(field.Height(), 19);
  EXPECT_EQ(field.TextArea(), (TRect{2, 2, 271, 17}));
  EXPECT_EQ(field.CellWidth(), 10);
  field.SetText("abc");
  Settle();
  // Cells of 10 x 15 from x 2; marks 6 x 7: (4, 6) to (10, 13) in the first cell.
  for (int k = 0; k < 3; ++k) {
    const int left = 2 + k * 10;
    EXPECT_EQ(PixelOf(field, {left + 5, 9}), clBlack) << k;
    EXPECT_NE(PixelOf(field, {left + 1, 9}), clBlack) << k;
    EXPECT_NE(PixelOf(field, {left + 5, 5}), clBlack) << k;
    EXPECT_NE(PixelOf(field, {left + 5, 13}), clBlack) << k;
    EXPECT_EQ(PixelOf(field, {left + 2, 9}), clBlack) << k;
    EXPECT_EQ(PixelOf(field, {left + 7, 9}), clBlack) << k;
  }
  EXPECT_EQ(CountOf(field, {32, 2, 271, 17}, clBlack), 0);
}

TEST_F(PasswordEditTest, RoundRectMarksAreRoundedAndRectMarksAreNot) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("a");
  Settle();
  const TRect mark{4, 6, 10, 13};  // 6 x 7
  EXPECT_NE(PixelOf(field, mark.TopLeft()), clBlack);
  EXPECT_NE(PixelOf(field, {mark.Right - 1, mark.Bottom - 1}), clBlack);
  EXPECT_EQ(PixelOf(field, {7, 9}), clBlack);
  field.SetPasswordKind(TksPasswordKind::pkRect);
  Settle();
  EXPECT_EQ(CountOf(field, mark, clBlack), 42);
}

TEST_F(PasswordEditTest, TheSelectionTakesTheSkinsColoursAndGreysWhenDisabled) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("abc");
  field.SetHideSelection(false);
  field.SetFocus();  // AutoSelect: all three selected
  Settle();
  const TColor highlight = data->SkinColors.cHighLight;
  ASSERT_NE(highlight, ColorToRGB(clHighlight));
  EXPECT_EQ(PixelOf(field, {3, 3}), highlight);  // the selection rectangle, around the marks
  EXPECT_EQ(PixelOf(field, {7, 9}), data->SkinColors.cHighLightText);
  field.SetEnabled(false);
  Settle();
  EXPECT_EQ(PixelOf(field, {7, 9}), TColor{8421504});  // "disabledfontcolor"
  EXPECT_EQ(PixelOf(field, {17, 9}), TColor{8421504});
}

TEST_F(PasswordEditTest, CharCaseChangesTheAsciiLettersOfSetTypedAndPastedText) {
  TksSkinPasswordEdit& field = Field(data);
  int changes = 0;
  field.OnChange = [&](TObject*) { ++changes; };
  field.SetText("Ab\xC3\xA9z1");  // "Abéz1"
  EXPECT_EQ(changes, 1);
  // Setting the case converts the text already there, and reports the change.
  field.SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(field.Text(), "AB\xC3\xA9Z1");  // é is no ASCII letter and stays
  EXPECT_EQ(changes, 2);
  field.SetText("pass word");
  EXPECT_EQ(field.Text(), "PASS WORD");
  // Setting the text it already holds, after conversion, is no change.
  field.SetText("Pass Word");
  EXPECT_EQ(changes, 3);
  ClickInto(field, 200);
  session.driver.TypeText("x");
  session.system.SetClipboardText(u"yQ");
  session.driver.PressKey('V', TestDriver::Ctrl);
  EXPECT_EQ(field.Text(), "PASS WORDXYQ");
  field.SetCharCase(TEditCharCase::ecLowerCase);
  EXPECT_EQ(field.Text(), "pass wordxyq");
  field.SetCharCase(TEditCharCase::ecNormal);
  session.driver.TypeText("Z");
  EXPECT_EQ(field.Text(), "pass wordxyqZ");
}

TEST_F(PasswordEditTest, SettingTheTextWhileFocusedMovesThePlatformCaret) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("abcdef");
  ClickInto(field, 200);  // the caret at the end: x 2 + 6 cells
  ASSERT_EQ(field.CaretPosition(), 6);
  EXPECT_EQ(CaretOf(field), (TRect{62, 2, 63, 17}));
  field.SetText("ab");  // the caret cannot stay past the end
  Settle();
  EXPECT_EQ(field.CaretPosition(), 2);
  EXPECT_EQ(CaretOf(field), (TRect{22, 2, 23, 17}));
  // Scrolled to the end of 40 characters (the first visible is the 15th), a
  // shorter text keeps the scroll and the caret sits after its 16th mark.
  field.SetText(std::string(40, 'a'));
  session.driver.PressKey(VK_END);
  ASSERT_EQ(field.FirstVisible(), 15);
  field.SetText(std::string(30, 'b'));
  Settle();
  EXPECT_EQ(field.CaretPosition(), 30);
  EXPECT_EQ(CaretOf(field).Left, 2 + 16 * 10);
}

TEST_F(PasswordEditTest, RightAndCentredTextMovesMarksAndCaret) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("abc");
  ClickInto(field, 260);  // the caret at the end
  // 269 pixels, 3 cells of 10: 239 free.
  field.SetTextAlignment(TAlignment::taRightJustify);
  Settle();
  EXPECT_EQ(CaretOf(field).Left, 2 + 239 + 30);
  EXPECT_EQ(PixelOf(field, {2 + 239 + 5, 9}), clBlack);
  EXPECT_NE(PixelOf(field, {7, 9}), clBlack);
  field.SetTextAlignment(TAlignment::taCenter);
  Settle();
  EXPECT_EQ(CaretOf(field).Left, 2 + 119 + 30);
  EXPECT_EQ(PixelOf(field, {2 + 119 + 5, 9}), clBlack);
  // A click is read against the moved origin: the second cell.
  ClickInto(field, 2 + 119 + 15);
  EXPECT_EQ(field.CaretPosition(), 1);
}

TEST_F(PasswordEditTest, UseSkinFontDecidesTheHeightAtOnce) {
  TksSkinPasswordEdit& field = Field(data);
  ASSERT_EQ(field.Height(), 19);
  field.SetUseSkinFont(false);
  field.SetBounds(40, 40, 273, 30);
  EXPECT_EQ(field.Height(), 30);  // not forced without the skin's font
  EXPECT_EQ(field.TextArea(), (TRect{2, 2, 271, 28}));
  field.SetUseSkinFont(true);
  EXPECT_EQ(field.Height(), 19);
  EXPECT_EQ(field.TextArea(), (TRect{2, 2, 271, 17}));
}

TEST_F(PasswordEditTest, ANewFieldHasTheDefaultsOfAnEdit) {
  auto* field = new TksSkinPasswordEdit(form);  // owned by the form
  EXPECT_EQ(field->BoundsRect().Width(), 121);
  EXPECT_EQ(field->BoundsRect().Height(), 21);
  EXPECT_EQ(field->Color(), clWindow);
  EXPECT_EQ(field->DefaultColor(), clWindow);
  EXPECT_TRUE(field->TabStop);
  EXPECT_EQ(field->Cursor, crIBeam);
  EXPECT_EQ(field->TextAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(field->CharCase(), TEditCharCase::ecNormal);
  EXPECT_TRUE(field->AutoSelect);
  EXPECT_TRUE(field->HideSelection());
  EXPECT_EQ(field->MaxLength, 0);
  EXPECT_FALSE(field->ReadOnly);
}

TEST_F(PasswordEditTest, PastingTakesTheFirstLineOnly) {
  TksSkinPasswordEdit& field = Field(data);
  ClickInto(field);
  session.system.SetClipboardText(u"secret\r\nnext line");
  session.driver.PressKey('V', TestDriver::Ctrl);
  EXPECT_EQ(field.Text(), "secret");
  session.system.SetClipboardText(u"\nonly after a break");
  session.driver.PressKey(VK_INSERT, TestDriver::Shift);
  EXPECT_EQ(field.Text(), "secret");
}

TEST_F(PasswordEditTest, SelectionAndBackgroundSettingsRepaintAtOnce) {
  TksSkinPasswordEdit& field = Field(data);
  field.SetText("abc");
  field.SetFocus();  // AutoSelect: all three selected
  Settle();
  Place<TksSkinPasswordEdit>({40, 120, 313, 141}, data)->SetFocus();
  Settle();
  const TColor highlight = data->SkinColors.cHighLight;
  EXPECT_NE(PixelOf(field, {3, 3}), highlight);  // hidden without the focus
  field.SetHideSelection(false);
  Settle();
  EXPECT_EQ(PixelOf(field, {3, 3}), highlight);
  TksSkinPasswordEdit& plain = *Place<TksSkinPasswordEdit>({40, 80, 313, 101}, nullptr);
  plain.SetDefaultColor(0xE0F0D0);
  Settle();
  EXPECT_EQ(PixelOf(plain, {150, 10}), TColor{0xE0F0D0});
}

}  // namespace
}  // namespace kx
