#include "setup/file_checks.h"

namespace brontel {

bool DirectoryExists(platform::FileSystem& file_system, const std::string& path) {
  const auto attributes = file_system.GetAttributes(path);
  return attributes && (*attributes & platform::kAttrDirectory) != 0;
}

bool FileExists(platform::FileSystem& file_system, const std::string& path) {
  const auto attributes = file_system.GetAttributes(path);
  return attributes && (*attributes & platform::kAttrDirectory) == 0;
}

}  // namespace brontel
