// Calendar dates and times of day, as a torrent's creation date is shown.
#pragma once

#include <cstdint>
#include <string>

namespace metadata {

// A Gregorian date and a time of day in whole seconds, within the years 100 to 9999.
struct DateTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Seconds since 1970-01-01 00:00:00 UTC, seen at the fixed offset UTC+8 (no daylight
// saving, whatever the computer's own zone). Values outside the years 100 to 9999 give
// the nearest representable date.
DateTime seconds_to_datetime(std::int64_t seconds);

// "2011年3月13日15时6分40秒": the date always, then the time as short as the value allows
// (the hour is written whenever minutes or seconds are).
std::string datetime_to_text(const DateTime& value);

}  // namespace metadata
