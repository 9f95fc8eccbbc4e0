#include "setup/shell_folder.h"

#include "base/exception.h"
#include "base/strings.h"
#include "platform/registry.h"

namespace brontel {

std::string ShellFolderPath(const std::string& folder_name) {
  platform::Registry registry;
  if (!registry.OpenKey(kShellFoldersKey, false)) {
    throw ERegistryException(FormatS("Folder key \"%s\" not found", kShellFoldersKey));
  }
  std::string path = registry.ReadString(folder_name);
  if (path.empty()) {
    throw ERegistryException(FormatS("\"%s\" item not found in registry", folder_name));
  }
  registry.CloseKey();
  return path;
}

}  // namespace brontel
