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

// The string of a skin's resource-string component, or fallback when there is
// no component or it holds no text under that name.
inline std::string SkinString(const TksResourceStrData* strings, const std::string& name,
                              const std::string& fallback) {
  std::string value = strings ? strings->GetResStr(name, "") : std::string();
  return value.empty() ? fallback : value;
}

}  // namespace kx
