#pragma once

#include <string>

namespace kx {

// True when the text is an IPv4 address in dotted form ("127.0.0.1").
bool IsDottedIPv4(const std::string& text);

}  // namespace kx
