// Where the current user's hive comes from on a POSIX host.
#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/memory_registry_view.h"

namespace brontel::platform {

// The host path of the Wine prefix's user.reg, or "" when there is none: $WINEPREFIX/user.reg
// when WINEPREFIX is set, else ~/.wine/user.reg when ~/.wine/dosdevices exists; the file must
// exist. Reads the environment on each call.
std::string UserRegHostPath();

// The hive of a host without a Wine prefix: only the key
// "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders", whose "Programs" names
// the user's applications folder ($XDG_DATA_HOME/applications, by default
// ~/.local/share/applications) as a Windows path through `file_system`'s reverse drive map.
// The value is left out when no drive holds that folder; otherwise the folder and its missing
// parents are made (mode 0700) when they do not exist, as the shell's own folders always do.
std::shared_ptr<MemoryRegistryView> BuiltInHive(FileSystem& file_system);

// user.reg parsed when UserRegHostPath() names one, else BuiltInHive(). Raises
// ERegistryException when user.reg cannot be read or is malformed.
std::shared_ptr<RegistryView> CurrentUserHive(FileSystem& file_system);

}  // namespace brontel::platform
