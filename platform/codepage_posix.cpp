#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "platform/codepage.h"

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character at `i`, moving `i` past it. A sequence that is not UTF-8
// (a stray continuation byte, a cut or overlong sequence, a surrogate, a value above
// U+10FFFF) yields U+FFFD for its longest valid-looking prefix, as the Windows converter
// does; a single-byte character is never swallowed into a bad sequence.
char32_t decode_utf8(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i++]);
  if (b0 < 0x80) return b0;
  int extra;
  char32_t cp;
  unsigned char low = 0x80, high = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1, cp = b0 & 0x1Fu;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2, cp = b0 & 0x0Fu;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3, cp = b0 & 0x07u;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return kReplacement;
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < low || b > high) return kReplacement;
    low = 0x80, high = 0xBF;
    cp = (cp << 6) | (b & 0x3Fu);
    ++i;
  }
  return cp;
}

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Base character + combining mark → precomposed character, for every precomposed
// character that code page 936 holds (pinyin tone marks, a few Latin and Cyrillic
// letters, kana with voicing marks, and the negated relations). Sorted by mark, then base.
struct Composition {
  char32_t mark, base, composed;
};
constexpr Composition kCompositions[] = {
    {0x0300, 0x0061, 0x00E0}, {0x0300, 0x0065, 0x00E8}, {0x0300, 0x0069, 0x00EC},
    {0x0300, 0x006F, 0x00F2}, {0x0300, 0x0075, 0x00F9}, {0x0300, 0x00FC, 0x01DC},
    {0x0301, 0x0061, 0x00E1}, {0x0301, 0x0065, 0x00E9}, {0x0301, 0x0069, 0x00ED},
    {0x0301, 0x006E, 0x0144}, {0x0301, 0x006F, 0x00F3}, {0x0301, 0x0075, 0x00FA},
    {0x0301, 0x00FC, 0x01D8}, {0x0302, 0x0065, 0x00EA}, {0x0304, 0x0061, 0x0101},
    {0x0304, 0x0065, 0x0113}, {0x0304, 0x0069, 0x012B}, {0x0304, 0x006F, 0x014D},
    {0x0304, 0x0075, 0x016B}, {0x0304, 0x00FC, 0x01D6}, {0x0306, 0x0418, 0x0419},
    {0x0306, 0x0438, 0x0439}, {0x0308, 0x0075, 0x00FC}, {0x0308, 0x0415, 0x0401},
    {0x0308, 0x0435, 0x0451}, {0x030C, 0x0061, 0x01CE}, {0x030C, 0x0065, 0x011B},
    {0x030C, 0x0069, 0x01D0}, {0x030C, 0x006E, 0x0148}, {0x030C, 0x006F, 0x01D2},
    {0x030C, 0x0075, 0x01D4}, {0x030C, 0x00FC, 0x01DA}, {0x0338, 0x003C, 0x226E},
    {0x0338, 0x003D, 0x2260}, {0x0338, 0x003E, 0x226F}, {0x3099, 0x304B, 0x304C},
    {0x3099, 0x304D, 0x304E}, {0x3099, 0x304F, 0x3050}, {0x3099, 0x3051, 0x3052},
    {0x3099, 0x3053, 0x3054}, {0x3099, 0x3055, 0x3056}, {0x3099, 0x3057, 0x3058},
    {0x3099, 0x3059, 0x305A}, {0x3099, 0x305B, 0x305C}, {0x3099, 0x305D, 0x305E},
    {0x3099, 0x305F, 0x3060}, {0x3099, 0x3061, 0x3062}, {0x3099, 0x3064, 0x3065},
    {0x3099, 0x3066, 0x3067}, {0x3099, 0x3068, 0x3069}, {0x3099, 0x306F, 0x3070},
    {0x3099, 0x3072, 0x3073}, {0x3099, 0x3075, 0x3076}, {0x3099, 0x3078, 0x3079},
    {0x3099, 0x307B, 0x307C}, {0x3099, 0x309D, 0x309E}, {0x3099, 0x30A6, 0x30F4},
    {0x3099, 0x30AB, 0x30AC}, {0x3099, 0x30AD, 0x30AE}, {0x3099, 0x30AF, 0x30B0},
    {0x3099, 0x30B1, 0x30B2}, {0x3099, 0x30B3, 0x30B4}, {0x3099, 0x30B5, 0x30B6},
    {0x3099, 0x30B7, 0x30B8}, {0x3099, 0x30B9, 0x30BA}, {0x3099, 0x30BB, 0x30BC},
    {0x3099, 0x30BD, 0x30BE}, {0x3099, 0x30BF, 0x30C0}, {0x3099, 0x30C1, 0x30C2},
    {0x3099, 0x30C4, 0x30C5}, {0x3099, 0x30C6, 0x30C7}, {0x3099, 0x30C8, 0x30C9},
    {0x3099, 0x30CF, 0x30D0}, {0x3099, 0x30D2, 0x30D3}, {0x3099, 0x30D5, 0x30D6},
    {0x3099, 0x30D8, 0x30D9}, {0x3099, 0x30DB, 0x30DC}, {0x3099, 0x30FD, 0x30FE},
    {0x309A, 0x306F, 0x3071}, {0x309A, 0x3072, 0x3074}, {0x309A, 0x3075, 0x3077},
    {0x309A, 0x3078, 0x307A}, {0x309A, 0x307B, 0x307D}, {0x309A, 0x30CF, 0x30D1},
    {0x309A, 0x30D2, 0x30D4}, {0x309A, 0x30D5, 0x30D7}, {0x309A, 0x30D8, 0x30DA},
    {0x309A, 0x30DB, 0x30DD},
};

