#include "net/http.h"

#include <gtest/gtest.h>

#include "memory_stream.h"
#include "net/net_errors.h"

namespace kx {
namespace {

using test::MemoryConnector;

constexpr const char* kFeedUrl = "http://stats.example/login/kestrix.php?login=demo&pass=secret";
constexpr const char* kFeedHead =
    "GET /login/kestrix.php?login=demo&pass=secret HTTP/1.1\r\n"
    "Content-Type: text/html\r\n"
    "Host: stats.example\r\n"
    "Accept: text/html, */*\r\n"
    "User-Agent: Mozilla/3.0 (compatible; Kestrix Client)\r\n"
    "\r\n";

class HttpTest : public ::testing::Test {
 protected:
  HttpTest() {
    auto c = std::make_unique<MemoryConnector>();
    connector = c.get();
    http = std::make_unique<TNetHTTP>(std::move(c));
  }
  // Runs a GET, returning the body; the error message, if any, goes to error.
  std::string Get(const std::string& url, std::string* error = nullptr) {
    std::string body;
    try {
      http->Get(url, body);
    } catch (const std::exception& e) {
      if (error)
        *error = e.what();
      else
        ADD_FAILURE() << "unexpected error: " << e.what();
    }
    return body;
  }
  MemoryConnector* connector;
  std::unique_ptr<TNetHTTP> http;
};

TEST_F(HttpTest, FeedRequestHeadIsExact) {
  auto script = connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello"});
  EXPECT_EQ(Get(kFeedUrl), "hello");
  EXPECT_EQ(script->sent, kFeedHead);
  EXPECT_EQ(connector->hosts, (std::vector<std::string>{"stats.example:80"}));
}

TEST_F(HttpTest, CookieOfTheFirstResponseGoesWithTheSecondOnTheSameConnection) {
  auto script = connector->Add(
      {"HTTP/1.1 200 OK\r\nSet-Cookie: sid=42; path=/\r\nContent-Length: 2\r\n\r\nok",
       "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nfed"});
  EXPECT_EQ(Get(kFeedUrl), "ok");
  EXPECT_TRUE(http->Connected());
  EXPECT_EQ(Get(kFeedUrl), "fed");
  std::string second = script->sent.substr(std::string(kFeedHead).size());
  EXPECT_EQ(second,
            "GET /login/kestrix.php?login=demo&pass=secret HTTP/1.1\r\n"
            "Content-Type: text/html\r\n"
            "Host: stats.example\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Kestrix Client)\r\n"
            "Cookie: sid=42\r\n"
            "\r\n");
  EXPECT_EQ(connector->hosts.size(), 1u);
}

TEST_F(HttpTest, ConnectionCloseEndsTheConnection) {
  connector->Add({"HTTP/1.1 200 OK\r\nConnection: Close \r\nContent-Length: 1\r\n\r\na"});
  connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nb"});
  EXPECT_EQ(Get(kFeedUrl), "a");
  EXPECT_FALSE(http->Connected());
  EXPECT_EQ(Get(kFeedUrl), "b");
  EXPECT_EQ(connector->hosts.size(), 2u);
}

TEST_F(HttpTest, AnotherHostClosesTheKeptConnectionFirst) {
  auto first = connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\na"});
  connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nb"});
  EXPECT_EQ(Get("http://one/x"), "a");
  EXPECT_FALSE(first->closed);
  EXPECT_EQ(Get("http://two:81/x"), "b");
  EXPECT_TRUE(first->closed);
  EXPECT_EQ(connector->hosts, (std::vector<std::string>{"one:80", "two:81"}));
}

TEST_F(HttpTest, BodyUntilCloseWithoutLength) {
  connector->Add({"HTTP/1.1 200 OK\r\n\r\npart one ", "part two"});
  EXPECT_EQ(Get(kFeedUrl), "part one part two");
  EXPECT_FALSE(http->Connected());
}

TEST_F(HttpTest, ChunkedBodies) {
  connector->Add(
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "a\r\n0123456789\r\n"
       "B\r\nabcdefghijk\r\n"
       "0\r\n\r\n"});
  EXPECT_EQ(Get(kFeedUrl), "0123456789abcdefghijk");
  EXPECT_TRUE(http->Connected());
}

TEST_F(HttpTest, ChunkExtensionsDeliverTheirBytesAndKeepTheConnectionInStep) {
  connector->Add(
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "3 ;x=1\r\nabc\r\n5;ext=1\r\ndefgh\r\n2;name=\"q\"\r\nij\r\n0;last\r\n\r\n",
       "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nnext"});
  EXPECT_EQ(Get(kFeedUrl), "abcdefghij");
  EXPECT_TRUE(http->Connected());
  EXPECT_EQ(Get(kFeedUrl), "next");  // nothing of the first body is left on the connection
  EXPECT_EQ(connector->hosts.size(), 1u);
}

