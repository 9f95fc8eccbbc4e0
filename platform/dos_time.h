// DOS date-times: a 32-bit local time with two-second steps. Low 16 bits are the time
// (bits 0-4 seconds / 2, bits 5-10 minute, bits 11-15 hour), high 16 bits the date (bits 0-4
// day, bits 5-8 month, bits 9-15 year - 1980). Conversions go through the C library's local
// time zone (TZ), as file times on the host are UTC.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

namespace brontel::platform {

// The instant a DOS date-time names in local time; nullopt when a field is out of range (month
// 0 or 13, 30 February, minute 60, seconds 60 and so on). A local time that the clock skips or
// repeats at a daylight-saving change is resolved as mktime resolves it.
std::optional<std::time_t> DosDateTimeToTime(std::uint32_t dos_date_time);

// The DOS date-time of `time` in local time, odd seconds rounded down; nullopt for instants
// before 1980 or after 2107, which the form cannot hold.
std::optional<std::uint32_t> TimeToDosDateTime(std::time_t time);

}  // namespace brontel::platform
