#include "text/cp936.h"

#include <cstring>

namespace text {
namespace {

inline unsigned char byte_at(std::string_view s, std::size_t i) {
  return static_cast<unsigned char>(s[i]);
}

inline char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Next position at or after `from` where `needle` matches byte for byte.
std::size_t find_candidate(std::string_view s, std::string_view needle, std::size_t from) {
  return s.find(needle, from);
}

// Next position at or after `from` where `needle` matches without regard to ASCII case.
std::size_t find_candidate_nocase(std::string_view s, std::string_view needle, std::size_t from) {
  const std::size_t n = needle.size();
  if (n > s.size()) return npos;
  const std::size_t last = s.size() - n;
  const char first = lower(needle[0]);
  const bool first_is_letter = first >= 'a' && first <= 'z';
  for (std::size_t i = from; i <= last; ++i) {
    if (!first_is_letter) {
      const void* hit = std::memchr(s.data() + i, first, last - i + 1);
      if (hit == nullptr) return npos;
      i = static_cast<std::size_t>(static_cast<const char*>(hit) - s.data());
    } else if (lower(s[i]) != first) {
      continue;
    }
    std::size_t k = 1;
    while (k < n && lower(s[i + k]) == lower(needle[k])) ++k;
    if (k == n) return i;
  }
  return npos;
}

}  // namespace

// Tells whether `pos` starts a character. `known` is an offset at or before `pos` that is
// known to start one; it moves forward with each call so that a search whose candidates
// come in increasing order does linear work in all.
//
// The test is local: a byte below 0x80 always ends a character (it is either a character
// of its own or the second byte of one), so only the run of high bytes just before `pos`
// decides. Inside such a run the bytes pair up from its first byte.
bool starts_char(std::string_view s, std::size_t& known, std::size_t pos) {
  if (pos == known) return true;
  if (byte_at(s, pos - 1) < 0x80) {
    known = pos;
    return true;
  }
  std::size_t run_start = pos - 1;
  while (run_start > known && byte_at(s, run_start - 1) >= 0x80) --run_start;
  const bool even = ((pos - run_start) % 2) == 0;
  known = even ? pos : pos + 1;
  return even;
}

namespace {

// The first candidate that starts a character; candidates come in increasing order.
template <class NextCandidate>
std::size_t first_at_char_start(std::string_view text, std::string_view needle, std::size_t from,
                                NextCandidate next_candidate) {
  if (from > text.size()) return npos;
  if (needle.empty()) return from;
  std::size_t known = from;
  for (std::size_t pos = next_candidate(text, needle, from); pos != npos;
       pos = next_candidate(text, needle, pos + 1)) {
    if (starts_char(text, known, pos)) return pos;
  }
  return npos;
}

}  // namespace

std::size_t find(std::string_view text, std::string_view needle, std::size_t from) {
  return first_at_char_start(text, needle, from, find_candidate);
}

std::size_t find_nocase(std::string_view text, std::string_view needle, std::size_t from) {
  return first_at_char_start(text, needle, from, find_candidate_nocase);
}

std::size_t find_bytes(std::string_view text, std::string_view needle, std::size_t from) {
  if (from > text.size()) return npos;
  if (needle.empty()) return from;
  return find_candidate(text, needle, from);
}

std::size_t find_bytes_nocase(std::string_view text, std::string_view needle, std::size_t from) {
  if (from > text.size()) return npos;
  if (needle.empty()) return from;
  return find_candidate_nocase(text, needle, from);
}

std::size_t find_last(std::string_view text, char c) {
  std::size_t found = npos;
  for (std::size_t i = 0; i < text.size(); i = next_char(text, i)) {
    if (text[i] == c) found = i;
  }
  return found;
}

std::string remove_all(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t next = next_char(text, i);
    if (text[i] != c) out.append(text.substr(i, next - i));
    i = next;
  }
  return out;
}

bool equals_nocase(std::string_view text, std::string_view lower_ascii) {
  if (text.size() != lower_ascii.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (lower(text[i]) != lower_ascii[i]) return false;
  }
  return true;
}

}  // namespace text