bool is_combining_mark(char32_t cp) {
  return (cp >= 0x300 && cp < 0x370) || cp == 0x3099 || cp == 0x309A;
}

char32_t compose(char32_t base, char32_t mark) {
  const auto* it =
      std::lower_bound(std::begin(kCompositions), std::end(kCompositions),
                       Composition{mark, base, 0}, [](const Composition& a, const Composition& b) {
                         return a.mark != b.mark ? a.mark < b.mark : a.base < b.base;
                       });
  return (it != std::end(kCompositions) && it->mark == mark && it->base == base) ? it->composed : 0;
}

// iconv knows code page 936; asking it once per character would be slow, so every answer
// is kept in a table the size of the Basic Multilingual Plane. The program has one thread.
class Cp936Tables {
 public:
  static Cp936Tables& get() {
    static Cp936Tables tables;
    return tables;
  }

  // Appends the code page 936 form of a code point, or "?" when there is none.
  void append_cp936(std::string& out, char32_t cp) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
      return;
    }
    if (cp >= 0x10000) {
      out.push_back('?');
      return;
    }
    std::uint16_t& code = to_cp936_[cp];
    if (code == kUnknown) code = ask_to_cp936(cp);
    if (code == kNone) {
      out.push_back('?');
    } else if (code < 0x200) {
      out.push_back(static_cast<char>(code & 0xFF));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }

  // The character of a double-byte code, or U+FFFD when code page 936 assigns none.
  char32_t from_cp936(unsigned char lead, unsigned char trail) {
    const unsigned index = (lead - 0x80u) * 256u + trail;
    char32_t& cp = from_cp936_[index];
    if (cp == 0) cp = ask_from_cp936(lead, trail);
    return cp;
  }

 private:
  static constexpr std::uint16_t kUnknown = 0;
  static constexpr std::uint16_t kNone = 1;

  Cp936Tables() {
    to_ = iconv_open("CP936", "UTF-32LE");
    from_ = iconv_open("UTF-32LE", "CP936");
  }

  static std::size_t convert(iconv_t cd, const char* in, std::size_t in_size, char* out,
                             std::size_t out_size) {
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in_ptr = const_cast<char*>(in);
    char* out_ptr = out;
    std::size_t in_left = in_size, out_left = out_size;
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) return 0;
    return in_left == 0 ? out_size - out_left : 0;
  }

  std::uint16_t ask_to_cp936(char32_t cp) {
    const char in[4] = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF), 0, 0};
    unsigned char out[8];
    const std::size_t n = convert(to_, in, 4, reinterpret_cast<char*>(out), sizeof out);
    if (n == 1) return static_cast<std::uint16_t>(0x100 | out[0]);
    if (n == 2 && out[0] >= 0x81) return static_cast<std::uint16_t>(out[0] << 8 | out[1]);
    return kNone;
  }

  char32_t ask_from_cp936(unsigned char lead, unsigned char trail) {
    const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char out[8];
    const std::size_t n = convert(from_, in, 2, reinterpret_cast<char*>(out), sizeof out);
    if (n != 4) return kReplacement;
    const char32_t cp = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
    return cp == 0 ? kReplacement : cp;
  }

  iconv_t to_;
  iconv_t from_;
  std::array<std::uint16_t, 0x10000> to_cp936_{};
  std::array<char32_t, 0x8000> from_cp936_{};
};

}  // namespace