TEST_F(HttpTest, TrailersAreReadUpToTheEmptyLine) {
  connector->Add(
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "4\r\nfeed\r\n0\r\nX-Checksum: 1234\r\nX-Other: 5\r\n\r\n",
       "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
  EXPECT_EQ(Get(kFeedUrl), "feed");
  EXPECT_EQ(Get(kFeedUrl), "ok");
  EXPECT_EQ(connector->hosts.size(), 1u);
}

TEST_F(HttpTest, AChunkLineThatIsNoNumberStillEndsTheBody) {
  connector->Add(
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "3\r\nabc\r\nzz\r\n\r\n"});
  EXPECT_EQ(Get(kFeedUrl), "abc");
}

TEST_F(HttpTest, ContinueHeadIsSkippedButItsCookiesKept) {
  connector->Add(
      {"HTTP/1.1 100 Continue\r\nSet-Cookie: early=1; path=/\r\n\r\n"
       "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
  EXPECT_EQ(Get(kFeedUrl), "ok");
  EXPECT_EQ(http->Response.ResponseCode, 200);
  EXPECT_EQ(http->CookieManager()->CookieHeader("stats.example", "/login/"), "early=1");
}

TEST_F(HttpTest, NoContentHasNoBody) {
  connector->Add(
      {"HTTP/1.1 204 No Content\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nz"});
  EXPECT_EQ(Get(kFeedUrl), "");
  EXPECT_EQ(Get(kFeedUrl), "z");
}

TEST_F(HttpTest, RedirectsAndErrorStatusesRaiseWithAnEmptyBody) {
  struct Case {
    const char* response;
    int code;
  };
  for (Case c :
       {Case{"HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 4\r\n\r\nmove", 302},
        Case{"HTTP/1.1 200 OK\r\nLocation: /x\r\nContent-Length: 2\r\n\r\nok", 200},
        Case{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\n<b>no</b>", 404},
        Case{"HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\n\r\n", 401},
        Case{"HTTP/1.1 304 Not Modified\r\n\r\n", 304}, Case{"garbage\r\n\r\n", -1}}) {
    connector->Add({c.response});
    std::string body;
    try {
      http->Get(kFeedUrl, body);
      ADD_FAILURE() << c.response;
    } catch (const ENetHTTPProtocolException& e) {
      EXPECT_EQ(e.ErrorCode(), c.code);
      EXPECT_EQ(std::string(e.what()), http->Response.ResponseText);
    }
    EXPECT_EQ(body, "");
    http->Disconnect();
  }
}

TEST_F(HttpTest, ErrorBodyTravelsInTheError) {
  connector->Add({"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\n<b>no</b>"});
  try {
    http->Get(kFeedUrl);
    FAIL();
  } catch (const ENetHTTPProtocolException& e) {
    EXPECT_STREQ(e.what(), "HTTP/1.1 404 Not Found");
    EXPECT_EQ(e.ErrorMessage(), "<b>no</b>");
  }
  EXPECT_TRUE(http->Connected());  // the error body was read to its end
}

TEST_F(HttpTest, SilentErrorBodyTimesOut) {
  auto script = connector->Add({"HTTP/1.1 500 Oops\r\n\r\n"});
  script->silentAtEnd = true;
  std::string error;
  Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Read Timeout");
  EXPECT_FALSE(http->Connected());
}

TEST_F(HttpTest, HalfSentLengthBodyIsNoError) {
  connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhalf"});
  EXPECT_EQ(Get(kFeedUrl), "half");
}

TEST_F(HttpTest, HeadCutOffIsAnUndefinedSituation) {
  connector->Add({"HTTP/1.1 200 OK\r\nContent-Le"});
  std::string error;
  EXPECT_EQ(Get(kFeedUrl, &error), "");
  EXPECT_EQ(error, "Undefined situation");
  connector->Add({"HTTP/1.1 20"});
  Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Connection Closed Gracefully.");
  connector->Add({});
  Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Connection Closed Gracefully.");
}

TEST_F(HttpTest, MaxLineLength) {
  std::string exact(16384, 'a');
  connector->Add({"HTTP/1.1 200 OK\r\nX: " + exact.substr(3) + "\r\nContent-Length: 1\r\n\r\n1"});
  EXPECT_EQ(Get(kFeedUrl), "1");
  http->Disconnect();
  connector->Add({"HTTP/1.1 200 OK\r\nX: " + exact.substr(2) + "\r\n\r\n"});
  std::string error;
  Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Max line length exceeded.");
  connector->Add({"HTTP/1.1 200 OK\r\nX: " + std::string(100000, 'b')});
  Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Max line length exceeded.");
}

TEST_F(HttpTest, FoldedHeadersAreJoined) {
  connector->Add(
      {"HTTP/1.1 200 OK\r\nContent-Length:\r\n 3\r\nConnection: "
       "keep-alive,\r\n\tclose\r\n\r\nabc"});
  EXPECT_EQ(Get(kFeedUrl), "abc");
  EXPECT_EQ(http->Response.Connection, "keep-alive, close");
  EXPECT_TRUE(http->Connected());
}

TEST_F(HttpTest, HostileHeads) {
  std::string many = "HTTP/1.1 200 OK\r\n";
  for (int i = 0; i < 10000; ++i) many += "X-" + std::to_string(i) + ": v\r\n";
  connector->Add({many + "Content-Length: 2\r\n\r\nok"});
  EXPECT_EQ(Get(kFeedUrl), "ok");
  EXPECT_EQ(http->Response.RawHeaders.Count(), 10001u);
  http->Disconnect();
  connector->Add(
      {std::string("HTTP/1.1 200 OK\r\nX-N\0ul: a\0b\r\nContent-Length: 1\r\n\r\nk", 52)});
  EXPECT_EQ(Get(kFeedUrl), "k");
  http->Disconnect();
  // Sixteen "F"s are no 32-bit size: they read as 0 and end the body.
  connector->Add({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFF\r\n\r\n"});
  EXPECT_EQ(Get(kFeedUrl), "");
  http->Disconnect();
  connector->Add({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFF\r\nxyz"});
  std::string error;
  EXPECT_EQ(Get(kFeedUrl, &error), "");
  EXPECT_EQ(error, "Connection Closed Gracefully.");
}

TEST_F(HttpTest, EndlessChunkedBodyCutOffKeepsWhatArrived) {
  std::string body = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  for (int i = 0; i < 1000; ++i) body += "4\r\ndata\r\n";
  connector->Add({body, "10\r\nonly"});
  std::string error;
  std::string got = Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Connection Closed Gracefully.");
  EXPECT_EQ(got.size(), 4000u + 4u);
}

TEST_F(HttpTest, AnnouncedHugeLengthDoesNotAllocateIt) {
  connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 200000000\r\n\r\n0123456789"});
  std::string body = Get(kFeedUrl);
  EXPECT_EQ(body, "0123456789");
  EXPECT_LE(body.capacity(), kMaxBodyReserve + 64);
}

TEST_F(HttpTest, ALengthBeyondTheLimitFailsAtOnce) {
  connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 1000000000\r\n\r\n0123456789"});
  std::string error;
  std::string body = Get(kFeedUrl, &error);
  EXPECT_EQ(error, "Response body too large");
  EXPECT_TRUE(body.empty());
  EXPECT_LE(body.capacity(), 64u);
  EXPECT_FALSE(http->Connected());
}

// A peer that sends one chunk after another for ever.
class EndlessStream : public NetStream {
 public:
  explicit EndlessStream(std::string head) : m_pending(std::move(head)) {}
  void Send(std::string_view) override {}
  std::size_t Receive(char* data, std::size_t size) override {
    if (m_pending.empty())
      m_pending = std::string("100000\r\n") + std::string(0x100000, 'x') + "\r\n";
    std::size_t n = std::min(size, m_pending.size());
    m_pending.copy(data, n);
    m_pending.erase(0, n);
    received += n;
    return n;
  }
  void SetReadTimeout(int) override {}
  bool PeerClosed() override { return false; }
  std::size_t received = 0;

 private:
  std::string m_pending;
};

class EndlessConnector : public NetConnector {
 public:
  explicit EndlessConnector(std::string head) : m_head(std::move(head)) {}
  std::unique_ptr<NetStream> Connect(const std::string&, int, int) override {
    return std::make_unique<EndlessStream>(m_head);
  }

 private:
  std::string m_head;
};

TEST(HttpLimits, AnEndlessBodyStopsAtTheLimitWithTheError) {
  for (const char* head :
       {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", "HTTP/1.1 200 OK\r\n\r\n"}) {
    TNetHTTP http(std::make_unique<EndlessConnector>(head));
    std::string body;
    EXPECT_THROW(http.Get(kFeedUrl, body), ENetResponseTooLarge) << head;
    EXPECT_LE(body.size(), kMaxBodyBytes);
    EXPECT_GT(body.size(), kMaxBodyBytes - 0x200000);
    EXPECT_FALSE(http.Connected());
  }
}

TEST(HttpLimits, ABodyReadUntilCloseIsKeptWithoutDoublingItsBuffer) {
  // Pieces of 20,000 bytes; a text grown piece by piece doubles from 20,000, so
  // these sizes lie just past a doubling step.
  for (std::size_t size : {std::size_t{20000} * 256 + 1000, std::size_t{20000} * 2048 + 20000}) {
    auto connector = std::make_unique<test::MemoryConnector>();
    std::vector<std::string> blocks{"HTTP/1.1 200 OK\r\n\r\n"};
    for (std::size_t sent = 0; sent < size; sent += 20000) {
      blocks.push_back(std::string(std::min<std::size_t>(20000, size - sent), 'b'));
    }
    connector->Add(std::move(blocks));
    TNetHTTP http(std::move(connector));
    std::string body = http.Get(kFeedUrl);
    EXPECT_EQ(body.size(), size);
    EXPECT_EQ(body.find_first_not_of('b'), std::string::npos);
    EXPECT_LE(body.capacity(), size + size * 3 / 10) << size;
  }
  // A chunked body of such pieces: its length is known only at its end, too.
  for (std::size_t size : {std::size_t{20000} * 256 + 1000, std::size_t{20000} * 2048 + 20000}) {
    auto connector = std::make_unique<test::MemoryConnector>();
    std::vector<std::string> blocks{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"};
    for (std::size_t sent = 0; sent < size; sent += 20000) {
      std::size_t piece = std::min<std::size_t>(20000, size - sent);
      char line[16];
      std::snprintf(line, sizeof line, "%zx\r\n", piece);
      blocks.push_back(line + std::string(piece, 'c') + "\r\n");
    }
    blocks.push_back("0\r\n\r\n");
    connector->Add(std::move(blocks));
    TNetHTTP http(std::move(connector));
    std::string body = http.Get(kFeedUrl);
    EXPECT_EQ(body.size(), size);
    EXPECT_EQ(body.find_first_not_of('c'), std::string::npos);
    EXPECT_LE(body.capacity(), size + size * 3 / 10) << "chunked " << size;
  }
  TNetHTTP endless(std::make_unique<EndlessConnector>("HTTP/1.1 200 OK\r\n\r\n"));
  std::string cut;
  EXPECT_THROW(endless.Get(kFeedUrl, cut), ENetResponseTooLarge);
  EXPECT_LE(cut.capacity(), cut.size() + cut.size() * 3 / 10);
}

TEST_F(HttpTest, HeadLimitsCountOverAllContinueHeads) {
  // Each "100 Continue" head stays under the line limit; together they pass it.
  std::string heads;
  const std::size_t perHead = kMaxHeaderLines / 4;
  for (int h = 0; h < 5; ++h) {
    heads += "HTTP/1.1 100 Continue\r\n";
    for (std::size_t i = 0; i < perHead; ++i) heads += "X-Filler: " + std::to_string(i) + "\r\n";
    heads += "\r\n";
  }
  connector->Add({heads + "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
  std::string error;
  Get(kFeedUrl, &error);
  EXPECT_EQ(error, SHeadTooLarge);
}

TEST_F(HttpTest, UrlIsSentRawButWithoutBookmark) {
  auto script = connector->Add({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"});
  Get("http://stats.example/login/kestrix.php?login=a b&c\\d&pass=#x#y");
  EXPECT_EQ(script->sent.substr(0, script->sent.find("\r\n")),
            "GET /login/kestrix.php?login=a b&c/d&pass= HTTP/1.1");
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST_F(HttpTest, LongCookieHeaderIsFoldedAtBlanks) {
  std::string head = "HTTP/1.1 200 OK\r\n";
  for (int i = 0; i < 8; ++i)
    head +=
        "Set-Cookie: cookie" + std::to_string(i) + "=value" + std::to_string(i) + "; path=/\r\n";
  auto script = connector->Add(
      {head + "Content-Length: 0\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"});
  Get(kFeedUrl);
  Get(kFeedUrl);
  std::string second = script->sent.substr(std::string(kFeedHead).size());
  std::size_t cookie = second.find("Cookie: ");
  ASSERT_NE(cookie, std::string::npos);
  std::string rest = second.substr(cookie);
  std::size_t firstBreak = rest.find("\r\n");
  EXPECT_LE(firstBreak, 78u);
  EXPECT_EQ(rest[firstBreak + 2], ' ');  // a continuation line
  TNetHeaderList parsed;
  std::size_t at = 0;
  while (at < rest.size()) {
    std::size_t end = rest.find("\r\n", at);
    if (end == at) break;
    parsed.AddReceivedLine(rest.substr(at, end - at));
    at = end + 2;
  }
  EXPECT_EQ(parsed.Values("Cookie"),
            "cookie7=value7; cookie6=value6; cookie5=value5; cookie4=value4; cookie3=value3; "
            "cookie2=value2; cookie1=value1; cookie0=value0");
}

}  // namespace
}  // namespace kx
