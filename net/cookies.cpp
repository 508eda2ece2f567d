#include "net/cookies.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>

#include "net/header_list.h"
#include "platform/base/number_conv.h"
#include "platform/base/strings.h"
#include "platform/sys/address.h"

namespace kx {
namespace {

std::string StripQuotes(std::string value) {
  if (!value.empty() && value.front() == '"') value.erase(0, 1);
  if (!value.empty() && value.back() == '"') value.pop_back();
  return value;
}

std::vector<int> ParsePortList(const std::string& text) {
  std::vector<int> ports;
  std::string list = StripQuotes(text);
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    std::string piece(
        Trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
    int port = 0;
    if (TryStrToInt(piece, port)) ports.push_back(port);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return ports;
}

bool DomainValidForHost(const std::string& domain, const std::string& host) {
  if (IsDottedIPv4(host)) return domain == host;
  if (domain.empty() || domain.front() != '.') return domain == host;
  std::size_t dot = host.find('.');
  return dot != std::string::npos && host.substr(dot) == domain;
}

}  // namespace

bool CookieDomainMatches(std::string_view host, std::string_view domain) {
  if (!domain.empty() && domain.front() == '.') domain.remove_prefix(1);
  if (domain.empty()) return false;
  if (SameTextAscii(host, domain)) return true;
  if (host.size() <= domain.size()) return false;
  return host[host.size() - domain.size() - 1] == '.' &&
         SameTextAscii(host.substr(host.size() - domain.size()), domain);
}

void TNetCookies::Store(std::unique_ptr<TNetCookieRFC2109> cookie) {
  std::string key = LowerCaseAscii(cookie->Domain);
  auto [found, inserted] = m_domainIndex.try_emplace(key, m_domains.size());
  if (inserted) m_domains.push_back(Domain{cookie->Domain, {}});
  const std::size_t domainIndex = found->second;
  std::vector<Entry>& list = m_domains[domainIndex].Cookies;
  for (Entry& stored : list) {
    if (SameTextAscii(stored.cookie->Name, cookie->Name)) {
      stored.cookie = std::move(cookie);
      return;
    }
  }
  if (list.size() >= kMaxCookiesPerDomain) Evict(domainIndex, 0);
  const std::uint64_t age = m_nextAge++;
  m_domains[domainIndex].Cookies.push_back(Entry{age, std::move(cookie)});
  m_byAge.emplace(age, domainIndex);
  ++m_count;
  if (m_count > kMaxCookies) {
    auto [oldest, oldestDomain] = *m_byAge.begin();
    std::vector<Entry>& owner = m_domains[oldestDomain].Cookies;
    auto it = std::find_if(owner.begin(), owner.end(),
                           [age = oldest](const Entry& e) { return e.age == age; });
    Evict(oldestDomain, static_cast<std::size_t>(it - owner.begin()));
  }
}

void TNetCookies::Evict(std::size_t domain, std::size_t position) {
  std::vector<Entry>& list = m_domains[domain].Cookies;
  m_byAge.erase({list[position].age, domain});
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
  --m_count;
}

void TNetCookies::RemoveIf(const std::function<bool(const TNetCookieRFC2109&)>& drop) {
  for (std::size_t d = 0; d < m_domains.size(); ++d) {
    std::vector<Entry>& list = m_domains[d].Cookies;
    for (std::size_t i = list.size(); i-- > 0;) {
      if (drop(*list[i].cookie)) Evict(d, i);
    }
  }
}

const TNetCookieRFC2109* TNetCookies::Find(std::string_view domain, std::string_view name) const {
  auto found = m_domainIndex.find(LowerCaseAscii(domain));
  if (found == m_domainIndex.end()) return nullptr;
  for (const Entry& e : m_domains[found->second].Cookies) {
    if (SameTextAscii(e.cookie->Name, name)) return e.cookie.get();
  }
  return nullptr;
}

TNetCookieManager::TNetCookieManager()
    : m_clock([] {
        using namespace std::chrono;
        return duration<double>(system_clock::now().time_since_epoch()).count();
      }) {}

void TNetCookieManager::StoreCookie(std::string_view headerValue, const std::string& host,
                                    TNetCookieKind kind) {
  std::vector<std::string> parts;
  if (headerValue.find(';') == std::string_view::npos) {
    parts.emplace_back(headerValue);
  } else {
    std::size_t start = 0;
    for (;;) {
      std::size_t semi = headerValue.find(';', start);
      parts.emplace_back(Trim(headerValue.substr(
          start, semi == std::string_view::npos ? std::string_view::npos : semi - start)));
      if (semi == std::string_view::npos) break;
      start = semi + 1;
    }
  }
  std::unique_ptr<TNetCookieRFC2109> cookie;
  TNetCookieRFC2965* cookie2 = nullptr;
  if (kind == TNetCookieKind::SetCookie2) {
    auto c = std::make_unique<TNetCookieRFC2965>();
    cookie2 = c.get();
    cookie = std::move(c);
  } else {
    cookie = std::make_unique<TNetCookieRFC2109>();
  }
  const std::string& first = parts.front();
  std::size_t eq = first.find('=');
  cookie->Name = first.substr(0, eq);
  if (eq != std::string::npos) cookie->Value = first.substr(eq + 1);

  std::string maxAge;
  bool hasMaxAge = false;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    std::size_t peq = part.find('=');
    std::string name = UpperCaseAscii(part.substr(0, peq));
    std::string value = peq == std::string::npos ? std::string() : part.substr(peq + 1);
    if (name == "PATH") {
      cookie->Path = StripQuotes(value);
    } else if (name == "EXPIRES") {
      cookie->Expires = value;
    } else if (name == "DOMAIN") {
      cookie->Domain = value;
    } else if (name == "SECURE") {
      cookie->Secure = true;
    } else if (name == "MAX-AGE") {
      maxAge = value;
      hasMaxAge = true;
    } else if (name == "VERSION") {
      cookie->Version = value;
    } else if (name == "COMMENT") {
      cookie->Comment = value;
    } else if (cookie2 && name == "COMMENTURL") {
      cookie2->CommentURL = value;
    } else if (cookie2 && name == "DISCARD") {
      cookie2->Discard = true;
    } else if (cookie2 && name == "PORT") {
      cookie2->PortList = ParsePortList(value);
    }
  }
  cookie->MaxAge = hasMaxAge ? StrToIntDef(maxAge, -1) : -1;
  if (cookie->Expires.empty() && cookie->MaxAge >= 0) {
    auto now = static_cast<UnixTime>(std::floor(m_clock()));
    cookie->Expires = FormatInternetDate(now + cookie->MaxAge);
  }
  if (cookie->Domain.empty()) cookie->Domain = host;
  if (!DomainValidForHost(cookie->Domain, host) || !Storable(*cookie)) return;
  bool accept = true;
  if (OnNewCookie) OnNewCookie(*this, *cookie, accept);
  if (!accept) return;
  std::unique_lock lock(m_lock);
  m_cookies.Store(std::move(cookie));
}

bool TNetCookieManager::Storable(const TNetCookieRFC2109& cookie) {
  if (cookie.Name.size() + cookie.Value.size() > kMaxCookieBytes) return false;
  // Line breaks or NULs would be echoed raw into the next request head.
  auto unsafe = [](const std::string& text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
  };
  return !unsafe(cookie.Name) && !unsafe(cookie.Value);
}

void TNetCookieManager::AddCookies(const TNetHeaderList& headers, const std::string& host) {
  for (const std::string& value : headers.AllValues("Set-cookie")) {
    StoreCookie(value, host, TNetCookieKind::SetCookie);
  }
  for (const std::string& value : headers.AllValues("Set-cookie2")) {
    StoreCookie(value, host, TNetCookieKind::SetCookie2);
  }
}

void TNetCookieManager::DropExpired(double now) {
  m_cookies.RemoveIf([now](const TNetCookieRFC2109& c) {
    if (c.Expires.empty()) return false;
    std::optional<UnixTime> at = ParseInternetDate(c.Expires);
    // An unreadable date counts as long past.
    return !at || static_cast<double>(*at) <= now;
  });
}

std::string TNetCookieManager::CookieHeader(const std::string& host, const std::string& path) {
  std::unique_lock lock(m_lock);
  DropExpired(m_clock());
  std::vector<const TNetCookieRFC2109*> selected;
  for (const TNetCookies::Domain& domain : m_cookies.Domains()) {
    if (!CookieDomainMatches(host, domain.Name)) continue;
    for (auto it = domain.Cookies.rbegin(); it != domain.Cookies.rend(); ++it) {
      const TNetCookieRFC2109& c = *it->cookie;
      if (c.Path.empty() || path.compare(0, c.Path.size(), c.Path) != 0) continue;
      if (c.Secure || c.Value.empty()) continue;
      selected.push_back(&c);
    }
  }
  std::stable_sort(selected.begin(), selected.end(), [](const auto* a, const auto* b) {
    return LowerCaseAscii(a->Path) > LowerCaseAscii(b->Path);
  });
  std::string header;
  for (const TNetCookieRFC2109* c : selected) {
    if (!header.empty()) header += "; ";
    header += c->Name + "=" + c->Value;
  }
  return header;
}

}  // namespace kx
