#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace {

TEST(Utf8ToCp936, ConvertsCharacterByCharacter) {
  struct Case {
    std::string_view utf8, cp936;
  } cases[] = {
      {"", ""},
      {"plain ascii\r\n", "plain ascii\r\n"},
      {"中文名称", "\xD6\xD0\xCE\xC4\xC3\xFB\xB3\xC6"},
      {"∞:√", "\xA1\xDE:\xA1\xCC"},
      {"x\xFFy", "x?y"},         // a byte that is never UTF-8
      {"x\xE4\xB8y", "x?y"},     // a cut sequence; the "y" after it survives
      {"\xE4\xB8", "?"},         // cut at the very end
      {"#\xE4#::", "#?#::"},     // a single-byte character is never swallowed
      {"\xE2\x82\xAC", "\x80"},  // the euro sign is one byte
      {"ab\0cd", "ab"},          // the result ends at its first zero byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::utf8_to_cp936(c.utf8), c.cp936)
        << testing::PrintToString(std::string(c.utf8));
  }
}

// How many "?" a character without a code page 936 form gives, and which similar
// character stands in for it, is the converter's own: Windows writes a surrogate pair as
// two and maps some Latin letters to their nearest relative. This converter gives one "?"
// per character or bad sequence.
#ifndef _WIN32
TEST(Utf8ToCp936, OurConverterGivesOneQuestionMarkPerCharacter) {
  struct Case {
    std::string_view utf8, cp936;
  } cases[] = {
      {"a\xF0\x9F\x98\x80z", "a?z"},  // an emoji
      {"\xC4\x80", "?"},              // U+0100
      {"\xED\xA0\x80", "???"},        // an encoded surrogate is not UTF-8
      {"\xC0\xAF", "??"},             // nor is an overlong form
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::utf8_to_cp936(c.utf8), c.cp936)
        << testing::PrintToString(std::string(c.utf8));
  }
}
#endif

TEST(Utf8ToCp936, PinyinToneMarksAreKept) {
  // Precomposed forms pass as they are.
  EXPECT_EQ(platform::utf8_to_cp936("nǐ hǎo"), "n\xA8\xAB h\xA8\xA3o");
}

#ifndef _WIN32
// Windows joins a base letter and a combining mark with its own converter; this one is ours.
TEST(Utf8ToCp936, JoinsABaseAndItsCombiningMark) {
  EXPECT_EQ(platform::utf8_to_cp936("a\xCC\x8C"), "\xA8\xA3");          // a + caron = ǎ
  EXPECT_EQ(platform::utf8_to_cp936("u\xCC\x88\xCC\x81"), "\xA8\xB6");  // u + diaeresis + acute = ǘ
  EXPECT_EQ(platform::utf8_to_cp936("q\xCC\x8C"), "q?");                // no such character
  EXPECT_EQ(platform::utf8_to_cp936("\xCC\x8C"), "?");
}

TEST(Utf8ToCp936, TellsWhenPiecesConvertLikeTheWhole) {
  EXPECT_TRUE(platform::utf8_to_cp936_is_piecewise("#::name=中文\r\n"));
  EXPECT_FALSE(platform::utf8_to_cp936_is_piecewise("#::name=\xE2\x82\xAC\r\n"));
  EXPECT_FALSE(platform::utf8_to_cp936_is_piecewise("#::name=\xCC\xB8x\r\n"));
}
#endif

TEST(Cp936ToUtf8, ConvertsAndMarksWhatIsNotCp936) {
  EXPECT_EQ(platform::cp936_to_utf8("\xD6\xD0\xCE\xC4 ok"), "中文 ok");
  EXPECT_EQ(platform::cp936_to_utf8("\x80"), "€");
#ifndef _WIN32
  EXPECT_EQ(platform::cp936_to_utf8("a\xD6\r\n"), "a\xEF\xBF\xBD\r\n");  // the line end survives
  EXPECT_EQ(platform::cp936_to_utf8("\xD6"), "\xEF\xBF\xBD");
#endif
}

TEST(Cp936ToUtf8, RoundTripsEveryDoubleByteCharacter) {
  // Every assigned double-byte character converts to UTF-8 and back unchanged.
  int assigned = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string cp936{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = platform::cp936_to_utf8(cp936);
      if (utf8 == "\xEF\xBF\xBD") continue;
      ++assigned;
      // A few codes share a character with another code; those come back as that code.
      const std::string back = platform::utf8_to_cp936(utf8);
      EXPECT_EQ(platform::cp936_to_utf8(back), utf8) << std::hex << lead << " " << trail;
    }
  }
  EXPECT_GT(assigned, 21000);
}

}  // namespace
