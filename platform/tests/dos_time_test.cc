#include "platform/dos_time.h"

#include <stdlib.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace brontel::platform {
namespace {

// Runs a test in a known time zone and gives the old one back afterwards.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ScopedTimeZone() {
    if (old_) {
      ::setenv("TZ", old_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  std::optional<std::string> old_;
};

constexpr char kCentralEurope[] = "CET-1CEST,M3.5.0,M10.5.0/3";

std::uint32_t Dos(int year, int month, int day, int hour, int minute, int second) {
  return static_cast<std::uint32_t>(((year - 1980) << 25) | (month << 21) | (day << 16) |
                                    (hour << 11) | (minute << 5) | (second / 2));
}

std::time_t Utc(int year, int month, int day, int hour, int minute, int second) {
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  return timegm(&fields);
}

TEST(DosTimeTest, DecodesFieldsAsLocalTime) {
  // 0x2347900D is 7 October 1997, 18:00:26.
  ASSERT_EQ(Dos(1997, 10, 7, 18, 0, 26), 0x2347900Du);
  {
    ScopedTimeZone utc("UTC0");
    EXPECT_EQ(DosDateTimeToTime(0x2347900D), Utc(1997, 10, 7, 18, 0, 26));
  }
  ScopedTimeZone cet(kCentralEurope);
  // Summer time is two hours ahead of UTC, winter time one.
  EXPECT_EQ(DosDateTimeToTime(0x2347900D), Utc(1997, 10, 7, 16, 0, 26));
  EXPECT_EQ(DosDateTimeToTime(Dos(2001, 1, 15, 9, 30, 0)), Utc(2001, 1, 15, 8, 30, 0));
}

TEST(DosTimeTest, RoundTripsThroughLocalTime) {
  ScopedTimeZone cet(kCentralEurope);
  for (const std::uint32_t dos :
       {Dos(1980, 1, 1, 0, 0, 0), Dos(1997, 10, 7, 18, 0, 26), Dos(2000, 2, 29, 23, 59, 58),
        Dos(2024, 7, 1, 12, 0, 2), Dos(2107, 12, 31, 23, 59, 58)}) {
    const std::optional<std::time_t> time = DosDateTimeToTime(dos);
    ASSERT_TRUE(time.has_value()) << std::hex << dos;
    EXPECT_EQ(TimeToDosDateTime(*time), dos) << std::hex << dos;
  }
  // Odd seconds are rounded down to the form's two-second steps.
  EXPECT_EQ(TimeToDosDateTime(Utc(2010, 5, 5, 10, 0, 7)), Dos(2010, 5, 5, 12, 0, 6));
}

TEST(DosTimeTest, RejectsWhatTheFormCannotHold) {
  ScopedTimeZone utc("UTC0");
  for (const std::uint32_t bad :
       {Dos(1999, 0, 1, 0, 0, 0), Dos(1999, 13, 1, 0, 0, 0), Dos(1999, 2, 29, 0, 0, 0),
        Dos(1999, 4, 31, 0, 0, 0), Dos(1999, 1, 0, 0, 0, 0), Dos(1999, 1, 1, 24, 0, 0),
        Dos(1999, 1, 1, 0, 60, 0), Dos(1999, 1, 1, 0, 0, 60)}) {
    EXPECT_EQ(DosDateTimeToTime(bad), std::nullopt) << std::hex << bad;
  }
  EXPECT_EQ(TimeToDosDateTime(Utc(1979, 12, 31, 23, 59, 59)), std::nullopt);
  EXPECT_EQ(TimeToDosDateTime(Utc(2108, 1, 1, 0, 0, 0)), std::nullopt);
}

}  // namespace
}  // namespace brontel::platform
