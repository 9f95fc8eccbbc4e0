// How "vorn list" shows the entries of an archive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/string_list.h"

namespace brontel::vorn {

// "YYYY-MM-DD HH:MM:SS" of a DOS date-time, field by field without any time-zone conversion.
std::string FormatDosDateTime(std::uint32_t dos_date_time);

// The ID of an entry's method number: "NON", "RLE", "LZH", the archive's own ID for 3, and
// "#n" for any other number.
std::string EntryMethodId(std::uint8_t method, const std::string& archive_id);

// One line per entry of a listing made by ScanCompressedStream: the name padded to the longest
// name, original size, compressed size, method ID, checksum in 8 hex digits, date and time, and
// "locked" for a locked entry.
std::vector<std::string> FormatListing(const TStringList& entries, const std::string& archive_id);

}  // namespace brontel::vorn
