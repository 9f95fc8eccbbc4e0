// A hive held in memory: what a parsed user.reg becomes, the built-in hive, and the fixture
// that tests hand to code reading the registry.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace brontel::platform {

class MemoryRegistryView : public RegistryView {
 public:
  // Adds `key` and every key above it; keeps what is already there. Leading and trailing "\"
  // are ignored.
  void AddKey(std::string_view key);
  // Adds `key` as AddKey does and sets its value `name` ("" is the default value), replacing a
  // value of that name in any letter case.
  void SetValue(std::string_view key, std::string_view name, RegistryValue value);

  // The empty path is the hive's root, which always exists.
  bool KeyExists(const std::string& key) const override;
  std::optional<RegistryValue> Value(const std::string& key,
                                     const std::string& name) const override;

 private:
  // Keys and value names are stored by their small-letter forms.
  std::map<std::string, std::map<std::string, RegistryValue>, std::less<>> keys_;
};

}  // namespace brontel::platform
