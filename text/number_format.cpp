#include "text/number_format.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace text {

namespace {

// The rounding step shared by every size: 1e-12 is added to the (non-negative) scaled
// value, its whole part taken, and one added when what is left is at least one half.
// A cast truncates like floor for the values that fit.
double round_scaled(double scaled) {
  scaled += 0.000000000001;
  double whole =
      scaled < 9.0e18 ? static_cast<double>(static_cast<std::int64_t>(scaled)) : std::floor(scaled);
  if (scaled - whole >= 0.5) whole += 1.0;
  return whole;
}

}  // namespace

double round_to_decimals(double x, int decimals) {
  static constexpr double kPowers[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
  const double scale = decimals >= 0 && decimals < 5 ? kPowers[decimals] : std::pow(10.0, decimals);
  const double result = round_scaled(std::fabs(x) * scale) / scale;
  return x < 0 ? -result : result;
}

namespace {

// Writes the decimal digits of a non-negative number; returns the end.
char* write_uint(char* out, std::uint64_t value) {
  char digits[20];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) *out++ = digits[--n];
  return out;
}

}  // namespace

void append_uint(std::string& out, std::uint64_t value) {
  char digits[20];
  out.append(digits, static_cast<std::size_t>(write_uint(digits, value) - digits));
}

std::int64_t round_to_tenths(double x) {
  return static_cast<std::int64_t>(round_scaled(x * 10.0));
}

char* write_tenths(char* out, std::int64_t tenths) {
  out = write_uint(out, static_cast<std::uint64_t>(tenths / 10));
  if (tenths % 10 != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + tenths % 10);
  }
  return out;
}

void append_tenths(std::string& out, std::int64_t tenths) {
  char text[21];
  out.append(text, static_cast<std::size_t>(write_tenths(text, tenths) - text));
}

namespace {

void append_printf(std::string& out, const char* format, double x) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, x);
  if (n > 0) out.append(buffer, static_cast<std::size_t>(n < 64 ? n : 63));
}

}  // namespace

// Sizes are almost always a whole number of tenths, which the general form writes as
// plain digits; that case is built directly because a listing may hold tens of thousands
// of sizes. Anything else (negative zero, huge values, other fractions) goes to printf.
void append_size_number(std::string& out, double x) {
  if (x >= 0 && !std::signbit(x) && x < 1e12) {
    const auto tenths = static_cast<std::int64_t>(x * 10.0 + 0.5);
    if (static_cast<double>(tenths) / 10.0 == x) {
      append_tenths(out, tenths);
      return;
    }
  }
  append_printf(out, "%.13g", x);
}

std::string format_size_number(double x) {
  std::string out;
  append_size_number(out, x);
  return out;
}

// A single-precision value that is the nearest float to some k/10 with k below 10^6 lies
// within 6e-8 of it, far inside the half unit of the sixth significant digit, so "%.6g"
// writes exactly k/10.
void append_g6(std::string& out, float x) {
  if (x >= 0 && !std::signbit(x) && x < 100000.0f) {
    const auto tenths = static_cast<std::int64_t>(static_cast<double>(x) * 10.0 + 0.5);
    if (static_cast<float>(static_cast<double>(tenths) / 10.0) == x) {
      append_tenths(out, tenths);
      return;
    }
  }
  append_printf(out, "%.6g", static_cast<double>(x));
}

std::int64_t parse_int64(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Up to 18 digits cannot overflow: the common case needs no checks.
  const std::size_t first_digit = i;
  std::int64_t fast = 0;
  for (; i < text.size() && i - first_digit < 18 && text[i] >= '0' && text[i] <= '9'; ++i)
    fast = fast * 10 + (text[i] - '0');
  if (i == text.size() || text[i] < '0' || text[i] > '9') return negative ? -fast : fast;
  i = first_digit;
  // Accumulate as a negative number so that the minimum value fits exactly.
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  std::int64_t value = 0;
  bool saturated = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (saturated) continue;
    if (value < (kMin + digit) / 10) {
      saturated = true;
      value = kMin;
      continue;
    }
    value = value * 10 - digit;
  }
  if (negative) return value;
  if (value == kMin) return std::numeric_limits<std::int64_t>::max();
  return -value;
}

}  // namespace text
