#pragma once

#include <map>
#include <string>

#include "platform/forms/component.h"

namespace kx {

// Strings that replace the skin engine's own texts (button hints, system-menu
// captions) and the character set their fonts use.
class TksResourceStrData : public TComponent {
 public:
  using TComponent::TComponent;

  std::map<std::string, std::string> ResStrings;
  int CharSet = 1;  // DEFAULT_CHARSET

  // The string for name, or fallback when the component holds none.
  std::string GetResStr(const std::string& name, const std::string& fallback) const {
    auto it = ResStrings.find(name);
    return it == ResStrings.end() ? fallback : it->second;
  }
};

}  // namespace kx
