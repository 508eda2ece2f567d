#pragma once

#include <functional>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "net/forward.h"
#include "net/internet_date.h"

namespace kx {

enum class TNetCookieKind { SetCookie = 1, SetCookie2 = 2 };

// A cookie as a "Set-cookie" header defines it.
class TNetCookieRFC2109 {
 public:
  virtual ~TNetCookieRFC2109() = default;
  virtual TNetCookieKind Kind() const { return TNetCookieKind::SetCookie; }

  std::string Name;
  std::string Value;
  std::string Path;
  std::string Domain;
  std::string Expires;  // empty when none
  int MaxAge = -1;
  std::string Version;
  std::string Comment;
  bool Secure = false;
};

// A cookie as a "Set-cookie2" header defines it.
class TNetCookieRFC2965 : public TNetCookieRFC2109 {
 public:
  TNetCookieKind Kind() const override { return TNetCookieKind::SetCookie2; }

  std::string CommentURL;
  bool Discard = false;
  std::vector<int> PortList{80};
};

// Domains in the order they were first stored, each with its cookies in
// insertion order; names and domains compare ignoring case.
class TNetCookies {
 public:
  struct Domain {
    std::string Name;
    std::vector<std::unique_ptr<TNetCookieRFC2109>> Cookies;
  };
  // Adds the cookie, or lets the stored one of the same domain and name take over its values.
  void Store(std::unique_ptr<TNetCookieRFC2109> cookie);
  std::vector<Domain>& Domains() { return m_domains; }
  const std::vector<Domain>& Domains() const { return m_domains; }
  std::size_t Count() const;
  const TNetCookieRFC2109* Find(std::string_view domain, std::string_view name) const;

 private:
  std::vector<Domain> m_domains;
};

// The client's cookie jar: stores what responses set and builds the Cookie
// header for requests. The clock is injectable so expiry can be tested.
class TNetCookieManager {
 public:
  using Clock = std::function<double()>;  // seconds since 1970, with fractions

  TNetCookieManager();

  // Parses one header value and stores the cookie unless it is invalid for host.
  void StoreCookie(std::string_view headerValue, const std::string& host, TNetCookieKind kind);
  // Every "Set-cookie" line of a response head, then every "Set-cookie2" line.
  void AddCookies(const TNetHeaderList& headers, const std::string& host);
  // The Cookie header value for a request to host with the given directory path.
  std::string CookieHeader(const std::string& host, const std::string& path);

  // Asked before a new cookie is stored; setting accept to false refuses it.
  std::function<void(TNetCookieManager& sender, const TNetCookieRFC2109& cookie, bool& accept)>
      OnNewCookie;

  void SetClock(Clock clock) { m_clock = std::move(clock); }
  const TNetCookies& Cookies() const { return m_cookies; }

 private:
  void DropExpired(double now);

  mutable std::shared_mutex m_lock;
  TNetCookies m_cookies;
  Clock m_clock;
};

// True when a cookie stored for domain may go to host: the host equals the
// domain or ends with "." plus the domain (a leading "." ignored), ignoring case.
bool CookieDomainMatches(std::string_view host, std::string_view domain);

}  // namespace kx
