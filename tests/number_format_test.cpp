#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>

#include "text/number_format.h"

namespace {

std::string printf_form(const char* format, double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, x);
  return buffer;
}

TEST(RoundToDecimals, HalvesRoundAwayFromZero) {
  struct Case {
    double x, expected;
  } cases[] = {
      {0.25, 0.3},
      {0.35, 0.4},
      {1.25, 1.3},
      {-1.25, -1.3},
      {0.24, 0.2},
      {1023.9502, 1024.0},
      {256.0 / 1024, 0.3},
      {1075.0 / 1024, 1.0},
      {28954.0 / 1024, 28.3},
      {4700000000.0 / 1048576, 4482.3},
  };
  for (const Case& c : cases) EXPECT_EQ(text::round_to_decimals(c.x, 1), c.expected) << c.x;
  EXPECT_TRUE(std::signbit(text::round_to_decimals(-1.0 / 1024, 1)));  // shown as -0
}

TEST(SizeNumber, WritesTheShortestGeneralForm) {
  EXPECT_EQ(text::format_size_number(700.5), "700.5");
  EXPECT_EQ(text::format_size_number(700.0), "700");
  EXPECT_EQ(text::format_size_number(0.0), "0");
  EXPECT_EQ(text::format_size_number(-0.0), "-0");
  EXPECT_EQ(text::format_size_number(4482.3), "4482.3");
  EXPECT_EQ(text::format_size_number(1e15), "1e+15");
}

// The direct forms must agree with printf for every value the program can produce.
TEST(SizeNumber, DirectFormsAgreeWithPrintf) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    const std::int64_t bytes =
        i < 100000 ? i * 37 : static_cast<std::int64_t>(random() >> (random() % 64));
    for (double divisor : {1024.0, 1048576.0}) {
      const double rounded = text::round_to_decimals(static_cast<double>(bytes) / divisor, 1);
      std::string ours;
      text::append_size_number(ours, rounded);
      ASSERT_EQ(ours, printf_form("%.13g", rounded)) << bytes;
    }
    const auto kb =
        static_cast<float>(text::round_to_decimals(static_cast<double>(bytes) / 1024.0, 1));
    std::string ours;
    text::append_g6(ours, kb);
    ASSERT_EQ(ours, printf_form("%.6g", static_cast<double>(kb))) << bytes;
    // The count of tenths is the same rounding, and below 1024 KB it writes the same text.
    if (bytes >= 0 && bytes < (std::int64_t{1} << 52)) {
      const std::int64_t tenths = text::round_to_tenths(static_cast<double>(bytes) / 1024.0);
      ASSERT_EQ(static_cast<double>(tenths) / 10.0,
                text::round_to_decimals(static_cast<double>(bytes) / 1024.0, 1))
          << bytes;
      if (tenths < 10240) {
        std::string direct;
        text::append_tenths(direct, tenths);
        ASSERT_EQ(direct, ours) << bytes;
        ASSERT_LT(kb, 1024.0f) << bytes;
      } else {
        ASSERT_GE(kb, 1024.0f) << bytes;
      }
    }
  }
  for (double x : {0.05, 1.0 / 3, 123456.75, 1e-7, -3.5}) {
    std::string ours;
    text::append_size_number(ours, x);
    EXPECT_EQ(ours, printf_form("%.13g", x));
  }
}

TEST(ParseInt64, ReadsLikeTheTextStartsAndSaturates) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  struct Case {
    std::string_view text;
    std::int64_t expected;
  } cases[] = {
      {"1300000000\r\n", 1300000000},
      {"  \t-42x", -42},
      {"+7", 7},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"\r\n12", 12},
      {"0007", 7},
      {"9223372036854775807", kMax},
      {"9223372036854775808", kMax},
      {"99999999999999999999999999", kMax},
      {"-9223372036854775808", kMin},
      {"-99999999999999999999999999", kMin},
  };
  for (const Case& c : cases) EXPECT_EQ(text::parse_int64(c.text), c.expected) << c.text;
}

}  // namespace
