#include "platform/base/strings.h"

#include <iconv.h>
#include <langinfo.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace kx {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsUtf8Name(const std::string& name) {
  std::string lower = LowerCaseAscii(name);
  return lower == "utf-8" || lower == "utf8";
}

bool IsAsciiName(const std::string& name) {
  std::string lower = LowerCaseAscii(name);
  return lower == "ansi_x3.4-1968" || lower == "ascii" || lower == "us-ascii" || lower.empty();
}

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (Valid()) iconv_close(m_handle);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool Valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return m_handle; }

 private:
  iconv_t m_handle;
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(WideString& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<char16_t>(cp);
  }
}

// Converts through iconv byte by byte on errors so that one bad byte costs one
// replacement character and never the rest of the text.
std::string IconvConvert(const char* to, const char* from, std::string_view input,
                         std::string_view replacement, std::size_t unitSize) {
  IconvHandle cd(to, from);
  if (!cd.Valid()) return {};
  std::string out;
  std::vector<char> buffer(4096);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t rc = iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: skip one input unit and emit the replacement.
      std::size_t skip = std::min(unitSize, inLeft);
      in += skip;
      inLeft -= skip;
      out.append(replacement);
      iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace

std::string SystemCodePage() {
  const char* codeset = nl_langinfo(CODESET);
  std::string name = codeset ? codeset : "";
  if (IsAsciiName(name)) return "UTF-8";
  return name;
}

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t* codePoint) {
  auto b0 = static_cast<unsigned char>(text[pos]);
  char32_t cp = 0;
  std::size_t len = 0;
  if (b0 < 0x80) {
    cp = b0;
    len = 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    cp = b0 & 0x1F;
    len = 2;
  } else if ((b0 & 0xF0) == 0xE0) {
    cp = b0 & 0x0F;
    len = 3;
  } else if ((b0 & 0xF8) == 0xF0) {
    cp = b0 & 0x07;
    len = 4;
  } else {
    return 0;
  }
  if (pos + len > text.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    auto b = static_cast<unsigned char>(text[pos + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinForLength[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinForLength[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  if (codePoint) *codePoint = cp;
  return len;
}

std::size_t Utf8CharSize(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  return std::max<std::size_t>(1, DecodeUtf8(text, pos, nullptr));
}

std::vector<std::size_t> Utf8CharStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  std::size_t i = 0;
  while (i < text.size()) {
    starts.push_back(i);
    i += Utf8CharSize(text, i);
  }
  starts.push_back(text.size());
  return starts;
}

int Utf8CharCount(std::string_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); i += Utf8CharSize(text, i)) ++count;
  return count;
}

std::string CodePointToUtf8(char32_t codePoint) {
  std::string out;
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) codePoint = 0xFFFD;
  AppendUtf8(out, codePoint);
  return out;
}

WideString Utf8ToUtf16(std::string_view text) {
  WideString out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    std::size_t len = DecodeUtf8(text, i, &cp);
    if (len == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    AppendUtf16(out, cp);
    i += len;
  }
  return out;
}

std::u32string Utf16ToUtf32(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      out += static_cast<char32_t>(0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      out += kReplacement;
    } else {
      out += u;
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : Utf16ToUtf32(text)) AppendUtf8(out, cp);
  return out;
}

WideString AnsiToWide(std::string_view text) {
  // ASCII reads the same in every code page the program meets: no lookup needed.
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return WideString(text.begin(), text.end());
  }
  std::string codePage = SystemCodePage();
  if (IsUtf8Name(codePage)) return Utf8ToUtf16(text);
  std::string utf16 = IconvConvert("UTF-16LE", codePage.c_str(), text, "\xFD\xFF", 1);
  WideString out(utf16.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                   (static_cast<unsigned char>(utf16[2 * i + 1]) << 8));
  }
  return out;
}

AnsiString WideToAnsi(std::u16string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char16_t u) { return u < 0x80; })) {
    return AnsiString(text.begin(), text.end());
  }
  std::string codePage = SystemCodePage();
  if (IsUtf8Name(codePage)) return Utf16ToUtf8(text);
  std::string utf16;
  utf16.reserve(text.size() * 2);
  for (char16_t u : text) {
    utf16 += static_cast<char>(u & 0xFF);
    utf16 += static_cast<char>(u >> 8);
  }
  return IconvConvert(codePage.c_str(), "UTF-16LE", utf16, "?", 2);
}

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

std::string LowerCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string UpperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace kx
