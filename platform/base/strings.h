#pragma once

#include <string>
#include <string_view>
#include <vector>

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
// Decodes the well-formed UTF-8 sequence at pos into codePoint (when not null)
// and returns its length in bytes; 0 when no well-formed sequence starts there.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t* codePoint);
// The byte length of the character at pos: its sequence, or 1 for a byte that
// starts no well-formed sequence (such a byte is a character of its own);
// 0 at or past the end.
std::size_t Utf8CharSize(std::string_view text, std::size_t pos);
// The byte offset of every character of text, followed by text's size.
std::vector<std::size_t> Utf8CharStarts(std::string_view text);
int Utf8CharCount(std::string_view text);
// One code point as UTF-8 (surrogates and values past U+10FFFF as U+FFFD).
std::string CodePointToUtf8(char32_t codePoint);
// Decodes UTF-16 to code points; unpaired surrogates become U+FFFD.
std::u32string Utf16ToUtf32(std::u16string_view text);

// Removes bytes of code 32 or less at both ends.
std::string_view Trim(std::string_view text);
std::string LowerCaseAscii(std::string_view text);
std::string UpperCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace kx
