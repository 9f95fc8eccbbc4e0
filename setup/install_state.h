// The install state: four globals that the installation sets as it goes and that live for the
// whole run. Nothing clears them.
#pragma once

#include <cstdint>
#include <string>

namespace brontel {

// The destination folder exactly as the user typed it.
extern std::string DestDir;
// Whether files about to be replaced are first copied into the "Backup" subfolder.
extern bool BackupReplaced;
// DestDir with a trailing "\", fixed when the extraction starts.
extern std::string DestDirSlash;
// The number of entries listed from the archive.
extern std::int32_t FileCount;

}  // namespace brontel
