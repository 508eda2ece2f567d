#pragma once

#include <string>
#include <string_view>

namespace kx {

// 8-bit text in the system code page (window texts, the feed, URLs, credentials).
using AnsiString = std::string;
// UTF-16 text (grid cells compare UTF-16 code units).
using WideString = std::u16string;

// The character set 8-bit text is in: the locale's codeset, with plain ASCII
// locales ("C", "POSIX") counting as UTF-8.
std::string SystemCodePage();

// Conversions through the system code page. Bytes that the code page cannot
// decode become U+FFFD; characters it cannot encode become "?".
WideString AnsiToWide(std::string_view text);
AnsiString WideToAnsi(std::u16string_view text);

// UTF-8 <-> UTF-16 conversions that do not depend on the locale.
WideString Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Decodes UTF-16 to code points; unpaired surrogates become U+FFFD.
std::u32string Utf16ToUtf32(std::u16string_view text);

// Removes bytes of code 32 or less at both ends.
std::string_view Trim(std::string_view text);
std::string LowerCaseAscii(std::string_view text);
std::string UpperCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace kx
