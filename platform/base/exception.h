#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kx {

// Base of every error the program reports; the message is the text the user sees.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EConvertError : public Exception {
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
class EStreamError : public Exception {
  using Exception::Exception;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EOutOfResources : public Exception {
  using Exception::Exception;
};

// The framework's message formats.
inline constexpr std::string_view SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr std::string_view SInvalidFloat = "'%s' is not a valid floating point value";
inline constexpr std::string_view SListIndexError = "List index out of bounds (%d)";
inline constexpr std::string_view SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr std::string_view SFCreateErrorEx = "Cannot create file \"%s\". %s";

// Replaces each "%s" and "%d" of the pattern, in order, with the next argument;
// "%%" gives "%". Missing arguments leave the placeholder empty.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);
std::string FormatMessage(std::string_view pattern, int number);

[[noreturn]] void ThrowListIndexError(int index);

// The system's text for an errno value, without a trailing period or line break.
std::string SystemErrorText(int errorNumber);

}  // namespace kx
