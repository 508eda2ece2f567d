#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace kx {

// The record classes of one list of a skin definition, by kind word.
template <typename Base>
class RecordFactory {
 public:
  using Creator = std::function<std::unique_ptr<Base>(const std::string&)>;

  template <typename T>
  static Creator Of() {
    return [](const std::string& idName) { return std::make_unique<T>(idName); };
  }

  RecordFactory(std::initializer_list<std::pair<const std::string, Creator>> kinds)
      : m_kinds(kinds) {}

  // A record of the kind with its IDName and Kind set; null for a kind not in the table.
  std::unique_ptr<Base> Create(std::string_view kind, const std::string& idName) const {
    auto it = m_kinds.find(kind);
    if (it == m_kinds.end()) return nullptr;
    std::unique_ptr<Base> record = it->second(idName);
    record->Kind = std::string(kind);
    return record;
  }

 private:
  std::map<std::string, Creator, std::less<>> m_kinds;
};

}  // namespace kx
