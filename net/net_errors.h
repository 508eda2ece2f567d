#pragma once

#include <string>

#include "platform/base/exception.h"

namespace kx {

class ENetException : public Exception {
  using Exception::Exception;
};

// A status the client does not handle as success; carries the code and the error body.
class ENetHTTPProtocolException : public ENetException {
 public:
  ENetHTTPProtocolException(int code, const std::string& statusLine, std::string errorBody)
      : ENetException(statusLine), m_code(code), m_errorBody(std::move(errorBody)) {}
  int ErrorCode() const { return m_code; }
  const std::string& ErrorMessage() const { return m_errorBody; }

 private:
  int m_code;
  std::string m_errorBody;
};

class ENetConnClosedGracefully : public ENetException {
 public:
  ENetConnClosedGracefully() : ENetException("Connection Closed Gracefully.") {}
};

class ENetReadLnMaxLineLengthExceeded : public ENetException {
 public:
  ENetReadLnMaxLineLengthExceeded() : ENetException("Max line length exceeded.") {}
};

class ENetReadTimeout : public ENetException {
 public:
  ENetReadTimeout() : ENetException("Read Timeout") {}
};

// A response body beyond the client's limit; the connection is dropped.
class ENetResponseTooLarge : public ENetException {
 public:
  ENetResponseTooLarge() : ENetException("Response body too large") {}
};

class ENetSocketError : public ENetException {
 public:
  explicit ENetSocketError(int code);
  int LastError() const { return m_code; }

 private:
  int m_code;
};

inline constexpr const char* SUndefinedSituation = "Undefined situation";
inline constexpr const char* SUnknownProtocol = "Unknown Protocol";
inline constexpr const char* SHeadTooLarge = "Response head too large.";

}  // namespace kx
