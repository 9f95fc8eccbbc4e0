// Checks on an entry header and name before a walk trusts them: the archive is input from
// outside, and its sizes and names must not steer the reader or the writer astray.
#pragma once

#include <cstdint>
#include <string>

#include "archive/archive_format.h"

namespace brontel {

// True when the entry name stays inside the folder it is joined to: no drive part ("X:"), and
// no ".." component that climbs above the name's own start. Both "\" and "/" separate
// components, as the file system treats them alike; a component of dots and blanks with two or
// more dots counts as "..". A name that begins with "\" is measured from the root it
// names, which ".." can never leave, so only its ".." climbing above that root is refused.
bool EntryNameStaysInside(const std::string& name);

// Raises EUnsafeEntryName naming `name` when EntryNameStaysInside is false.
void CheckEntryName(const std::string& name);

// Raises ECorruptArchive when the entry whose header begins at `header_position` cannot be
// passed over soundly: a negative CompressedSize (the walk would stand still or go back), or a
// header that lies beyond the signed 32-bit positions the format can address.
void CheckEntryExtent(const TFileHeader& header, const std::string& name,
                      std::int64_t header_position);

}  // namespace brontel
