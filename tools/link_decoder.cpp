#include "tools/link_decoder.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "platform/messages.h"
#include "text/cp936.h"
#include "text/program_texts.h"

namespace tools {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kNotInAlphabet = -1;

// The value of every byte in the alphabet (its index there), or kNotInAlphabet.
constexpr std::array<int, 256> make_values() {
  std::array<int, 256> values{};
  values.fill(kNotInAlphabet);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i)
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
  return values;
}
constexpr std::array<int, 256> kValues = make_values();

// Links shorter than this are not looked at.
constexpr std::size_t kShortestLink = 16;

// The markers each form wraps around the address before encoding it; their contents are
// not checked, only their lengths are cut off.
constexpr std::size_t kThunderMarker = 2;
constexpr std::size_t kFlashGetMarker = 10;

constexpr std::string_view kHttp = "http://";

// Bytes taken as a text: everything before the first zero byte.
std::string_view as_text(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

// Copies the character starting at `from` (one byte, or two for a lead byte that has a
// byte after it) to `to`; both move past it. `to` never passes `from`, so this compacts
// a text in place.
inline void keep_char(std::string& s, std::size_t& from, std::size_t& to) {
  const std::size_t end = std::min(text::next_char(s, from), s.size());
  while (from < end) s[to++] = s[from++];
}

// Removes, in place, what the links may carry between base64 characters: first every
// space and full-width space (A1 A1), then every CR LF pair. Both scans step over
// double-byte characters, so their second bytes are never taken for a space, a CR or an
// LF. Each scan is one pass over the text.
void remove_ignored(std::string& s) {
  std::size_t to = 0;
  for (std::size_t from = 0; from < s.size();) {
    const bool space = s[from] == ' ';
    const bool wide_space = s[from] == '\xA1' && from + 1 < s.size() && s[from + 1] == '\xA1';
    if (space) {
      from += 1;
    } else if (wide_space) {
      from += 2;
    } else {
      keep_char(s, from, to);
    }
  }
  s.resize(to);

  to = 0;
  for (std::size_t from = 0; from < s.size();) {
    if (s[from] == '\r' && from + 1 < s.size() && s[from + 1] == '\n') {
      from += 2;
    } else {
      keep_char(s, from, to);
    }
  }
  s.resize(to);
}

// The first piece of a text split at a separator, and whether the split gives at least
// two pieces. A piece that ends at a separator counts even when empty; the piece after
// the last separator counts only when it is not empty. The search steps over
// double-byte characters.
struct FirstPieces {
  std::string_view first;
  std::string_view second;
  bool two_or_more = false;
};

FirstPieces split_first(std::string_view s, std::string_view separator) {
  FirstPieces pieces;
  const std::size_t at = text::find(s, separator);
  if (at == text::npos) {
    pieces.first = s;
    return pieces;
  }
  pieces.first = s.substr(0, at);
  const std::size_t second_start = at + separator.size();
  const std::size_t next = text::find(s, separator, second_start);
  pieces.second = s.substr(second_start, next == text::npos ? text::npos : next - second_start);
  pieces.two_or_more = next != text::npos || second_start < s.size();
  return pieces;
}

// `t` without `marker` bytes at each end; empty when nothing is left between them.
std::string strip_markers(std::string_view t, std::size_t marker) {
  if (t.size() <= 2 * marker) return {};
  return std::string(t.substr(marker, t.size() - 2 * marker));
}

}  // namespace

// Decodes groups of four characters into three bytes. The four values are carried from
// one group to the next: a byte outside the alphabet (the padding sign included) ends its
// group, and the positions after it keep what the previous group left there. When the
// last group ended early at position p, the last 5 - p bytes are dropped, which removes
// the bytes that padding signs stand for.
std::string decode_base64(std::string_view text) {
  std::string s(as_text(text));
  remove_ignored(s);

  const std::size_t groups = (s.size() + 3) / 4;
  std::string out;
  out.reserve(groups * 3);
  int x[4] = {0, 0, 0, 0};
  std::size_t stopped_at = 0;  // 1-based position where the latest group ended early
  for (std::size_t g = 0; g < groups; ++g) {
    stopped_at = 0;
    for (std::size_t j = 0; j < 4; ++j) {
      const std::size_t pos = g * 4 + j;
      const unsigned char b = pos < s.size() ? static_cast<unsigned char>(s[pos]) : 0;
      if (b == 0) {
        x[j] = 0;
        continue;
      }
      const int value = kValues[b];
      if (value == kNotInAlphabet) {
        x[j] = b;
        stopped_at = j + 1;
        break;
      }
      x[j] = value;
    }
    out.push_back(static_cast<char>(((x[0] * 4) | (x[1] / 16)) & 0xFF));
    out.push_back(static_cast<char>(((x[1] * 16) | (x[2] / 4)) & 0xFF));
    out.push_back(static_cast<char>(((x[2] * 64) | x[3]) & 0xFF));
    // Long input must not freeze the window.
    platform::dispatch_pending_messages();
  }
  if (stopped_at != 0) out.erase(out.size() - std::min(out.size(), 5 - stopped_at));
  return out;
}

// The scheme is the text before the first "//", compared without regard to the case of
// its letters; the payload is the text between that "//" and the next one (or the end).
// Nothing checks that the cut-off markers really are markers or that the result looks
// like an address.
std::string decode_download_link(std::string_view link) {
  const std::string_view a = as_text(link);
  if (a.size() < kShortestLink) return {};
  const FirstPieces parts = split_first(a, "//");
  if (!parts.two_or_more) return {};
  const std::string_view scheme = parts.first;
  std::string_view payload = parts.second;

  if (text::equals_nocase(scheme, "thunder:")) {
    // Thunder links often end in "/"; one is dropped before decoding.
    if (!payload.empty() && payload.back() == '/') payload.remove_suffix(1);
    return strip_markers(as_text(decode_base64(payload)), kThunderMarker);
  }
  if (text::equals_nocase(scheme, "flashget:")) {
    // The encoded part is followed by "&" and a number the download manager adds.
    const FirstPieces fields = split_first(payload, "&");
    if (!fields.two_or_more) return {};
    return strip_markers(as_text(decode_base64(fields.first)), kFlashGetMarker);
  }
  if (text::equals_nocase(scheme, "qqdl:")) {
    return std::string(as_text(decode_base64(payload)));
  }
  if (text::equals_nocase(scheme, "fs2you:")) {
    // The address without its "http://", then "|" and further fields.
    const std::string decoded = decode_base64(payload);
    const std::string_view t = as_text(decoded);
    if (t.empty()) return std::string(a);
    std::string address(kHttp);
    address += split_first(t, "|").first;
    return address;
  }
  return std::string(a);
}

bool is_missing_link_input(std::string_view box_text) {
  return box_text.empty() || box_text == text::cp936(text::Text::kLinkInputPrompt);
}

}  // namespace tools
