#include "platform/sys/address.h"

#include <arpa/inet.h>

namespace kx {

bool IsDottedIPv4(const std::string& text) {
  in_addr parsed{};
  return inet_pton(AF_INET, text.c_str(), &parsed) == 1;
}

}  // namespace kx
