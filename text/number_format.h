// Number reading and the number forms the program shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// |x| scaled by 10^decimals, plus 1e-12, whole part, plus one when the fraction is at
// least one half, scaled back, sign restored: halves round away from zero.
double round_to_decimals(double x, int decimals);

// The whole number of tenths that round_to_decimals(x, 1) gives for a non-negative x
// below 9e17, computed the same way (round_to_decimals(x, 1) is exactly this / 10.0), for
// callers that need the count of tenths rather than the divided value.
std::int64_t round_to_tenths(double x);

// Appends tenths / 10 in its shortest form: "700.5", "700", "0".
void append_tenths(std::string& out, std::int64_t tenths);

// Writes the same at `out`, which has room for 21 bytes; returns the end of what it wrote.
char* write_tenths(char* out, std::int64_t tenths);

// Shortest general form with up to 13 significant digits ("%.13g"): 700.5, 700, 0.
std::string format_size_number(double x);
void append_size_number(std::string& out, double x);

// Up to six significant digits ("%.6g") of a single-precision value.
void append_g6(std::string& out, float x);

// A signed decimal number at the start of `text`: leading white space skipped, an optional
// sign, then digits up to the first non-digit. No digits gives 0; values beyond the 64-bit
// range saturate instead of wrapping.
std::int64_t parse_int64(std::string_view text);

// Appends the decimal digits of a non-negative number.
void append_uint(std::string& out, std::uint64_t value);

}  // namespace text
