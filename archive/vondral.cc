// The component's properties and its file-system helpers.
#include "archive/vondral.h"

#include <vector>

#include "archive/path_parts.h"
#include "base/exception.h"
#include "base/strings.h"

namespace brontel {

TVondral::TVondral(platform::FileSystem* file_system)
    : file_system_(file_system != nullptr ? file_system : platform::FileSystem::Default()) {}

void TVondral::SetTargetPath(const std::string& Value) {
  target_path_ = Value;
  if (!target_path_.empty() && target_path_.back() != '\\') target_path_ += '\\';
}

std::int64_t TVondral::AvailableSpace(const std::string& Path) {
  const std::string upper = UpperAscii(Path);
  int drive = 0;  // the current drive
  if (upper.size() >= 2 && upper[1] == ':') {
    // A drive "letter" that is no letter names no drive that could be queried.
    drive = (upper[0] >= 'A' && upper[0] <= 'Z') ? upper[0] - 'A' + 1 : -1;
  }
  std::int64_t space = drive < 0 ? -1 : file_system_->FreeBytes(drive);

  // The file about to be replaced gives its room back.
  const auto attributes = file_system_->GetAttributes(Path);
  if (attributes && (*attributes & platform::kAttrDirectory) == 0) {
    std::error_code error;
    const auto handle = file_system_->OpenFile(Path, error);
    if (!handle) throw EInOutError(error.message());
    const std::int64_t size = handle->Size();
    if (size < 0) throw EInOutError("Cannot read the size of " + Path);
    space += size;
  }
  return space;
}

void TVondral::CreateDirectoryPath(const std::string& Dir) {
  // Walk up to the first folder that exists (or a drive root), then create downwards; a loop
  // rather than recursion, since an archive name may hold thousands of folder levels.
  std::vector<std::string> missing;
  std::string dir = Dir;
  while (!dir.empty()) {
    if (dir.back() == '\\') dir.pop_back();
    if (dir.size() < 3 || DirectoryExists(dir)) break;
    missing.push_back(dir);
    dir = FolderPart(dir);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (const auto error = file_system_->CreateDirectory(*it)) throw EInOutError(error.message());
  }
}

bool TVondral::DirectoryExists(const std::string& Path) {
  const auto attributes = file_system_->GetAttributes(Path);
  return attributes && (*attributes & platform::kAttrDirectory) != 0;
}

bool TVondral::NameInList(const TStringList& List, const std::string& Name) {
  for (int i = 0; i < List.Count(); ++i) {
    if (EqualsIgnoreCaseAscii(List.Strings(i), Name)) return true;
  }
  return false;
}

}  // namespace brontel
