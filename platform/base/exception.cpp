#include "platform/base/exception.h"

#include <cstring>

namespace kx {

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      char spec = pattern[i + 1];
      if (spec == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (spec == 's' || spec == 'd') {
        if (next != args.end()) out += *next++;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::string FormatMessage(std::string_view pattern, int number) {
  std::string text = std::to_string(number);
  return FormatMessage(pattern, {text});
}

void ThrowListIndexError(int index) {
  throw EListError(FormatMessage(SListIndexError, index));
}

std::string SystemErrorText(int errorNumber) {
  char buffer[256] = {};
  // The GNU strerror_r returns the text, which may or may not be the buffer.
  const char* text = strerror_r(errorNumber, buffer, sizeof buffer);
  return text ? std::string(text) : std::string("Unknown error ") + std::to_string(errorNumber);
}

}  // namespace kx