void append_utf8_to_cp936(std::string& out, std::string_view utf8) {
  Cp936Tables& tables = Cp936Tables::get();
  const std::size_t appended_from = out.size();
  // A character is held back until the next one shows whether a mark joins it.
  char32_t pending = 0;
  bool has_pending = false;
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      // A run of single-byte characters is copied as it is; only its last character can
      // still take a mark.
      const std::size_t start = i;
      while (i < utf8.size() && static_cast<unsigned char>(utf8[i]) < 0x80) ++i;
      if (has_pending) tables.append_cp936(out, pending);
      out.append(utf8.data() + start, i - start - 1);
      pending = static_cast<unsigned char>(utf8[i - 1]);
      has_pending = true;
      continue;
    }
    const char32_t cp = decode_utf8(utf8, i);
    if (has_pending && is_combining_mark(cp)) {
      if (const char32_t joined = compose(pending, cp)) {
        pending = joined;
        continue;
      }
    }
    if (has_pending) tables.append_cp936(out, pending);
    pending = cp;
    has_pending = true;
  }
  if (has_pending) tables.append_cp936(out, pending);
  const std::size_t zero = out.find('\0', appended_from);
  if (zero != std::string::npos) out.resize(zero);
}

std::string utf8_to_cp936(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  append_utf8_to_cp936(out, utf8);
  return out;
}

std::string cp936_to_utf8(std::string_view cp936) {
  Cp936Tables& tables = Cp936Tables::get();
  std::string out;
  out.reserve(cp936.size() + cp936.size() / 2);
  for (std::size_t i = 0; i < cp936.size();) {
    const auto lead = static_cast<unsigned char>(cp936[i]);
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      ++i;
    } else if (lead == 0x80) {
      append_utf8(out, 0x20AC);  // the euro sign, a single byte in code page 936
      ++i;
    } else if (i + 1 < cp936.size() && lead != 0xFF &&
               static_cast<unsigned char>(cp936[i + 1]) >= 0x40 && cp936[i + 1] != 0x7F &&
               static_cast<unsigned char>(cp936[i + 1]) != 0xFF) {
      append_utf8(out, tables.from_cp936(lead, static_cast<unsigned char>(cp936[i + 1])));
      i += 2;
    } else {
      // A lead byte without a valid second byte: the byte after it is left to stand alone,
      // so that a line end or a separator is never swallowed.
      append_utf8(out, kReplacement);
      ++i;
    }
  }
  return out;
}

}  // namespace platform

namespace platform {

// This converter is the program's own: the only character that code page 936 writes as a
// single high byte is the euro sign (0x80, which a searcher would take for a lead byte),
// and the only mark that joins a single-byte character that ends a marker is U+0338 after
// "=" (giving U+2260). Every other output is local to its character.
bool utf8_to_cp936_is_piecewise(std::string_view utf8) {
  if (utf8.find("\xE2\x82\xAC") != std::string_view::npos) return false;
  // Searched from the mark's rare first byte rather than from the common "=".
  for (std::size_t at = utf8.find("\xCC\xB8"); at != std::string_view::npos;
       at = utf8.find("\xCC\xB8", at + 1)) {
    if (at > 0 && utf8[at - 1] == '=') return false;
  }
  return true;
}

}  // namespace platform
