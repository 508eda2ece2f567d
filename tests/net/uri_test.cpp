#include "net/uri.h"

#include <gtest/gtest.h>

#include "net/net_errors.h"

namespace kx {
namespace {

TEST(UriTest, FeedUrlParts) {
  TNetURI u = TNetURI::Parse("http://stats.example:8080/login/kestrix.php?login=a&pass=b");
  EXPECT_EQ(u.Protocol, "http");
  EXPECT_EQ(u.Host, "stats.example");
  EXPECT_EQ(u.Port, "8080");
  EXPECT_EQ(u.Path, "/login/");
  EXPECT_EQ(u.Document, "kestrix.php");
  EXPECT_EQ(u.Params, "?login=a&pass=b");
  EXPECT_EQ(u.RequestTarget(), "/login/kestrix.php?login=a&pass=b");
  EXPECT_EQ(u.HostHeader(), "stats.example:8080");
}

TEST(UriTest, DefaultsAndHostHeaderWithoutPort80) {
  TNetURI u = TNetURI::Parse("http://h/");
  EXPECT_EQ(u.Port, "80");
  EXPECT_EQ(u.HostHeader(), "h");
  EXPECT_EQ(u.RequestTarget(), "/");
  EXPECT_EQ(TNetURI::Parse("http://h").RequestTarget(), "/");
  EXPECT_EQ(TNetURI::Parse("https://h/x").Port, "443");
  EXPECT_EQ(TNetURI::Parse("http://h:80/x").HostHeader(), "h");
  TNetURI noScheme = TNetURI::Parse("/a/b.txt");
  EXPECT_EQ(noScheme.Protocol, "http");
  EXPECT_EQ(noScheme.Port, "80");
  EXPECT_EQ(noScheme.Host, "");
  EXPECT_EQ(noScheme.RequestTarget(), "/a/b.txt");
}

TEST(UriTest, UnknownProtocolWithoutPortIsAnError) {
  EXPECT_THROW(TNetURI::Parse("gopher://h/x"), ENetException);
  EXPECT_EQ(TNetURI::Parse("gopher://h:70/x").Port, "70");
}

TEST(UriTest, BackslashesCredentialsQuestionMarkAndEquals) {
  TNetURI u = TNetURI::Parse("http://user:pw@h/dir\\sub\\doc.php?x=1");
  EXPECT_EQ(u.Username, "user");
  EXPECT_EQ(u.Password, "pw");
  EXPECT_EQ(u.Host, "h");
  EXPECT_EQ(u.Path, "/dir/sub/");
  EXPECT_EQ(u.Document, "doc.php");
  // Without "?" the first "=" splits; the path stops at the last "/" before it.
  TNetURI eq = TNetURI::Parse("http://h/a/b=c/d");
  EXPECT_EQ(eq.Path, "/a/");
  EXPECT_EQ(eq.Document, "b");
  EXPECT_EQ(eq.Params, "=c/d");
  // A login with a backslash reaches the server with "/".
  EXPECT_EQ(TNetURI::Parse("http://h/l/k.php?login=a\\b&pass=c").Params, "?login=a/b&pass=c");
}

TEST(UriTest, RawBytesAndBookmark) {
  TNetURI u = TNetURI::Parse("http://h/l/k.php?login=a b\xC3\xA9&pass=x#y&z");
  EXPECT_EQ(u.Params, "?login=a b\xC3\xA9&pass=x");
  EXPECT_EQ(u.Bookmark, "y&z");
  TNetURI d = TNetURI::Parse("http://h/l/page.html#top");
  EXPECT_EQ(d.Document, "page.html");
  EXPECT_EQ(d.Bookmark, "top");
}

}  // namespace
}  // namespace kx
