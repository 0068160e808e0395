// Conversions between UTF-8, code page 936 and (on Windows) UTF-16, done by the
// platform's own converters.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-8 bytes to code page 936 text. A base character followed by a combining mark is
// joined into one precomposed character where code page 936 has one; a character that
// code page 936 cannot hold, and a byte sequence that is not UTF-8, become "?". The
// result ends before its first zero byte.
std::string utf8_to_cp936(std::string_view utf8);
// The same, appended to `out`.
void append_utf8_to_cp936(std::string& out, std::string_view utf8);

// Code page 936 text to UTF-8; a byte sequence that is not code page 936 becomes U+FFFD.
std::string cp936_to_utf8(std::string_view cp936);

#ifdef _WIN32
std::wstring cp936_to_wide(std::string_view cp936);
std::string wide_to_cp936(std::wstring_view wide);
// Wide text to the bytes of any code page, for consoles.
std::string wide_to_code_page(std::wstring_view wide, unsigned code_page);
#endif

}  // namespace platform

namespace platform {

// True when utf8_to_cp936 of this text is known to work character by character around
// its single-byte characters: every single-byte character of the input comes out as the
// same single byte, and nothing else comes out as a byte of 0x80 or above standing alone
// or as a byte that could join a neighbour. Then converting the pieces of the text that
// lie between single-byte characters gives the same bytes as converting it whole and
// cutting at the same characters, so a caller may search the UTF-8 text for ASCII
// markers and convert only the pieces it keeps.
bool utf8_to_cp936_is_piecewise(std::string_view utf8);

}  // namespace platform
