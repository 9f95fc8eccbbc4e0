// What "vorn create" stores for each file.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "tools/vorn/archive_writer.h"

namespace brontel::vorn {

// The name stored for a file given as `path`: the path as given, "/" written "\". Raises
// Exception for an absolute path or one whose ".." climbs above its start, since the entry
// could not be expanded below a target folder.
std::string StoredName(const std::string& path);

// The DOS date-time of `time` in local time; instants the form cannot hold are clamped to its
// first (1980-01-01 00:00:00) or last moment.
std::uint32_t DosDateTimeOf(std::time_t time);

// Reads the host file `path` with its name, date and attributes (0x20, plus 0x01 when the
// owner may not write it).
SourceFile ReadSourceFile(const std::string& path);

}  // namespace brontel::vorn
