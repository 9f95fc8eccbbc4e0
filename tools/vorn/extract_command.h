// "vorn extract": the installer's own expansion, into a folder given on the command line.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace brontel::vorn {

// The Windows path of the target folder: `target` itself when it looks like a Windows path
// (a drive letter and ":"), else the host folder `target` (made absolute) through the drive
// map. Raises Exception when no drive holds the host folder.
std::string TargetFolder(const std::string& target, platform::FileSystem& file_system);

}  // namespace brontel::vorn
