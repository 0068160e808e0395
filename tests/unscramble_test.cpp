#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "shell/unscramble.h"

namespace {

// Zero-based positions: A-Z 0-25, a-z 26-51, 0-9 52-61.
constexpr std::string_view kPlainAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

struct Case {
  std::string_view scrambled, expected;
};

void expect_unscrambles(const Case& c, std::string_view alphabet) {
  EXPECT_EQ(shell::unscramble_text(c.scrambled, alphabet), c.expected)
      << testing::PrintToString(std::string(c.scrambled));
}

TEST(UnscrambleText, DecodesPairsByTheirAlphabetPositions) {
  const Case cases[] = {
      {"", ""},
      // A second character among the first eight gives index1 XOR index2.
      {"BA", "\x01"},
      {"CF", "\x07"},  // 2 ^ 5
      {"zH", "4"},     // 51 ^ 7 = 52
      // From index 8 on, the second character adds q * 62 and masks with r.
      {"AI", ">"},     // q 1, r 0: 62
      {"BJ", ">"},     // q 1, r 1: 63 ^ 1
      {"Ao", "6"},     // q 5: 310 keeps its low 8 bits, 54
      {"9o", "s"},     // 310 + 61 = 371, low 8 bits 115
      {"A9", "\xB7"},  // q 7, r 5: 434 -> 178, ^ 5
      {"BACFAI", "\x01\x07>"},
      // A pair that gives zero ends the text; the pairs after it are not decoded.
      {"BAAABA", "\x01"},
      {"AA", ""},
  };
  for (const Case& c : cases) expect_unscrambles(c, kPlainAlphabet);
}

// A character the alphabet lacks counts as position -2. As a second character it gives
// q = 0 (the division truncates toward zero) and the mask -2.
TEST(UnscrambleText, CharactersOutsideTheAlphabet) {
  const Case cases[] = {
      {"#A", "\xFE"},            // (-2) low 8 bits, ^ 0
      {"#I", "<"},               // 62 - 2 = 60
      {"B#", "\xFF"},            // 1 ^ -2
      {"I#", "\xF6"},            // 8 ^ -2
      {"##", ""},                // 254 ^ 254 = 0 ends the text
      {"\xB1\xED\x42\x41", ""},  // "\xB1\xED" then "BA": both bytes of the character are outside
  };
  for (const Case& c : cases) expect_unscrambles(c, kPlainAlphabet);
}

// The last character of an odd-length text is read as if its partner were outside the
// alphabet.
TEST(UnscrambleText, OddLengthReadsTheMissingPartnerAsOutside) {
  const Case cases[] = {
      {"BAC", "\x01\xFC"},  // 2 ^ -2
      {"A", "\xFE"},
      {"BA#", "\x01"},  // -2 ^ -2 = 0
  };
  for (const Case& c : cases) expect_unscrambles(c, kPlainAlphabet);
}

// The alphabet is searched character by character: the "A" inside the double-byte
// character at its start is not a match, the one after it (position 2) is.
TEST(UnscrambleText, AlphabetSearchStepsOverDoubleByteCharacters) {
  const std::string alphabet = std::string(1, '\x81') + "AAB";
  expect_unscrambles({"A\x81", "\x02"}, alphabet);
  expect_unscrambles({"BA", "\x01"}, alphabet);  // 3 ^ 2
}

}  // namespace
