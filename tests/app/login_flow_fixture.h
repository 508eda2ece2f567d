#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "platform/forms/application.h"
#include "platform/sys/files.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_password_edit.h"
#include "tests/net/loopback_server.h"

namespace kx {

// A whole 200 response with a body, ending the connection.
inline std::string OkResponse(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

// A scripted service: the version file answers `probe`; a login request
// without a cookie gets a session cookie and `first`, the first one with the
// cookie gets `second`, and later ones with the cookie get the responses given
// to AddReload in turn (the last one again when they run out). Every request
// head is kept.
class ScriptedService {
 public:
  ScriptedService(std::string probe, std::string first, std::string second)
      : m_server(
            [this, probe, first, second](test::LoopbackServer::Connection& c) {
              std::string head = c.ReadHead();
              if (head.empty()) return;
              if (head.rfind("GET /refresh/", 0) == 0) {
                Keep(head);
                c.Send("HTTP/1.1 " + probe +
                       "\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
                return;
              }
              bool cookie = head.find("Cookie: session=s1") != std::string::npos;
              int cookieRequests = Keep(head, cookie);
              if (!cookie) {
                c.Send("HTTP/1.1 200 OK\r\nSet-Cookie: session=s1; Path=/\r\nContent-Length: " +
                       std::to_string(first.size()) + "\r\nConnection: close\r\n\r\n" + first);
              } else if (cookieRequests == 1) {
                c.Send(OkResponse(second));
              } else {
                c.Send(Reload(cookieRequests - 2));
              }
            },
            16) {}
  std::string Host() const { return "127.0.0.1:" + std::to_string(m_server.Port()); }
  std::vector<std::string> Heads() {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_heads;
  }
  // The login and feed requests among the heads.
  std::vector<std::string> LoginHeads() {
    std::vector<std::string> logins;
    for (const std::string& head : Heads()) {
      if (head.find("/login/") != std::string::npos) logins.push_back(head);
    }
    return logins;
  }
  void AddReload(std::string response) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_reloads.push_back(std::move(response));
  }

 private:
  int Keep(const std::string& head, bool cookie = false) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_heads.push_back(head);
    if (cookie) ++m_cookieRequests;
    return m_cookieRequests;
  }
  std::string Reload(int index) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_reloads.empty()) return OkResponse("");
    return m_reloads[std::min<std::size_t>(static_cast<std::size_t>(index), m_reloads.size() - 1)];
  }

  std::mutex m_lock;
  std::vector<std::string> m_heads;
  std::vector<std::string> m_reloads;
  int m_cookieRequests = 0;
  test::LoopbackServer m_server;
};

inline const char* kFeed =
    "<match><id>1</id><date>10.12.2026</date><time>18:00</time><home>Home FC</home>"
    "<away>Away FC</away><liga>England. Premier League</liga><kf1>1.5</kf1><kf2>3.2</kf2>"
    "<kf3>5.1</kf3><p1>1</p1><x>2</x><p2>3</p2><t05>4</t05><t15>5</t15><t25>6</t25><oz>7</oz>"
    "<count>42</count><countv>21</countv></match><match><id>2</id><home>Second</home><away>Other</"
    "away>"
    "<liga>Spain. La Liga</liga></match>";

// The client in a fresh directory (the credentials file is "qev.log" there),
// with its dialogs and the shell opener recorded.
class LoginFlowTest : public ::testing::Test {
 protected:
  LoginFlowTest() {
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
  }
  ~LoginFlowTest() override {
    unsetenv("KESTRIX_SERVICE_HOST");
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }
  void WriteCredentials(const std::string& bytes) { WriteWholeFile("qev.log", bytes); }
  // Creates the window as the program does, against the service at host.
  TForm1& Open(const std::string& host = "127.0.0.1:1") {
    setenv("KESTRIX_SERVICE_HOST", host.c_str(), 1);
    app.CreateForm(form);
    form->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
    form->OpenUrl = [this](const std::string& url) {
      opened.push_back(url);
      return true;
    };
    form->Show();
    Settle();
    return *form;
  }
  void Settle() { session.driver.RunUntilIdle(); }
  void ClickLogin() {
    session.driver.ClickAt(form->ksSkinTabSheet1->Handle(), {496 + 50, 416 + 12});
    Settle();
  }
  void Login(const std::string& login, const std::string& password) {
    form->loginedit->SetCaption(login);
    form->passedit->SetText(password);
    ClickLogin();
  }
  std::vector<std::string> VisibleTabs() {
    std::vector<std::string> tabs;
    for (int t = 0; t < form->Page->TabCount(); ++t)
      tabs.push_back(form->Page->PageForTab(t)->Caption());
    return tabs;
  }

  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kx-login-" + std::to_string(::getpid()));
  HeadlessSession session{{1200, 800}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm1* form = nullptr;
  std::vector<std::string> messages;
  std::vector<std::string> opened;
};

}  // namespace kx
