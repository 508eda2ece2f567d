#include "net/cookies.h"

#include <gtest/gtest.h>

#include "net/header_list.h"

namespace kx {
namespace {

class CookieJarTest : public ::testing::Test {
 protected:
  CookieJarTest() {
    jar.SetClock([this] { return now; });
  }
  void Set(const std::string& value, const std::string& host = "stats.example") {
    jar.StoreCookie(value, host, TNetCookieKind::SetCookie);
  }
  std::string Header(const std::string& host = "stats.example",
                     const std::string& path = "/login/") {
    return jar.CookieHeader(host, path);
  }
  double now = 1796790400.5;
  TNetCookieManager jar;
};

TEST_F(CookieJarTest, LoginCookieTravelsWithTheFeedRequest) {
  Set("sid=abc123; path=/");
  EXPECT_EQ(Header(), "sid=abc123");
}

TEST_F(CookieJarTest, AttributesAreParsed) {
  jar.StoreCookie("n=v; Path=\"/login/\"; Domain=.stats.example; Version=1; Comment=hi; Max-Age=60",
                  "www.stats.example", TNetCookieKind::SetCookie);
  const TNetCookieRFC2109* c = jar.Cookies().Find(".stats.example", "N");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Path, "/login/");
  EXPECT_EQ(c->Version, "1");
  EXPECT_EQ(c->Comment, "hi");
  EXPECT_EQ(c->MaxAge, 60);
  EXPECT_EQ(c->Expires, "Wed, 09 Dec 2026 04:27:40 GMT");
  EXPECT_FALSE(c->Secure);
}

TEST_F(CookieJarTest, WithoutSemicolonTheValueIsNotTrimmed) {
  Set(" raw = x ");
  const TNetCookieRFC2109* c = jar.Cookies().Find("stats.example", " raw ");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Value, " x ");
  Set("noequals; path=/");
  EXPECT_EQ(jar.Cookies().Find("stats.example", "noequals")->Value, "");
}

TEST_F(CookieJarTest, CookieWithoutPathIsStoredButNeverSent) {
  Set("a=1");
  EXPECT_EQ(jar.Cookies().Count(), 1u);
  EXPECT_EQ(Header(), "");
}

TEST_F(CookieJarTest, DomainRules) {
  Set("a=1; path=/; domain=example", "stats.example");        // parent without dot: dropped
  Set("b=1; path=/; domain=Stats.example", "stats.example");  // case differs: dropped
  Set("c=1; path=/; domain=.example", "www.example");         // the host from its first dot: kept
  Set("d=1; path=/; domain=.other", "www.example");
  Set("e=1; path=/; domain=10.0.0.1", "10.0.0.1");
  Set("f=1; path=/; domain=.0.0.1", "10.0.0.1");
  EXPECT_EQ(jar.Cookies().Count(), 2u);
  EXPECT_NE(jar.Cookies().Find(".example", "c"), nullptr);
  EXPECT_NE(jar.Cookies().Find("10.0.0.1", "e"), nullptr);
}

TEST_F(CookieJarTest, SecureAndEmptyValuesAreNeverSent) {
  Set("s=1; path=/; secure");
  Set("empty=; path=/");
  Set("ok=1; path=/");
  EXPECT_EQ(Header(), "ok=1");
}

TEST_F(CookieJarTest, SameNameReplacesInPlace) {
  Set("a=1; path=/");
  Set("b=2; path=/");
  Set("A=3; path=/");
  EXPECT_EQ(jar.Cookies().Count(), 2u);
  EXPECT_EQ(jar.Cookies().Domains()[0].Cookies[0].cookie->Value, "3");
  EXPECT_EQ(Header(), "b=2; A=3");
}

TEST_F(CookieJarTest, LongerPathsComeFirst) {
  Set("root=1; path=/");
  Set("login=2; path=/login/");
  Set("other=3; path=/other/");
  EXPECT_EQ(Header(), "login=2; root=1");
}

TEST_F(CookieJarTest, ExpiryRules) {
  Set("zero=1; path=/; max-age=0");
  Set("later=1; path=/; max-age=10");
  Set("bad=1; path=/; expires=someday");
  Set("past=1; path=/; expires=Wed, 09 Dec 2026 04:00:00 GMT");
  Set("future=1; path=/; expires=Wed, 09 Dec 2027 04:00:00 GMT");
  Set("nonumber=1; path=/; max-age=abc");
  EXPECT_EQ(Header(), "nonumber=1; future=1; later=1");
  now += 11;
  EXPECT_EQ(Header(), "nonumber=1; future=1");
}

TEST_F(CookieJarTest, CookiesGoOnlyToTheirDomainAndItsSubdomains) {
  Set("a=1; path=/", "example.com");
  EXPECT_EQ(Header("example.com"), "a=1");
  EXPECT_EQ(Header("EXAMPLE.com"), "a=1");
  EXPECT_EQ(Header("www.example.com"), "a=1");
  EXPECT_EQ(Header("badexample.com"), "");
  EXPECT_EQ(Header("example.com.evil"), "");
  EXPECT_TRUE(CookieDomainMatches("a.b.c", ".b.c"));
  EXPECT_FALSE(CookieDomainMatches("b.c", "a.b.c"));
}

