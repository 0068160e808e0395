#include <gtest/gtest.h>

#include "text/cp936.h"

namespace {

// "中" is D6 D0; "\x81\x5C" and "\x81\x7C" are double-byte characters whose second bytes are
// "\" and "|"; "\xB0\x23" is an (unassigned) pair whose second byte is "#".
TEST(Cp936Find, MatchesOnlyAtCharacterStarts) {
  struct Case {
    std::string_view text, needle;
    std::size_t from, expected;
  } cases[] = {
      {"abc", "b", 0, 1},
      {"abc", "", 2, 2},
      {"abc", "d", 0, text::npos},
      {"\x81\\x\\", "\\", 0, 3},  // the trail byte is skipped
      {"\x81|\x81|", "|", 0, text::npos},
      {"\xB0#::x#::", "#::", 0, 5},  // a lead byte swallows the "#" after it
      {"\xB0\xB0#::", "#::", 0, 2},  // two high bytes pair up, "#" starts a character
      {"\xB0\xB0\xB0#::#::", "#::", 0, 6},
      {"\xD6\xD0\xD6\xD0", "\xD0\xD6", 0, text::npos},  // across a character boundary
      {"x", "xy", 0, text::npos},
      {"ab", "b", 3, text::npos},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::find(c.text, c.needle, c.from), c.expected)
        << "text=" << testing::PrintToString(std::string(c.text)) << " needle=" << c.needle;
  }
}

TEST(Cp936Find, NocaseComparesAsciiLettersOnly) {
  EXPECT_EQ(text::find_nocase("#::LENGTH=5", "#::length="), 0u);
  EXPECT_EQ(text::find_nocase("xx#::Path=", "#::path=", 1), 2u);
  EXPECT_EQ(text::find_nocase("\xB0#::length=#::length=", "#::length=", 0), 11u);
  EXPECT_EQ(text::find_nocase("ABC", "abd"), text::npos);
  // Only A-Z fold: "[" (0x5B) is not "{" (0x7B).
  EXPECT_EQ(text::find_nocase("[", "{"), text::npos);
  EXPECT_EQ(text::find_bytes_nocase("\xB0#::NAME=", "#::name="), 1u);
}

TEST(Cp936Find, LongRunsOfDoubleByteCharactersStayLinear) {
  // Half a megabyte of double-byte characters with a needle candidate inside every
  // character: quadratic checking would take minutes.
  std::string s;
  for (int i = 0; i < 250000; ++i) s += "\xB0\xB0";
  s += "\xB0\xB0";
  EXPECT_EQ(text::find(s, "\xB0\xB0"), 0u);
  EXPECT_EQ(text::find(s + "x", "\xB0x"), text::npos);
  EXPECT_EQ(text::find(s + "x", "\xB0\xB0x"), s.size() - 2);
}

TEST(Cp936Helpers, LastCharacterAndRemoval) {
  EXPECT_EQ(text::find_last("C:\\dir\\a.torrent", '\\'), 6u);
  EXPECT_EQ(text::find_last("C:\\\x81\\", '\\'), 2u);  // the last "\" is a trail byte
  EXPECT_EQ(text::find_last("abc", '.'), text::npos);
  EXPECT_EQ(text::remove_all("http://a|b|/x", '|'), "http://ab/x");
  EXPECT_EQ(text::remove_all("\x81|a|", '|'), "\x81|a");
  EXPECT_EQ(text::remove_all("\x81", '|'), "\x81");  // a lone lead byte at the end is kept
}

TEST(Cp936Helpers, EqualsNocase) {
  EXPECT_TRUE(text::equals_nocase("Name.UTF-8", "name.utf-8"));
  EXPECT_FALSE(text::equals_nocase("name ", "name"));
  EXPECT_FALSE(text::equals_nocase("n\xC1me", "name"));
}

}  // namespace
