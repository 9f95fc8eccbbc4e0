// A resource module over a table of entries that the build laid out (see
// cmake/Resources.cmake): entries in order, ended by one whose type is null.
#pragma once

#include "platform/resources.h"

namespace brontel::platform {

class ResourceTableModule : public ResourceModule {
 public:
  // `table` may be null (a module without resources); otherwise it and the bytes it points to
  // must outlive this object.
  explicit ResourceTableModule(const ResourceEntry* table) : table_(table) {}

  // The first entry whose type and name equal the given ones without regard to ASCII case.
  std::span<const unsigned char> Find(const std::string& type, const std::string& name,
                                      bool& found) const override;

 private:
  const ResourceEntry* table_;
};

}  // namespace brontel::platform
