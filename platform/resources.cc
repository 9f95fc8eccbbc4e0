#include "platform/resources.h"

#include "base/exception.h"
#include "base/strings.h"

namespace brontel::platform {

namespace {

// A view over resource bytes that keeps their module loaded for as long as it lives.
class ResourceStream : public MemoryStream {
 public:
  ResourceStream(std::shared_ptr<ResourceModule> module, std::span<const unsigned char> bytes)
      : MemoryStream(bytes.data(), static_cast<std::int64_t>(bytes.size())),
        module_(std::move(module)) {}

 private:
  std::shared_ptr<ResourceModule> module_;
};

}  // namespace

std::unique_ptr<Stream> OpenResource(std::shared_ptr<ResourceModule> module,
                                     const std::string& type, const std::string& name) {
  bool found = false;
  std::span<const unsigned char> bytes;
  if (module) bytes = module->Find(type, name, found);
  if (!found) throw EResNotFound(FormatS("Resource %s not found", name));
  return std::make_unique<ResourceStream>(std::move(module), bytes);
}

}  // namespace brontel::platform
