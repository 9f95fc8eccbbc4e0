#include "platform/dos_time.h"

namespace brontel::platform {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<std::time_t> DosDateTimeToTime(std::uint32_t dos_date_time) {
  const std::uint32_t time = dos_date_time & 0xFFFF;
  const std::uint32_t date = dos_date_time >> 16;
  const int second = static_cast<int>(time & 0x1F) * 2;
  const int minute = static_cast<int>((time >> 5) & 0x3F);
  const int hour = static_cast<int>(time >> 11);
  const int day = static_cast<int>(date & 0x1F);
  const int month = static_cast<int>((date >> 5) & 0x0F);
  const int year = static_cast<int>(date >> 9) + 1980;
  if (second > 59 || minute > 59 || hour > 23 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  std::tm fields{};
  fields.tm_sec = second;
  fields.tm_min = minute;
  fields.tm_hour = hour;
  fields.tm_mday = day;
  fields.tm_mon = month - 1;
  fields.tm_year = year - 1900;
  fields.tm_isdst = -1;  // let the zone's rules say whether summer time applies
  const std::time_t result = std::mktime(&fields);
  if (result == static_cast<std::time_t>(-1)) return std::nullopt;
  return result;
}

std::optional<std::uint32_t> TimeToDosDateTime(std::time_t time) {
  std::tm fields{};
  if (localtime_r(&time, &fields) == nullptr) return std::nullopt;
  const int year = fields.tm_year + 1900;
  if (year < 1980 || year > 2107) return std::nullopt;
  const auto date = static_cast<std::uint32_t>(((year - 1980) << 9) | ((fields.tm_mon + 1) << 5) |
                                               fields.tm_mday);
  // A leap second (tm_sec 60) is folded into the second before, which the form can hold.
  const int second = fields.tm_sec > 59 ? 59 : fields.tm_sec;
  const auto clock =
      static_cast<std::uint32_t>((fields.tm_hour << 11) | (fields.tm_min << 5) | (second / 2));
  return (date << 16) | clock;
}

}  // namespace brontel::platform
