#include "platform/file_system.h"
#include "platform/posix/current_user_hive.h"
#include "platform/registry.h"

namespace brontel::platform {

std::shared_ptr<RegistryView> RegistryView::Default() {
  return CurrentUserHive(*FileSystem::Default());
}

}  // namespace brontel::platform
