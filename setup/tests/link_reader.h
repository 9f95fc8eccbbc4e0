// Reads a link file back through a fresh link object, for tests of the shortcut.
#pragma once

#include <string>

#include "setup/shell_link.h"

namespace brontel::testing {

// Every field of the link at `windows_path`; records a test failure when it cannot be loaded.
// Requires the shell-link module to have started.
TShellLinkInfo ReadLink(const std::string& windows_path);

}  // namespace brontel::testing
