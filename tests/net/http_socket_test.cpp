#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "loopback_server.h"
#include "net/http.h"
#include "net/net_errors.h"

namespace kx {
namespace {

using test::LoopbackServer;

const std::string kOk = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello";

TEST(HttpSocketTest, KeepAliveCarriesTheSecondRequest) {
  std::vector<std::string> heads;
  LoopbackServer server([&](LoopbackServer::Connection& c) {
    for (int i = 0; i < 2; ++i) {
      heads.push_back(c.ReadHead());
      c.Send(kOk);
    }
  });
  TNetHTTP http;
  EXPECT_EQ(http.Get(server.Url("/login/kestrix.php?login=x&pass=y")), "hello");
  EXPECT_EQ(http.Get(server.Url("/login/kestrix.php?login=x&pass=y")), "hello");
  EXPECT_EQ(server.Accepted(), 1);
  http.Disconnect();
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_NE(heads[0].find("Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"),
            std::string::npos);
}

TEST(HttpSocketTest, KeptConnectionClosedByThePeerIsReopened) {
  LoopbackServer server(
      [&](LoopbackServer::Connection& c) {
        c.ReadHead();
        c.Send(kOk);
      },
      2);
  TNetHTTP http;
  EXPECT_EQ(http.Get(server.Url("/a")), "hello");
  // Give the server time to close its side.
  for (int i = 0; i < 100 && server.Accepted() < 1; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(http.Get(server.Url("/b")), "hello");
  EXPECT_EQ(server.Accepted(), 2);
}

TEST(HttpSocketTest, SilentServerHitsTheReadTimeout) {
  LoopbackServer server([](LoopbackServer::Connection& c) {
    c.ReadHead();
    char byte;
    while (recv(c.fd, &byte, 1, 0) > 0) {
    }
  });
  TNetHTTP http;
  http.ReadTimeout = 200;
  std::string body;
  EXPECT_THROW(http.Get(server.Url("/"), body), ENetReadTimeout);
  EXPECT_FALSE(http.Connected());
}

TEST(HttpSocketTest, DefaultTimeoutsAreThirtySeconds) {
  TNetHTTP http;
  EXPECT_EQ(http.ReadTimeout, 30000);
  EXPECT_EQ(http.ConnectTimeout, 30000);
}

int UnusedPort() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  close(fd);
  return ntohs(addr.sin_port);
}

TEST(HttpSocketTest, RefusedConnectionIsASocketError) {
  TNetHTTP http;
  try {
    http.Get("http://127.0.0.1:" + std::to_string(UnusedPort()) + "/");
    FAIL();
  } catch (const ENetSocketError& e) {
    EXPECT_EQ(e.LastError(), ECONNREFUSED);
    EXPECT_EQ(
        std::string(e.what()).rfind("Socket Error # " + std::to_string(ECONNREFUSED) + "\r\n", 0),
        0u);
  }
}

// A URL without a host cannot resolve; no lookup leaves the machine for it.
TEST(HttpSocketTest, UnresolvableNameIsASocketError) {
  TNetHTTP http;
  try {
    http.Get("http://:8080/");
    FAIL();
  } catch (const ENetSocketError& e) {
    EXPECT_STREQ(e.what(), "Socket Error # 11001\r\nHost not found.");
  }
}

TEST(HttpSocketTest, LocalhostInAnyCaseIsLoopback) {
  LoopbackServer server([](LoopbackServer::Connection& c) {
    c.ReadHead();
    c.Send(kOk);
  });
  TNetHTTP http;
  EXPECT_EQ(http.Get("http://LocalHost:" + std::to_string(server.Port()) + "/"), "hello");
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST(HttpSocketTest, ATricklingServerIsStoppedAtTheRequestDeadline) {
  std::atomic<bool> done{false};
  LoopbackServer server([&](LoopbackServer::Connection& c) {
    c.ReadHead();
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n");
    // One byte well within the read time-out each time, for longer than the deadline.
    for (int i = 0; i < 40 && !done; ++i) {
      c.Send("x");
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  });
  TNetHTTP http;
  http.ReadTimeout = 1000;
  http.RequestDeadline = 500;
  std::string body;
  auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(http.Get(server.Url("/"), body), ENetReadTimeout);
  auto took = std::chrono::steady_clock::now() - start;
  done = true;
  EXPECT_LT(took, std::chrono::milliseconds(1500));
  EXPECT_GE(took, std::chrono::milliseconds(450));
  EXPECT_LT(body.size(), 100u);
  EXPECT_FALSE(http.Connected());
}

TEST(HttpSocketTest, SendingToAPeerThatDoesNotReadTimesOut) {
  std::atomic<bool> done{false};
  LoopbackServer server([&](LoopbackServer::Connection&) {
    while (!done) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  });
  SocketConnector connector;
  std::unique_ptr<NetStream> stream = connector.Connect("127.0.0.1", server.Port(), 2000);
  stream->SetSendTimeout(200);
  const std::string block(1 << 20, 'c');
  auto start = std::chrono::steady_clock::now();
  try {
    for (int i = 0; i < 256; ++i) stream->Send(block);  // far more than the socket buffers hold
    ADD_FAILURE() << "every send went through";
  } catch (const ENetReadTimeout&) {
  }
  done = true;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
}  // namespace kx
