// The user's special folders as the shell records them in the registry.
#pragma once

#include <string>

namespace brontel {

// The current user's "Shell Folders" key, absolute from HKEY_CURRENT_USER.
inline constexpr char kShellFoldersKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The path that the "Shell Folders" value `folder_name` (for instance "Programs") holds, as read:
// no "\" added or removed. Raises ERegistryException with "Folder key "<key>" not found" when
// the key does not exist, "Invalid data type for '<name>'" when the value is not a string, and
// ""<name>" item not found in registry" when it is missing or empty.
std::string ShellFolderPath(const std::string& folder_name);

}  // namespace brontel
