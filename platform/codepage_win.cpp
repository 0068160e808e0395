#include <windows.h>

#include <climits>

#include "platform/codepage.h"

namespace platform {
namespace {

// The Win32 converters take int lengths; longer texts are converted in pieces that end
// just after a single-byte character, so no character is split between two calls.
constexpr std::size_t kMaxPiece = 1u << 28;

std::size_t piece_end(std::string_view s, std::size_t from) {
  if (s.size() - from <= kMaxPiece) return s.size();
  std::size_t end = from + kMaxPiece;
  while (end > from + 1 && static_cast<unsigned char>(s[end - 1]) >= 0x80) --end;
  return end;
}

std::wstring to_wide(std::string_view bytes, UINT code_page) {
  std::wstring out;
  for (std::size_t from = 0; from < bytes.size();) {
    const std::size_t end = piece_end(bytes, from);
    const int in = static_cast<int>(end - from);
    const int n = ::MultiByteToWideChar(code_page, 0, bytes.data() + from, in, nullptr, 0);
    if (n > 0) {
      const std::size_t at = out.size();
      out.resize(at + static_cast<std::size_t>(n));
      ::MultiByteToWideChar(code_page, 0, bytes.data() + from, in, out.data() + at, n);
    }
    from = end;
  }
  return out;
}

std::string from_wide(std::wstring_view wide, UINT code_page, DWORD flags) {
  std::string out;
  for (std::size_t from = 0; from < wide.size();) {
    std::size_t end = wide.size() - from > kMaxPiece ? from + kMaxPiece : wide.size();
    // Keep a surrogate pair, or a base character and its marks, in one piece.
    while (end < wide.size() && end > from + 1 &&
           (IS_LOW_SURROGATE(wide[end]) || (wide[end] >= 0x300 && wide[end] < 0x370)))
      --end;
    const int in = static_cast<int>(end - from);
    const int n = ::WideCharToMultiByte(code_page, flags, wide.data() + from, in, nullptr, 0,
                                        nullptr, nullptr);
    if (n > 0) {
      const std::size_t at = out.size();
      out.resize(at + static_cast<std::size_t>(n));
      ::WideCharToMultiByte(code_page, flags, wide.data() + from, in, out.data() + at, n, nullptr,
                            nullptr);
    }
    from = end;
  }
  return out;
}

}  // namespace

std::string utf8_to_cp936(std::string_view utf8) {
  std::string out = from_wide(to_wide(utf8, CP_UTF8), 936, WC_COMPOSITECHECK);
  const std::size_t zero = out.find('\0');
  if (zero != std::string::npos) out.resize(zero);
  return out;
}

void append_utf8_to_cp936(std::string& out, std::string_view utf8) { out += utf8_to_cp936(utf8); }

std::string cp936_to_utf8(std::string_view cp936) {
  return from_wide(to_wide(cp936, 936), CP_UTF8, 0);
}

std::wstring cp936_to_wide(std::string_view cp936) { return to_wide(cp936, 936); }

std::string wide_to_cp936(std::wstring_view wide) { return from_wide(wide, 936, 0); }

std::string wide_to_code_page(std::wstring_view wide, unsigned code_page) {
  return from_wide(wide, code_page, 0);
}

}  // namespace platform

namespace platform {

// The system's converter applies best-fit mappings (a character may come out as a
// similar ASCII letter) that this program cannot list, so texts are always converted whole.
bool utf8_to_cp936_is_piecewise(std::string_view) { return false; }

}  // namespace platform
