// "vorn test": every entry decoded in memory and checked as the installer would check it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "archive/vondral.h"

namespace brontel::vorn {

// Decodes the entry that `info` describes from `archive` (positioned anywhere) with the
// component's own checks (a name that stays inside the target, checksum, key) plus one of the
// tool's: the expanded size must equal OriginalSize. Returns nullopt when the entry is good, else
// what is wrong with it.
std::optional<std::string> TestEntry(TVondral& vondral, Stream& archive, const std::string& name,
                                     const TVondralFileInfo& info, const std::string& archive_id);

}  // namespace brontel::vorn
