#pragma once

namespace kx {
struct TNetURI;
class TNetHeaderList;
class TNetHTTP;
struct TNetHTTPRequest;
struct TNetHTTPResponse;
class TNetCookieManager;
class TNetCookies;
class NetStream;
class NetConnector;
class NetIOHandler;
}  // namespace kx
