#include "platform/resource_table_module.h"

#include "base/strings.h"

namespace brontel::platform {

// The generated table writes three addresses and a 64-bit size one after the other.
static_assert(sizeof(ResourceEntry) == 3 * sizeof(void*) + sizeof(std::uint64_t));

std::span<const unsigned char> ResourceTableModule::Find(const std::string& type,
                                                         const std::string& name,
                                                         bool& found) const {
  for (const ResourceEntry* entry = table_; entry != nullptr && entry->type != nullptr; ++entry) {
    if (EqualsIgnoreCaseAscii(entry->type, type) && EqualsIgnoreCaseAscii(entry->name, name)) {
      found = true;
      return {entry->data, static_cast<std::size_t>(entry->size)};
    }
  }
  found = false;
  return {};
}

}  // namespace brontel::platform