TEST_F(CookieJarTest, SetCookie2PortsAndHeaderNames) {
  TNetHeaderList h;
  h.AddReceivedLine("Set-cookie2: v2=x; Port=\"80,8080\"; Discard; CommentURL=http://c/; path=/");
  h.AddReceivedLine("SET-COOKIE: v1=y; path=/");
  h.AddReceivedLine("Set-cookie2: plain=z; path=/");
  jar.AddCookies(h, "stats.example");
  auto* v2 = dynamic_cast<const TNetCookieRFC2965*>(jar.Cookies().Find("stats.example", "v2"));
  ASSERT_NE(v2, nullptr);
  EXPECT_EQ(v2->PortList, (std::vector<int>{80, 8080}));
  EXPECT_TRUE(v2->Discard);
  EXPECT_EQ(v2->CommentURL, "http://c/");
  auto* plain =
      dynamic_cast<const TNetCookieRFC2965*>(jar.Cookies().Find("stats.example", "plain"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->PortList, (std::vector<int>{80}));
  EXPECT_EQ(jar.Cookies().Domains()[0].Cookies[0].cookie->Name, "v1");
  EXPECT_EQ(jar.Cookies().Domains()[0].Cookies[0].cookie->Kind(), TNetCookieKind::SetCookie);
}

TEST_F(CookieJarTest, OnNewCookieMayRefuse) {
  jar.OnNewCookie = [](TNetCookieManager&, const TNetCookieRFC2109& c, bool& accept) {
    accept = c.Name != "tracker";
  };
  Set("tracker=1; path=/");
  Set("keep=1; path=/");
  EXPECT_EQ(Header(), "keep=1");
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

class CookieLimitsTest : public ::testing::Test {
 protected:
  TNetCookieManager jar;
};

TEST_F(CookieLimitsTest, AHeadOfTenThousandCookiesKeepsTheNewestFiftyOfTheDomain) {
  TNetHeaderList head;
  for (int i = 0; i < 10000; ++i) {
    // Names that share a long prefix, as a hostile server would choose them.
    head.AddReceivedLine("Set-Cookie: " + std::string(200, 'n') + std::to_string(i) + "=v" +
                         std::to_string(i) + "; path=/");
  }
  jar.AddCookies(head, "stats.example");
  EXPECT_EQ(jar.Cookies().Count(), kMaxCookiesPerDomain);
  EXPECT_EQ(jar.Cookies().Find("stats.example", std::string(200, 'n') + "9949"), nullptr);
  EXPECT_NE(jar.Cookies().Find("stats.example", std::string(200, 'n') + "9950"), nullptr);
  std::string header = jar.CookieHeader("stats.example", "/");
  EXPECT_EQ(header.find("v9949"), std::string::npos);
  EXPECT_NE(header.find("=v9999"), std::string::npos);
  EXPECT_EQ(header.find("=v9950"), header.find("=v9950"));
}

TEST_F(CookieLimitsTest, TheJarKeepsThreeThousandCookiesTheOldestGoingFirst) {
  for (int host = 0; host < 80; ++host) {
    for (int i = 0; i < 50; ++i) {
      jar.StoreCookie("c" + std::to_string(i) + "=1; path=/",
                      "h" + std::to_string(host) + ".example", TNetCookieKind::SetCookie);
    }
  }
  EXPECT_EQ(jar.Cookies().Count(), kMaxCookies);
  EXPECT_EQ(jar.Cookies().Find("h0.example", "c0"), nullptr);  // the oldest
  EXPECT_EQ(jar.Cookies().Find("h19.example", "c49"), nullptr);
  EXPECT_NE(jar.Cookies().Find("h20.example", "c0"), nullptr);
  EXPECT_NE(jar.Cookies().Find("h79.example", "c49"), nullptr);
  // Replacing a stored cookie keeps its age and makes no room.
  jar.StoreCookie("c0=2; path=/", "h20.example", TNetCookieKind::SetCookie);
  EXPECT_EQ(jar.Cookies().Count(), kMaxCookies);
  EXPECT_EQ(jar.Cookies().Find("h20.example", "c0")->Value, "2");
}

TEST_F(CookieLimitsTest, OversizedCookiesAndLineBreaksAreNotStored) {
  jar.StoreCookie("big=" + std::string(kMaxCookieBytes - 2, 'x') + "; path=/", "stats.example",
                  TNetCookieKind::SetCookie);
  EXPECT_EQ(jar.Cookies().Count(), 0u);
  jar.StoreCookie("fits=" + std::string(kMaxCookieBytes - 4, 'x') + "; path=/", "stats.example",
                  TNetCookieKind::SetCookie);
  EXPECT_EQ(jar.Cookies().Count(), 1u);
  jar.StoreCookie("a=b\rX-Injected: 1; path=/", "stats.example", TNetCookieKind::SetCookie);
  jar.StoreCookie("a=b\nX-Injected: 1; path=/", "stats.example", TNetCookieKind::SetCookie);
  jar.StoreCookie(std::string("a\0b=c; path=/", 13), "stats.example", TNetCookieKind::SetCookie);
  jar.StoreCookie(std::string("n=c\0d; path=/", 13), "stats.example", TNetCookieKind::SetCookie);
  EXPECT_EQ(jar.Cookies().Count(), 1u);
  EXPECT_EQ(jar.CookieHeader("stats.example", "/").find('\r'), std::string::npos);
}

}  // namespace
}  // namespace kx
