// unscramble_text: the reverse of the way the program's hidden display texts are stored.
//
// Every pair of scrambled characters gives one byte. With L the alphabet's length, p1 and
// p2 the zero-based alphabet positions of the pair's characters (-2 for a character the
// alphabet lacks), q = p2 / 8 and r = p2 - 8q, the byte is (q * L + p1) XOR r, low 8 bits.
#include "shell/unscramble.h"

#include <cstddef>
#include <cstdint>

#include "text/cp936.h"

namespace shell {

namespace {

// Zero-based position of the first occurrence of `c` in the alphabet, looked for character
// by character like every search of the program's texts; -2 when it does not occur.
std::int64_t alphabet_index(std::string_view alphabet, char c) {
  const std::size_t found = text::find(alphabet, std::string_view(&c, 1));
  return found == text::npos ? -2 : static_cast<std::int64_t>(found);
}

std::uint8_t unscramble_pair(std::int64_t p1, std::int64_t p2, std::int64_t length) {
  // The division truncates toward zero and the quotient is kept in 8 bits, so a second
  // character outside the alphabet gives q = 0 and r = -2.
  const auto q = static_cast<std::uint8_t>(p2 / 8);
  const std::int64_t r = p2 - 8 * static_cast<std::int64_t>(q);
  const std::int64_t b = (static_cast<std::int64_t>(q) * length + p1) & 0xFF;
  return static_cast<std::uint8_t>((b ^ r) & 0xFF);
}

}  // namespace

// A last character without a partner (odd length) is read as if its partner were outside
// the alphabet: its byte is (p1 XOR -2), low 8 bits. The output stops before the first
// zero byte a pair gives; later pairs are not looked at.
std::string unscramble_text(std::string_view scrambled, std::string_view alphabet) {
  const auto length = static_cast<std::int64_t>(alphabet.size());
  std::string out;
  out.reserve(scrambled.size() / 2 + 1);
  for (std::size_t i = 0; i < scrambled.size(); i += 2) {
    const std::int64_t p1 = alphabet_index(alphabet, scrambled[i]);
    const std::int64_t p2 =
        i + 1 < scrambled.size() ? alphabet_index(alphabet, scrambled[i + 1]) : -2;
    const std::uint8_t b = unscramble_pair(p1, p2, length);
    if (b == 0) break;
    out.push_back(static_cast<char>(b));
  }
  return out;
}

}  // namespace shell
