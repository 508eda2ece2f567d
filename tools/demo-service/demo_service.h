#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "tools/demo-service/demo_feed.h"

namespace httplib {
class Server;
}

namespace kx {

struct DemoServiceOptions {
  DemoFeedOptions feed;
  int versionStatus = 200;  // the answer to the version probe
};

// The stand-in for the statistics service, on one loopback port: the version
// file, the login with the demo account demo / demo (a session cookie with the
// feed), and the day's feed for a request that carries the cookie: the first
// such request of a session gets the feed as the login did, each later one the
// next update of the day, with moved odds.
class DemoService {
 public:
  explicit DemoService(const DemoServiceOptions& options);
  ~DemoService();
  DemoService(const DemoService&) = delete;
  DemoService& operator=(const DemoService&) = delete;

  // Binds to host and port (0: any free port); the port, or -1 when it cannot.
  int Bind(const std::string& host, int port);
  // Serves until Stop; false when it could not serve.
  bool Serve();
  // Waits until Serve accepts connections; false after the time limit.
  bool WaitUntilServing(int timeoutMs);
  // Ends Serve from any thread, also one that has not begun yet.
  void Stop();
  const std::string& Feed() const { return m_feed; }

  static constexpr const char* kVersionPath = "/refresh/kestrix3.6.txt";
  static constexpr const char* kLoginPath = "/login/kestrix.php";
  static constexpr const char* kCookieName = "kxsession";

 private:
  void Route();
  std::string NewSession();
  // The update of the feed that a request with this Cookie header gets: -1
  // without a known session, else how many feeds the session had before.
  int NextUpdate(const std::string& cookieHeader);

  DemoServiceOptions m_options;
  std::string m_feed;
  std::unique_ptr<httplib::Server> m_server;
  std::mutex m_sessionsLock;
  std::map<std::string, int> m_sessions;  // feeds served to each session
  std::uint64_t m_nextSession = 0;
  std::atomic<bool> m_stopped{false};
  std::atomic<bool> m_serving{false};
};

}  // namespace kx
