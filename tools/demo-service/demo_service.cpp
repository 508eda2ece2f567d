#include "tools/demo-service/demo_service.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace kx {

namespace {

constexpr const char* kDemoLogin = "demo";
constexpr const char* kDemoPassword = "demo";
constexpr const char* kCurrentVersionPath = "/refresh/current.txt";

void LogRequest(const httplib::Request& request, const httplib::Response& response) {
  std::fprintf(stderr, "demo-service: %s %s -> %d\n", request.method.c_str(), request.path.c_str(),
               response.status);
}

}  // namespace

DemoService::DemoService(const DemoServiceOptions& options)
    : m_options(options),
      m_feed(GenerateDemoFeed(options.feed)),
      m_server(std::make_unique<httplib::Server>()) {
  std::random_device entropy;
  m_nextSession = (std::uint64_t{entropy()} << 32) | entropy();
  Route();
}

DemoService::~DemoService() = default;

int DemoService::Bind(const std::string& host, int port) {
  if (port == 0) return m_server->bind_to_any_port(host);
  return m_server->bind_to_port(host, port) ? port : -1;
}

bool DemoService::Serve() {
  m_serving = true;
  bool served = m_stopped || m_server->listen_after_bind();
  m_serving = false;
  return served;
}

bool DemoService::WaitUntilServing(int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 5) {
    if (m_server->is_running()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return m_server->is_running();
}

void DemoService::Stop() {
  m_stopped = true;
  // A Serve that has begun but does not listen yet would miss the stop: wait
  // until it listens (or has seen the flag and returned).
  while (m_serving && !m_server->is_running()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  m_server->stop();
}

std::string DemoService::NewSession() {
  std::lock_guard<std::mutex> lock(m_sessionsLock);
  char text[32];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(m_nextSession++));
  m_sessions.emplace(text, 0);
  return text;
}

int DemoService::NextUpdate(const std::string& cookieHeader) {
  std::string prefix = std::string(kCookieName) + "=";
  std::lock_guard<std::mutex> lock(m_sessionsLock);
  for (std::size_t at = cookieHeader.find(prefix); at != std::string::npos;
       at = cookieHeader.find(prefix, at + 1)) {
    std::size_t start = at + prefix.size();
    std::size_t end = cookieHeader.find(';', start);
    std::string value = cookieHeader.substr(start, end == std::string::npos ? end : end - start);
    auto session = m_sessions.find(value);
    if (session != m_sessions.end()) return session->second++;
  }
  return -1;
}

void DemoService::Route() {
  m_server->set_logger(LogRequest);
  m_server->Get(kVersionPath, [this](const httplib::Request&, httplib::Response& response) {
    response.status = m_options.versionStatus;
    if (response.status >= 300 && response.status < 400) {
      response.set_header("Location", kCurrentVersionPath);
    }
    response.set_content("Kestrix 3.6\r\n", "text/plain");
  });
  m_server->Get(kCurrentVersionPath, [](const httplib::Request&, httplib::Response& response) {
    response.set_content("Kestrix 3.6\r\n", "text/plain");
  });
  m_server->Get(kLoginPath, [this](const httplib::Request& request, httplib::Response& response) {
    bool demo = request.get_param_value("login") == kDemoLogin &&
                request.get_param_value("pass") == kDemoPassword;
    if (!demo) {
      response.set_content("Login Failed: unknown login or wrong password\r\n", "text/html");
      return;
    }
    const int update = NextUpdate(request.get_header_value("Cookie"));
    if (update < 0) {
      response.set_header("Set-Cookie", std::string(kCookieName) + "=" + NewSession() + "; path=/");
    }
    if (update <= 0) {
      response.set_content(m_feed, "text/html");
      return;
    }
    DemoFeedOptions later = m_options.feed;
    later.update = update;
    response.set_content(GenerateDemoFeed(later), "text/html");
  });
}

}  // namespace kx
