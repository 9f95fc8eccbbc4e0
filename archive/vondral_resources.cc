// Opening the archive that a module carries among its resources.
#include "archive/vondral.h"
#include "base/exception.h"
#include "platform/resources.h"

namespace brontel {

namespace {
constexpr char kResourceType[] = "TVONDRAL";
}  // namespace

std::unique_ptr<Stream> TVondral::OpenResourceStream(const std::string& ResName,
                                                     const std::string& ModuleName) {
  std::shared_ptr<platform::ResourceModule> module;
  if (ModuleName.empty()) {
    module = platform::OwnModule();
  } else {
    module = platform::LoadModule(ModuleName);
    if (!module) throw Exception("Could not load " + ModuleName + " DLL");
  }
  // The stream holds the module, so a loaded library stays loaded while the stream lives.
  return platform::OpenResource(std::move(module), kResourceType, ResName);
}

}  // namespace brontel
