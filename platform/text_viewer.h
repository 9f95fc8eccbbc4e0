// Which program shows a text file to the user on this host.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace brontel::platform {

// The argument vector (for Process::StartDetached) that opens the text file at the Windows path
// `path` in the desktop's viewer. On POSIX the desktop's opener, "xdg-open", with the host path
// that `file_system` gives for `path` (empty when no drive holds it). Neither the file nor the
// program is looked for. Does not raise.
std::vector<std::string> TextViewerCommand(FileSystem& file_system, const std::string& path);

}  // namespace brontel::platform
