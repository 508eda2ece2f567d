#pragma once

#include <memory>
#include <string>

#include "net/cookies.h"
#include "net/header_list.h"
#include "net/io_handler.h"
#include "net/net_stream.h"
#include "net/uri.h"

namespace kx {

enum class TNetHTTPProtocolVersion { pv1_0, pv1_1 };

// Connect and read time-outs replace "wait forever", so that a silent server
// cannot freeze the program; 0 waits without limit.
inline constexpr int kDefaultConnectTimeoutMs = 30000;
inline constexpr int kDefaultReadTimeoutMs = 30000;
inline constexpr int kErrorBodyTimeoutMs = 2000;
// The longest a whole request may take, connect included, so that a server
// that trickles bytes cannot hold the program either.
inline constexpr int kDefaultRequestDeadlineMs = 120000;
// The largest body the client takes; larger ones fail with ENetResponseTooLarge.
inline constexpr std::size_t kMaxBodyBytes = 256u * 1024 * 1024;
// Limits on a response head, so that a hostile server cannot make it grow without end.
inline constexpr std::size_t kMaxHeaderLines = 10000 * 10;
inline constexpr std::size_t kMaxHeadBytes = 8 * 1024 * 1024;

// The request fields the client writes; empty ones are not sent.
struct TNetHTTPRequest {
  std::string Accept = "text/html, */*";
  std::string AcceptCharset;
  std::string AcceptEncoding;
  std::string AcceptLanguage;
  std::string CacheControl;
  std::string Connection;
  std::string ContentEncoding;
  std::string ContentLanguage;
  int ContentLength = -1;
  int ContentRangeStart = 0;
  int ContentRangeEnd = 0;
  std::string ContentType = "text/html";
  std::string ContentVersion;
  std::string Date;
  std::string Expires;
  std::string From;
  std::string IfModifiedSince;
  std::string Pragma;
  std::string ProxyConnection;
  std::string Referer;
  std::string UserAgent = "Mozilla/3.0 (compatible; Kestrix Client)";
  bool BasicAuthentication = false;
};

struct TNetHTTPResponse {
  std::string ResponseText;  // the status line
  int ResponseCode = -1;
  TNetHeaderList RawHeaders;
  int ContentLength = -1;
  bool HasContentLength = false;
  std::string Location;
  std::string Connection;
  std::string ProxyConnection;
  std::string TransferEncoding;
  std::string ContentType;
  bool HeadComplete = false;
  bool KeepAlive() const;
};

// An HTTP/1.1 GET client over plain TCP with a cookie jar and one kept connection.
class TNetHTTP {
 public:
  explicit TNetHTTP(std::unique_ptr<NetConnector> connector = std::make_unique<SocketConnector>());
  ~TNetHTTP();

  TNetHTTPRequest Request;
  TNetHTTPResponse Response;
  TNetHTTPProtocolVersion ProtocolVersion = TNetHTTPProtocolVersion::pv1_1;
  bool HandleRedirects = false;
  int RedirectMaximum = 15;
  bool AllowCookies = true;
  int ConnectTimeout = kDefaultConnectTimeoutMs;
  int ReadTimeout = kDefaultReadTimeoutMs;
  int RequestDeadline = kDefaultRequestDeadlineMs;  // 0: no overall limit
  std::size_t MaxLineLength = kDefaultMaxLineLength;

  // Performs one GET and appends the body to body as it arrives. On failure
  // the error is raised and body keeps what was received before it.
  void Get(const std::string& url, std::string& body);
  // The body as text; on failure the error is raised (the text is lost).
  std::string Get(const std::string& url);

  // Called with each request head before it is sent and each response head
  // after it is read (the tool's --verbose uses them).
  std::function<void(const std::string& head)> OnRequestHead;
  std::function<void(const TNetHTTPResponse& response)> OnResponseHead;

  TNetCookieManager* CookieManager() { return m_cookies.get(); }
  bool Connected() const { return m_io != nullptr; }
  void Disconnect();

 private:
  std::string BuildRequestHead(const TNetURI& uri);
  void EnsureConnection(const TNetURI& uri);
  void ReadResponseHead(const TNetURI& uri);
  void ReadBody(std::string& out);
  void ReadChunked(std::string& out);
  void ReadChunks(std::size_t before, BodyBlocks& body);
  std::string ReadErrorBody();
  void Exchange(const TNetURI& uri, std::string& body);
  void FinishExchange();

  std::unique_ptr<NetConnector> m_connector;
  std::unique_ptr<NetIOHandler> m_io;
  std::string m_connectedHost;
  std::string m_connectedPort;
  bool m_keepConnection = false;
  std::optional<NetDeadline> m_deadline;  // of the request under way
  std::unique_ptr<TNetCookieManager> m_cookies;
};

}  // namespace kx
