#include "platform/file_system.h"
#include "platform/posix/posix_process.h"

namespace brontel::platform {

Process* Process::Default() {
  static PosixProcess process(FileSystem::Default());
  return &process;
}

}  // namespace brontel::platform
