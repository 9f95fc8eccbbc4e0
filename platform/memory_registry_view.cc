#include "platform/memory_registry_view.h"

#include "base/strings.h"

namespace brontel::platform {

namespace {

// The lookup form of a key path: small letters, no "\" at either end.
std::string KeyId(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return LowerAscii(key);
}

}  // namespace

void MemoryRegistryView::AddKey(std::string_view key) {
  const std::string id = KeyId(key);
  if (id.empty()) return;
  for (std::size_t at = id.find('\\'); at != std::string::npos; at = id.find('\\', at + 1)) {
    keys_.try_emplace(id.substr(0, at));
  }
  keys_.try_emplace(id);
}

void MemoryRegistryView::SetValue(std::string_view key, std::string_view name,
                                  RegistryValue value) {
  AddKey(key);
  keys_[KeyId(key)][LowerAscii(name)] = std::move(value);
}

bool MemoryRegistryView::KeyExists(const std::string& key) const {
  const std::string id = KeyId(key);
  return id.empty() || keys_.contains(id);
}

std::optional<RegistryValue> MemoryRegistryView::Value(const std::string& key,
                                                       const std::string& name) const {
  const auto found_key = keys_.find(KeyId(key));
  if (found_key == keys_.end()) return std::nullopt;
  const auto found_value = found_key->second.find(LowerAscii(name));
  if (found_value == found_key->second.end()) return std::nullopt;
  return found_value->second;
}

}  // namespace brontel::platform
