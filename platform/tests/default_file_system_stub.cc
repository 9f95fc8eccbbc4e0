// Stands in for the default file system in builds that do not have it yet. It maps host paths
// the way a Wine prefix whose only drive is Z: (the host root) does, which is the prefix the
// tests that use it set up.
#include "platform/tests/host_path_file_system.h"

namespace brontel::platform {

FileSystem* FileSystem::Default() {
  static testing::HostPathFileSystem file_system(&testing::HostPathFileSystem::ThroughDriveZ);
  return &file_system;
}

}  // namespace brontel::platform
