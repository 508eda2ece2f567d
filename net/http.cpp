#include "net/http.h"

#include <algorithm>
#include <chrono>

#include "net/body_blocks.h"
#include "net/net_errors.h"
#include "platform/base/number_conv.h"
#include "platform/base/strings.h"

namespace kx {

bool TNetHTTPResponse::KeepAlive() const {
  return !SameTextAscii(Trim(Connection), "close") &&
         !SameTextAscii(Trim(ProxyConnection), "close");
}

TNetHTTP::TNetHTTP(std::unique_ptr<NetConnector> connector) : m_connector(std::move(connector)) {}

TNetHTTP::~TNetHTTP() = default;

void TNetHTTP::Disconnect() {
  m_io.reset();
  m_keepConnection = false;
}

std::string TNetHTTP::BuildRequestHead(const TNetURI& uri) {
  TNetHeaderList headers;
  const TNetHTTPRequest& r = Request;
  headers.SetValue("Connection", r.Connection);
  headers.SetValue("Content-Version", r.ContentVersion);
  headers.SetValue("Content-Encoding", r.ContentEncoding);
  headers.SetValue("Content-Language", r.ContentLanguage);
  headers.SetValue("Content-Type", r.ContentType);
  if (r.ContentLength >= 0) headers.SetValue("Content-Length", std::to_string(r.ContentLength));
  headers.SetValue("Cache-control", r.CacheControl);
  headers.SetValue("Date", r.Date);
  headers.SetValue("Expires", r.Expires);
  headers.SetValue("Pragma", r.Pragma);
  headers.SetValue("Proxy-Connection", r.ProxyConnection);
  headers.SetValue("Host", uri.HostHeader());
  headers.SetValue("Accept", r.Accept);
  headers.SetValue("Accept-Charset", r.AcceptCharset);
  headers.SetValue("Accept-Encoding", r.AcceptEncoding);
  headers.SetValue("Accept-Language", r.AcceptLanguage);
  headers.SetValue("From", r.From);
  headers.SetValue("Referer", r.Referer);
  headers.SetValue("User-Agent", r.UserAgent);
  headers.SetValue("If-Modified-Since", r.IfModifiedSince);
  if (r.ContentRangeEnd > 0 || r.ContentRangeStart > 0) {
    headers.SetValue("Range", "bytes=" + std::to_string(r.ContentRangeStart) + "-" +
                                  (r.ContentRangeEnd > 0 ? std::to_string(r.ContentRangeEnd) : ""));
  }
  if (AllowCookies && m_cookies) {
    headers.SetValue("Cookie", m_cookies->CookieHeader(uri.Host, uri.Path));
  }
  std::string head = "GET " + uri.RequestTarget() + " HTTP/" +
                     (ProtocolVersion == TNetHTTPProtocolVersion::pv1_1 ? "1.1" : "1.0") + "\r\n";
  for (const std::string& line : headers.FoldedLines()) head += line + "\r\n";
  head += "\r\n";
  return head;
}

void TNetHTTP::EnsureConnection(const TNetURI& uri) {
  if (m_io && (!SameTextAscii(m_connectedHost, uri.Host) || m_connectedPort != uri.Port)) {
    Disconnect();
  }
  if (m_io && !m_keepConnection) Disconnect();
  if (m_io && m_io->Stream().PeerClosed()) Disconnect();
  if (m_io) return;
  int port = StrToIntDef(uri.Port, -1);
  if (port <= 0 || port > 65535) throw ENetSocketError(22);
  m_io = std::make_unique<NetIOHandler>(
      m_connector->Connect(uri.Host, port, TimeoutBeforeDeadline(m_deadline, ConnectTimeout)));
  m_connectedHost = uri.Host;
  m_connectedPort = uri.Port;
}

void TNetHTTP::ReadResponseHead(const TNetURI& uri) {
  // The limits hold for all heads of the response together, "100 Continue" ones included.
  std::size_t headLines = 0;
  std::size_t headBytes = 0;
  for (;;) {
    Response = TNetHTTPResponse{};
    Response.ResponseText = m_io->ReadLn(MaxLineLength);
    std::string_view status = Response.ResponseText;
    std::size_t blank = status.find(' ');
    std::string_view code =
        blank == std::string_view::npos ? std::string_view{} : status.substr(blank + 1);
    code = code.substr(0, code.find(' '));
    Response.ResponseCode = StrToIntDef(code, -1);

    headBytes += Response.ResponseText.size();
    for (;;) {
      std::string line;
      try {
        line = m_io->ReadLn(MaxLineLength);
      } catch (const ENetConnClosedGracefully&) {
        // The head ends where the server closed the connection.
        m_keepConnection = false;
        break;
      }
      if (line.empty()) {
        Response.HeadComplete = true;
        break;
      }
      headBytes += line.size();
      if (++headLines > kMaxHeaderLines || headBytes > kMaxHeadBytes) {
        throw ENetException(SHeadTooLarge);
      }
      Response.RawHeaders.AddReceivedLine(line);
    }
    if (AllowCookies) {
      if (!m_cookies) m_cookies = std::make_unique<TNetCookieManager>();
      m_cookies->AddCookies(Response.RawHeaders, uri.Host);
    }
    if (Response.ResponseCode != 100 || !Response.HeadComplete) break;
  }
  const TNetHeaderList& h = Response.RawHeaders;
  Response.Location = h.Values("Location");
  Response.Connection = h.Values("Connection");
  Response.ProxyConnection = h.Values("Proxy-Connection");
  Response.TransferEncoding = h.Values("Transfer-Encoding");
  Response.ContentType = h.Values("Content-Type");
  Response.ContentLength = StrToIntDef(Trim(h.Values("Content-Length")), -1);
  Response.HasContentLength = Response.ContentLength >= 0;
  if (OnResponseHead) OnResponseHead(Response);
}

void TNetHTTP::ReadChunks(std::size_t before, BodyBlocks& body) {
  for (;;) {
    std::string line = m_io->ReadLn(MaxLineLength);
    // The size is the hexadecimal number before a chunk extension (";") or a blank.
    std::string size = line.substr(0, line.find_first_of("; \t"));
    int count = StrToIntDef("$" + size, 0);
    if (count <= 0) return;
    if (before + body.Size() + static_cast<std::size_t>(count) > kMaxBodyBytes) {
      throw ENetResponseTooLarge();
    }
    if (!m_io->ReadBytes(static_cast<std::size_t>(count), body)) throw ENetConnClosedGracefully();
    m_io->ReadLn(MaxLineLength);
  }
}

void TNetHTTP::ReadChunked(std::string& out) {
  // The length is known only at the last chunk: the chunks are kept in blocks
  // and copied once, as a body read until the peer closes is.
  BodyBlocks body;
  try {
    ReadChunks(out.size(), body);
  } catch (...) {
    body.MoveTo(out);  // what arrived before the failure is the caller's
    throw;
  }
  body.MoveTo(out);
  // Trailer lines, up to and including the empty line that ends the message.
  std::size_t trailerLines = 0;
  while (!m_io->ReadLn(MaxLineLength).empty()) {
    if (++trailerLines > kMaxHeaderLines) throw ENetException(SHeadTooLarge);
  }
}

void TNetHTTP::ReadBody(std::string& out) {
  if (Response.ContentLength > 0) {
    if (static_cast<std::size_t>(Response.ContentLength) > kMaxBodyBytes) {
      throw ENetResponseTooLarge();
    }
    m_io->ReadBytes(static_cast<std::size_t>(Response.ContentLength), out);
  } else if (Response.TransferEncoding.find("chunked") != std::string::npos) {
    ReadChunked(out);
  } else if (!Response.HasContentLength) {
    m_io->ReadToClose(out, kMaxBodyBytes);
  }
}

std::string TNetHTTP::ReadErrorBody() {
  std::string body;
  int saved = m_io->ReadTimeout();
  m_io->SetReadTimeout(kErrorBodyTimeoutMs);
  try {
    ReadBody(body);
  } catch (...) {
    m_io->SetReadTimeout(saved);
    throw;
  }
  m_io->SetReadTimeout(saved);
  return body;
}

void TNetHTTP::Exchange(const TNetURI& uri, std::string& body) {
  m_deadline.reset();
  if (RequestDeadline > 0) {
    m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(RequestDeadline);
  }
  EnsureConnection(uri);
  m_io->SetDeadline(m_deadline);
  m_io->SetReadTimeout(ReadTimeout);
  std::string head = BuildRequestHead(uri);
  if (OnRequestHead) OnRequestHead(head);
  m_io->Stream().SetSendTimeout(TimeoutBeforeDeadline(m_deadline, ReadTimeout));
  m_io->Stream().Send(head);
  ReadResponseHead(uri);

  int code = Response.ResponseCode;
  int statusClass = code / 100;
  bool redirect = (statusClass == 3 && code != 304) || !Response.Location.empty();
  if (redirect || statusClass != 2) {
    std::string errorBody = ReadErrorBody();
    throw ENetHTTPProtocolException(code, Response.ResponseText, std::move(errorBody));
  }
  if (!Response.HeadComplete) throw ENetException(SUndefinedSituation);
  if (code != 204) ReadBody(body);
}

void TNetHTTP::Get(const std::string& url, std::string& body) {
  TNetURI uri = TNetURI::Parse(url);
  try {
    Exchange(uri, body);
  } catch (const ENetHTTPProtocolException&) {
    // The error body was read to its end, so the connection is in step.
    FinishExchange();
    throw;
  } catch (...) {
    // Anything else may leave unread bytes behind: start afresh next time.
    Disconnect();
    throw;
  }
  FinishExchange();
}

void TNetHTTP::FinishExchange() {
  m_keepConnection = m_io && !m_io->ClosedByPeer() && Response.HeadComplete && Response.KeepAlive();
  if (!m_keepConnection) Disconnect();
}

std::string TNetHTTP::Get(const std::string& url) {
  std::string body;
  Get(url, body);
  return body;
}

}  // namespace kx
