// Named resources linked into a module (the running executable or a shared library), read in
// place. Types and names match without regard to ASCII case.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "base/memory_stream.h"

namespace brontel::platform {

// One linked resource: a type, a name and bytes that live as long as their module.
struct ResourceEntry {
  const char* type;
  const char* name;
  const unsigned char* data;
  std::uint64_t size;
};

// A loaded module with its resource table. The executable's own module lives for the whole run;
// a library module stays loaded while any shared_ptr to it (or a stream over it) lives.
class ResourceModule {
 public:
  virtual ~ResourceModule() = default;
  // The bytes of resource (type, name), or an empty span with `found` false.
  virtual std::span<const unsigned char> Find(const std::string& type, const std::string& name,
                                              bool& found) const = 0;
};

// The running executable's resources. Never null.
std::shared_ptr<ResourceModule> OwnModule();
// Loads a shared library by file name (a host path, or a bare name looked for beside the
// executable first and then as the dynamic loader does) and reads its resource table. Returns
// null when it cannot be loaded; a library without resources gives a module that finds none.
std::shared_ptr<ResourceModule> LoadModule(const std::string& file_name);

// A read-only stream over resource (type, name) of `module`, without a copy; the stream keeps
// the module loaded. Raises EResNotFound ("Resource %s not found", %s the name) when missing.
std::unique_ptr<Stream> OpenResource(std::shared_ptr<ResourceModule> module,
                                     const std::string& type, const std::string& name);

}  // namespace brontel::platform
