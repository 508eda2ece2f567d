#pragma once

#include <string>

namespace kx {

// The parts of a URL as the client reads them; every part is text.
struct TNetURI {
  std::string Protocol;
  std::string Username;
  std::string Password;
  std::string Host;
  std::string Port;
  std::string Path;
  std::string Document;
  std::string Params;
  std::string Bookmark;

  // Parses url: backslashes become "/", "://" separates the protocol, an "@"
  // in the authority separates the credentials, "?" (or, without one, "=")
  // starts the params and "#" the bookmark. Missing protocol and port are
  // filled in ("http", 80; 443 for https); other protocols need a port and
  // raise ENetException "Unknown Protocol" without one.
  static TNetURI Parse(const std::string& url);

  // Path + document + params, byte for byte.
  std::string RequestTarget() const { return Path + Document + Params; }
  // The host, with ":" and the port when the port is not 80.
  std::string HostHeader() const { return Port == "80" ? Host : Host + ":" + Port; }
};

}  // namespace kx
