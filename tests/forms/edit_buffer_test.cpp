#include "platform/forms/edit_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace kx {
namespace {

// "é" has two bytes, "€" and "日" three, "😀" four.
TEST(EditBufferCharacters, PositionsCountCodePointsOverUtf8Bytes) {
  EditBuffer b;
  b.SetText("é€日😀x");
  EXPECT_EQ(b.Length(), 5);
  EXPECT_EQ(b.ByteOffset(0), 0u);
  EXPECT_EQ(b.ByteOffset(1), 2u);
  EXPECT_EQ(b.ByteOffset(3), 8u);
  EXPECT_EQ(b.ByteOffset(4), 12u);
  EXPECT_EQ(b.ByteOffset(9), 13u);  // clamped to the end
  EXPECT_EQ(b.Slice(1, 4), "€日😀");
  b.SetSel(3, 1);
  EXPECT_EQ(b.SelStart(), 1);
  EXPECT_EQ(b.SelLength(), 2);
  EXPECT_EQ(b.SelText(), "€日");
  EXPECT_EQ(b.Caret(), 1);
}

TEST(EditBufferCharacters, DeletingTakesWholeCharacters) {
  EditBuffer b;
  b.SetText("é€日😀x");
  b.MoveCaret(4, false);
  ASSERT_TRUE(b.DeleteBackward());
  EXPECT_EQ(b.Text(), "é€日x");
  EXPECT_EQ(b.Caret(), 3);
  b.MoveCaret(0, false);
  ASSERT_TRUE(b.DeleteForward());
  EXPECT_EQ(b.Text(), "€日x");
  b.SetSel(0, 2);
  ASSERT_TRUE(b.DeleteBackward());
  EXPECT_EQ(b.Text(), "x");
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.Text(), "€日x");
  EXPECT_EQ(b.SelLength(), 2);
}

TEST(EditBufferCharacters, InsertingPlacesTheCaretAfterTheInsertedCharacters) {
  EditBuffer b;
  b.SetText("ab");
  b.MoveCaret(1, false);
  ASSERT_TRUE(b.ReplaceSelection("日本"));
  EXPECT_EQ(b.Text(), "a日本b");
  EXPECT_EQ(b.Caret(), 3);
  EXPECT_EQ(b.Anchor(), 3);
  // Typing one character at a time groups into one undo step, whatever its bytes.
  b.ReplaceSelection("😀");
  b.ReplaceSelection("é");
  EXPECT_EQ(b.Text(), "a日本😀éb");
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.Text(), "a日本b");
}

TEST(EditBufferCharacters, MaxLengthCountsCharactersAndCutsBetweenThem) {
  EditBuffer b;
  b.MaxLength = 4;
  b.SetText("日本");
  b.MoveCaret(2, false);
  EXPECT_TRUE(b.Fits("😀é"));
  EXPECT_FALSE(b.Fits("😀é€"));
  ASSERT_TRUE(b.ReplaceSelection("😀é€"));
  EXPECT_EQ(b.Text(), "日本😀é");  // the euro sign had no room, no byte of it went in
  EXPECT_EQ(b.Caret(), 4);
  EXPECT_FALSE(b.ReplaceSelection("x"));
  b.SetSel(0, 1);
  EXPECT_TRUE(b.Fits("x"));
  EXPECT_FALSE(b.Fits("xy"));
}

TEST(EditBufferCharacters, WordsOfMultiByteCharacters) {
  EditBuffer b;
  b.SetText("naïve  日本語 😀");
  EXPECT_EQ(b.WordRight(0), 7);
  EXPECT_EQ(b.WordRight(7), 11);
  EXPECT_EQ(b.WordRight(11), 12);
  EXPECT_EQ(b.WordLeft(12), 11);
  EXPECT_EQ(b.WordLeft(11), 7);
  EXPECT_EQ(b.WordLeft(3), 0);
  EXPECT_EQ(b.WordStart(9), 7);
  EXPECT_EQ(b.WordStart(7), 7);
  EXPECT_EQ(b.WordStart(6), 6);  // after a blank
  b.SelectWord(8);
  EXPECT_EQ(b.SelText(), "日本語 ");
  EXPECT_EQ(b.Caret(), 11);
}

TEST(EditBufferCharacters, BytesThatAreNotUtf8AreKeptOneCharacterEach) {
  // A lone lead byte, a stray continuation byte, an overlong "/" and a cut
  // four-byte sequence.
  const std::string odd =
      "a\xC3"
      "b\x80"
      "\xC0\xAF"
      "\xF0\x9F\x98";
  EditBuffer b;
  b.SetText(odd);
  EXPECT_EQ(b.Text(), odd);
  EXPECT_EQ(b.Length(), 9);
  b.MoveCaret(b.Length(), false);
  ASSERT_TRUE(b.DeleteBackward());
  EXPECT_EQ(b.Text(), odd.substr(0, odd.size() - 1));
  b.MoveCaret(1, false);
  ASSERT_TRUE(b.DeleteForward());
  EXPECT_EQ(b.Text(), "ab\x80\xC0\xAF\xF0\x9F");
  b.SelectAll();
  ASSERT_TRUE(b.ReplaceSelection(odd));
  EXPECT_EQ(b.Text(), odd);
}

TEST(EditBufferCharacters, CharCaseChangesOnlyAsciiLetters) {
  EditBuffer b;
  b.CharCase = TEditCharCase::ecUpperCase;
  b.SetText("straße é");
  EXPECT_EQ(b.Text(), "STRAßE é");
  EXPECT_EQ(ApplyCharCase("ÀBC\xE9", TEditCharCase::ecLowerCase), "Àbc\xE9");
}

}  // namespace
}  // namespace kx
