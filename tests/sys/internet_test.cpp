#include "platform/sys/internet.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "../net/loopback_server.h"

namespace kx {
namespace {

using test::LoopbackServer;

// The status text the version probe reads, or "" when the URL cannot be opened.
std::string ProbeStatus(const std::string& url) {
  setenv("no_proxy", "127.0.0.1,localhost", 1);
  HINTERNET session =
      InternetOpenA("InetURL:/1.0", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) return "";
  HINTERNET request =
      InternetOpenUrlA(session.get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0);
  std::string status;
  if (request) {
    char buffer[10] = {};
    DWORD length = sizeof buffer;
    DWORD index = 0;
    if (HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE, buffer, length, index))
      status = buffer;
  }
  InternetCloseHandle(request);
  InternetCloseHandle(session);
  return status;
}

LoopbackServer::Handler Answer(std::string response, std::string* head = nullptr) {
  return [response, head](LoopbackServer::Connection& c) {
    std::string h = c.ReadHead();
    if (head) *head = h;
    c.Send(response);
  };
}

TEST(InternetProbeTest, StatusCodesAsText) {
  std::string head;
  {
    LoopbackServer ok(Answer("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\n3.6", &head));
    EXPECT_EQ(ProbeStatus(ok.Url("/refresh/kestrix3.6.txt")), "200");
  }
  EXPECT_NE(head.find("User-Agent: InetURL:/1.0\r\n"), std::string::npos);
  EXPECT_NE(head.find("Cache-Control: no-cache\r\n"), std::string::npos);
  LoopbackServer notFound(Answer("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnope"));
  EXPECT_EQ(ProbeStatus(notFound.Url("/x")), "404");
  LoopbackServer moved(Answer("HTTP/1.1 302 Found\r\nContent-Length: 0\r\n\r\n"));
  EXPECT_EQ(ProbeStatus(moved.Url("/x")), "302");
}

TEST(InternetProbeTest, RedirectsAreFollowed) {
  LoopbackServer target(Answer("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"));
  LoopbackServer redirect(Answer("HTTP/1.1 302 Found\r\nLocation: " + target.Url("/final") +
                                 "\r\nContent-Length: 0\r\n\r\n"));
  EXPECT_EQ(ProbeStatus(redirect.Url("/start")), "200");
}

TEST(InternetProbeTest, UnreachableGivesNoStatus) {
  // Port 1 on loopback refuses; an empty host never resolves.
  EXPECT_EQ(ProbeStatus("http://127.0.0.1:1/x"), "");
  EXPECT_EQ(ProbeStatus("http:///x"), "");
}

TEST(InternetProbeTest, SmallBufferIsRefused) {
  LoopbackServer ok(Answer("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"));
  HINTERNET session = InternetOpenA("a", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  HINTERNET request = InternetOpenUrlA(session.get(), ok.Url("/").c_str(), nullptr, 0, 0, 0);
  ASSERT_TRUE(request);
  char buffer[3];
  DWORD length = sizeof buffer;
  DWORD index = 0;
  EXPECT_FALSE(HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE, buffer, length, index));
  EXPECT_EQ(length, 4u);
}

}  // namespace
}  // namespace kx
