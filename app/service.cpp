#include "app/service.h"

#include <cstdlib>
#include <cstring>

#include "platform/base/strings.h"
#include "platform/sys/internet.h"

namespace kx {

namespace {
constexpr const char* kProbeAgent = "InetURL:/1.0";
constexpr DWORD kStatusBufferSize = 10;
}  // namespace

std::string ServiceHost() {
  const char* configured = std::getenv("KESTRIX_SERVICE_HOST");
  return configured && *configured ? std::string(configured) : std::string(kServiceHost);
}

std::string VersionProbeUrl(const std::string& host) {
  return "http://" + host + "/refresh/kestrix3.6.txt";
}

std::string PercentEncode(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string LoginUrl(const std::string& host, const std::string& login,
                     const std::string& password) {
  return "http://" + host + "/login/kestrix.php?login=" + PercentEncode(login) +
         "&pass=" + PercentEncode(password);
}

std::string UpdatePageUrl() {
  return std::string("http://") + kMakerHost +
         "/index.php?option=com_content&view=article&id=3&Itemid=12";
}

std::string UpdateMessage() {
  const std::string breakLine = "\n\r";
  return "Update New Version Programm Please!" + breakLine + "Go to site " + kMakerHost +
         breakLine + WideToAnsi(Utf8ToUtf16("Обновите программу с сайта!"));
}

bool UrlAvailable(const std::string& url) {
  std::string target = url;
  if (LowerCaseAscii(url).find("http://") == std::string::npos) target = "http://" + url;
  HINTERNET session = InternetOpenA(kProbeAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) return false;
  HINTERNET request =
      InternetOpenUrlA(session.get(), target.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0);
  if (!request) return false;
  char status[kStatusBufferSize] = {};
  DWORD length = kStatusBufferSize;
  DWORD index = 0;
  if (!HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE, status, length, index)) return false;
  return std::strcmp(status, "200") == 0 || std::strcmp(status, "302") == 0;
}

}  // namespace kx
