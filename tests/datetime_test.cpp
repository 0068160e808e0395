#include <gtest/gtest.h>

#include <limits>

#include "metadata/datetime.h"
#include "platform/codepage.h"

namespace {

using metadata::DateTime;

std::string text_of(std::int64_t seconds) {
  return platform::cp936_to_utf8(
      metadata::datetime_to_text(metadata::seconds_to_datetime(seconds)));
}

TEST(DateTime, SecondsAreShownAtUtcPlus8) {
  struct Case {
    std::int64_t seconds;
    const char* text;
  } cases[] = {
      {0, "1970年1月1日8时"},
      {1300000000, "2011年3月13日15时6分40秒"},
      {57600, "1970年1月2日"},
      {57660, "1970年1月2日0时1分"},
      {57601, "1970年1月2日0时0分1秒"},
      {-28800, "1970年1月1日"},
      {-28801, "1969年12月31日23时59分59秒"},
      {2147483648LL, "2038年1月19日11时14分8秒"},
      {951782400 - 28800, "2000年2月29日"},    // a leap day of a year divisible by 400
      {4107542400LL - 28800, "2100年3月1日"},  // 2100 is no leap year
  };
  for (const Case& c : cases) EXPECT_EQ(text_of(c.seconds), c.text) << c.seconds;
}

TEST(DateTime, AbsurdDatesClampToTheRepresentableYears) {
  const DateTime first{100, 1, 1, 0, 0, 0};
  const DateTime last{9999, 12, 31, 23, 59, 59};
  EXPECT_EQ(metadata::seconds_to_datetime(std::numeric_limits<std::int64_t>::max()), last);
  EXPECT_EQ(metadata::seconds_to_datetime(std::numeric_limits<std::int64_t>::min()), first);
  EXPECT_EQ(metadata::seconds_to_datetime(253402300799LL - 28800), last);  // exactly the end
  EXPECT_EQ(metadata::seconds_to_datetime(253402300800LL - 28800), last);
  EXPECT_EQ(text_of(std::numeric_limits<std::int64_t>::min()), "100年1月1日");
}

}  // namespace
