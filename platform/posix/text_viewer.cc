#include "platform/text_viewer.h"

namespace brontel::platform {

std::vector<std::string> TextViewerCommand(FileSystem& file_system, const std::string& path) {
  return {"xdg-open", file_system.HostPath(path)};
}

}  // namespace brontel::platform
