#include "metadata/datetime.h"

#include <limits>

#include "text/number_format.h"
#include "text/program_texts.h"

namespace metadata {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kUtcPlus8 = 8 * 3600;

// Days since 1970-01-01 of a Gregorian date (the civil-from-days algorithm run backwards).
constexpr std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Local seconds (already shifted to UTC+8) of the first and last representable instants.
constexpr std::int64_t kFirst = days_from_civil(100, 1, 1) * kSecondsPerDay;
constexpr std::int64_t kLast = days_from_civil(9999, 12, 31) * kSecondsPerDay + kSecondsPerDay - 1;

}  // namespace

DateTime seconds_to_datetime(std::int64_t seconds) {
  // Clamp before shifting, so that the offset cannot overflow.
  std::int64_t local = seconds < kFirst - kUtcPlus8  ? kFirst
                       : seconds > kLast - kUtcPlus8 ? kLast
                                                     : seconds + kUtcPlus8;
  std::int64_t days = local / kSecondsPerDay;
  std::int64_t rest = local % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  // Gregorian date of a day count (Howard Hinnant's civil_from_days).
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned day = doy - (153 * mp + 2) / 5 + 1;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2);

  DateTime value;
  value.year = static_cast<int>(year);
  value.month = static_cast<int>(month);
  value.day = static_cast<int>(day);
  value.hour = static_cast<int>(rest / 3600);
  value.minute = static_cast<int>(rest / 60 % 60);
  value.second = static_cast<int>(rest % 60);
  return value;
}

namespace {
void append_int(std::string& out, int value) {
  if (value < 0) {
    out.push_back('-');
    text::append_uint(out, static_cast<std::uint64_t>(-static_cast<std::int64_t>(value)));
  } else {
    text::append_uint(out, static_cast<std::uint64_t>(value));
  }
}
}  // namespace

std::string datetime_to_text(const DateTime& value) {
  using text::Text;
  std::string out;
  append_int(out, value.year);
  out += text::cp936(Text::kYear);
  append_int(out, value.month);
  out += text::cp936(Text::kMonth);
  append_int(out, value.day);
  out += text::cp936(Text::kDay);
  if (value.second != 0 || value.minute != 0 || value.hour != 0) {
    append_int(out, value.hour);
    out += text::cp936(Text::kHour);
  }
  if (value.second != 0 || value.minute != 0) {
    append_int(out, value.minute);
    out += text::cp936(Text::kMinute);
  }
  if (value.second != 0) {
    append_int(out, value.second);
    out += text::cp936(Text::kSecond);
  }
  return out;
}

}  // namespace metadata
