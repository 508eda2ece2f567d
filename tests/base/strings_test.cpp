#include "platform/base/strings.h"

#include <gtest/gtest.h>

#include <clocale>

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

}  // namespace
}  // namespace kx
