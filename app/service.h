#pragma once

#include <string>

namespace kx {

// The statistics service's host, and the maker's web site's host.
inline constexpr const char* kServiceHost = "stats.kestrix.example";
inline constexpr const char* kMakerHost = "www.kestrix.example";

// The service host in use: KESTRIX_SERVICE_HOST (host or host:port) when it is
// set and not empty, else kServiceHost.
std::string ServiceHost();

// "http://" + host + "/refresh/kestrix3.6.txt".
std::string VersionProbeUrl(const std::string& host);
// "http://" + host + "/login/kestrix.php?login=" + login + "&pass=" + password,
// with login and password percent-encoded (letters, digits and "-._~" stay).
std::string LoginUrl(const std::string& host, const std::string& login,
                     const std::string& password);
// The page that tells a user of an old version where to get the new one.
std::string UpdatePageUrl();
// The update message: three lines joined by LF CR, in the system code page.
std::string UpdateMessage();
// The message of a login the service refused at the first request.
inline constexpr const char* kAuthorizationFailed = "Autorization Failed!";

// Percent-encodes every byte but letters, digits and "-._~".
std::string PercentEncode(const std::string& text);

// The version probe: true when the URL answers 200 or 302 (after redirects,
// as the Internet API follows them). "http://" is put in front when the
// lower-cased URL holds it nowhere.
bool UrlAvailable(const std::string& url);

}  // namespace kx
