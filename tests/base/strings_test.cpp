#include "platform/base/strings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace kx {
namespace {

class LocaleScope {
 public:
  explicit LocaleScope(const char* name) : m_old(std::setlocale(LC_ALL, nullptr)) {
    m_ok = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~LocaleScope() { std::setlocale(LC_ALL, m_old.c_str()); }
  bool Ok() const { return m_ok; }

 private:
  std::string m_old;
  bool m_ok = false;
};

TEST(StringsTest, PlainAsciiLocaleCountsAsUtf8) {
  LocaleScope scope("C");
  EXPECT_EQ(SystemCodePage(), "UTF-8");
  EXPECT_EQ(AnsiToWide("\xD0\x9E\xD1\x88"), u"\u041E\u0448");
  EXPECT_EQ(WideToAnsi(u"\u041E\u0448\u0438\u0431\u043A\u0430"), "Ошибка");
}

TEST(StringsTest, Utf8RoundTripIncludingSurrogatePairs) {
  std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide.size(), 5u);
  EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(StringsTest, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");  // overlong NUL
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(StringsTest, SingleByteCodePageGoesThroughIconv) {
  LocaleScope scope("ru_RU.CP1251");
  if (!scope.Ok()) GTEST_SKIP() << "the CP1251 locale is not installed";
  EXPECT_EQ(AnsiToWide("\xCE\xF8"), u"\u041E\u0448");
  EXPECT_EQ(WideToAnsi(u"\u041E\u0448\u20AC\u4E00"), "\xCE\xF8\x88?");
}

TEST(StringsTest, TrimRemovesControlBytesAndBlanksAtBothEnds) {
  EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
  EXPECT_EQ(Trim("\x1F\x20"), "");
  EXPECT_EQ(Trim("\xC3\xA9"), "\xC3\xA9");
  EXPECT_TRUE(SameTextAscii("UnEnabledFontColor", "unenabledfontcolor"));
  EXPECT_FALSE(SameTextAscii("a", "ab"));
}

TEST(Utf8Characters, EachWellFormedSequenceIsOneCharacterAndEveryOtherByteOneToo) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
  EXPECT_EQ(Utf8CharSize(text, 0), 1u);
  EXPECT_EQ(Utf8CharSize(text, 1), 2u);
  EXPECT_EQ(Utf8CharSize(text, 3), 3u);
  EXPECT_EQ(Utf8CharSize(text, 6), 4u);
  EXPECT_EQ(Utf8CharSize(text, 10), 0u);
  EXPECT_EQ(Utf8CharStarts(text), (std::vector<std::size_t>{0, 1, 3, 6, 10}));
  EXPECT_EQ(Utf8CharCount(text), 4);
  EXPECT_EQ(Utf8CharStarts(""), (std::vector<std::size_t>{0}));
  // Cut, overlong, surrogate and out-of-range sequences and stray continuation
  // bytes: one character per byte.
  for (std::string bad :
       {"\xF0\x9F\x98", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80\xBF", "\xFF\xFE"}) {
    EXPECT_EQ(Utf8CharCount(bad), static_cast<int>(bad.size())) << bad.size();
    char32_t cp = 0;
    EXPECT_EQ(DecodeUtf8(bad, 0, &cp), 0u);
  }
  char32_t cp = 0;
  EXPECT_EQ(DecodeUtf8(text, 6, &cp), 4u);
  EXPECT_EQ(cp, U'\U0001F600');
}

TEST(Utf8Characters, CodePointsEncodeAndUnencodableOnesBecomeTheReplacement) {
  EXPECT_EQ(CodePointToUtf8(U'A'), "A");
  EXPECT_EQ(CodePointToUtf8(U'\u00E9'), "\xC3\xA9");
  EXPECT_EQ(CodePointToUtf8(U'\u20AC'), "\xE2\x82\xAC");
  EXPECT_EQ(CodePointToUtf8(U'\U0001F600'), "\xF0\x9F\x98\x80");
  EXPECT_EQ(CodePointToUtf8(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(CodePointToUtf8(0x110000), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kx
