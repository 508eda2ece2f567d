#include "net/uri.h"

#include <algorithm>

#include "net/net_errors.h"
#include "platform/base/strings.h"

namespace kx {

TNetURI TNetURI::Parse(const std::string& url) {
  TNetURI uri;
  std::string text = url;
  std::replace(text.begin(), text.end(), '\\', '/');

  std::string rest = text;
  std::size_t scheme = text.find("://");
  if (scheme != std::string::npos) {
    uri.Protocol = text.substr(0, scheme);
    std::string afterScheme = text.substr(scheme + 3);
    std::size_t slash = afterScheme.find('/');
    std::string authority = afterScheme.substr(0, slash);
    rest = slash == std::string::npos ? std::string() : afterScheme.substr(slash + 1);
    std::size_t at = authority.find('@');
    if (at != std::string::npos) {
      std::string credentials = authority.substr(0, at);
      authority = authority.substr(at + 1);
      std::size_t colon = credentials.find(':');
      uri.Username = credentials.substr(0, colon);
      if (colon != std::string::npos) uri.Password = credentials.substr(colon + 1);
    }
    std::size_t colon = authority.find(':');
    uri.Host = authority.substr(0, colon);
    if (colon != std::string::npos) uri.Port = authority.substr(colon + 1);
  } else if (!rest.empty() && rest.front() == '/') {
    rest.erase(0, 1);
  }

  std::size_t split = rest.find('?');
  if (split == std::string::npos) split = rest.find('=');
  std::string beforeSplit = rest.substr(0, split);
  std::size_t lastSlash = beforeSplit.rfind('/');
  std::size_t documentStart = lastSlash == std::string::npos ? 0 : lastSlash + 1;
  uri.Path = "/" + beforeSplit.substr(0, documentStart);
  uri.Document = beforeSplit.substr(documentStart);
  if (split != std::string::npos) uri.Params = rest.substr(split);

  std::size_t hash = uri.Document.find('#');
  if (hash != std::string::npos) {
    uri.Bookmark = uri.Document.substr(hash + 1);
    uri.Document.erase(hash);
  } else if ((hash = uri.Params.find('#')) != std::string::npos) {
    uri.Bookmark = uri.Params.substr(hash + 1);
    uri.Params.erase(hash);
  }

  if (uri.Protocol.empty()) uri.Protocol = "http";
  if (uri.Port.empty()) {
    std::string protocol = LowerCaseAscii(uri.Protocol);
    if (protocol == "http") {
      uri.Port = "80";
    } else if (protocol == "https") {
      uri.Port = "443";
    } else {
      throw ENetException(SUnknownProtocol);
    }
  }
  return uri;
}

}  // namespace kx
