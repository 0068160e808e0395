// Helpers for texts held as code page 936 byte strings.
//
// A byte of 0x80 or above starts a two-byte character; the byte after it belongs to that
// character and is never the start of a match, whatever its value. Positions are 0-based
// byte offsets here; callers that speak of 1-based positions convert at their edge.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

inline constexpr std::size_t npos = std::string_view::npos;

inline bool is_lead_byte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// First occurrence of `needle` at or after `from` that starts on a character boundary.
// `from` must itself start a character. An empty needle matches at `from`.
std::size_t find(std::string_view text, std::string_view needle, std::size_t from = 0);

// As find, but ASCII letters compare without regard to case.
std::size_t find_nocase(std::string_view text, std::string_view needle, std::size_t from = 0);

// Plain byte searches, for UTF-8 texts (where every byte below 0x80 is a character of its
// own, so no stepping is needed).
std::size_t find_bytes(std::string_view text, std::string_view needle, std::size_t from = 0);

// Plain byte search without regard to ASCII case, for UTF-8 texts (where every byte below
// 0x80 is a character of its own, so no stepping is needed).
std::size_t find_bytes_nocase(std::string_view text, std::string_view needle, std::size_t from = 0);

inline bool contains(std::string_view text, std::string_view needle) {
  return find(text, needle) != npos;
}

// Tells whether `pos` starts a character, given that `known` (at or before `pos`) starts
// one. `known` moves forward, so calls with increasing positions do linear work in all.
bool starts_char(std::string_view text, std::size_t& known, std::size_t pos);

// Offset of the character after the one starting at `pos`.
inline std::size_t next_char(std::string_view text, std::size_t pos) {
  return pos + (pos < text.size() && is_lead_byte(text[pos]) ? 2 : 1);
}

// Last single-byte character `c` of the text, stepping over double-byte characters.
std::size_t find_last(std::string_view text, char c);

// The text with every single-byte character `c` removed; double-byte characters whose
// second byte happens to equal `c` are kept whole.
std::string remove_all(std::string_view text, char c);

// True when `text` equals `lower_ascii` with ASCII letters compared without regard to case.
bool equals_nocase(std::string_view text, std::string_view lower_ascii);

}  // namespace text
