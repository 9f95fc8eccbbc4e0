// The two existence tests of the wizard, on the file system the application uses.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace brontel {

// True when the attributes of `path` can be read and mark a folder.
bool DirectoryExists(platform::FileSystem& file_system, const std::string& path);
// True when the attributes of `path` can be read and do not mark a folder.
bool FileExists(platform::FileSystem& file_system, const std::string& path);

}  // namespace brontel
