#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
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

// Limits of the jar, so that a server cannot make it grow without end: the
// oldest cookie of a domain (or of the jar) goes when a new one would pass them.
inline constexpr std::size_t kMaxCookiesPerDomain = 50;
inline constexpr std::size_t kMaxCookies = 3000;
// A cookie whose name and value together are longer is not stored.
inline constexpr std::size_t kMaxCookieBytes = 4096;

// Domains in the order they were first stored, each with its cookies in
// insertion order; names and domains compare ignoring case. Finding a domain
// and replacing or evicting a cookie cost a constant or logarithmic step.
class TNetCookies {
 public:
  struct Entry {
    std::uint64_t age;  // the order of arrival across the jar
    std::unique_ptr<TNetCookieRFC2109> cookie;
  };
  struct Domain {
    std::string Name;
    std::vector<Entry> Cookies;
  };
  // Adds the cookie, or lets the stored one of the same domain and name take
  // over its values (keeping its place and age).
  void Store(std::unique_ptr<TNetCookieRFC2109> cookie);
  const std::vector<Domain>& Domains() const { return m_domains; }
  std::size_t Count() const { return m_count; }
  const TNetCookieRFC2109* Find(std::string_view domain, std::string_view name) const;
  // Removes every cookie for which drop says so.
  void RemoveIf(const std::function<bool(const TNetCookieRFC2109&)>& drop);

 private:
  void Evict(std::size_t domain, std::size_t position);

  std::vector<Domain> m_domains;
  std::unordered_map<std::string, std::size_t> m_domainIndex;  // lower-case name
  std::set<std::pair<std::uint64_t, std::size_t>> m_byAge;     // (age, domain)
  std::uint64_t m_nextAge = 0;
  std::size_t m_count = 0;
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
  // Whether a parsed cookie may be stored at all (size, characters, domain).
  static bool Storable(const TNetCookieRFC2109& cookie);

  mutable std::shared_mutex m_lock;
  TNetCookies m_cookies;
  Clock m_clock;
};

// True when a cookie stored for domain may go to host: the host equals the
// domain or ends with "." plus the domain (a leading "." ignored), ignoring case.
bool CookieDomainMatches(std::string_view host, std::string_view domain);

}  // namespace kx
