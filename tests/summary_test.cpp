#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "metadata/torrent_reader.h"
#include "platform/codepage.h"
#include "test_files.h"
#include "text/number_format.h"

namespace {

using metadata::TorrentReader;
using metadata::TorrentSummary;

TorrentSummary summary_of(const std::string& content) {
  TorrentReader reader;
  reader.set_content(content);
  reader.decode();
  return reader.summarize();
}

std::string utf8(const std::string& cp936) { return platform::cp936_to_utf8(cp936); }

std::string single_file(long long length) {
  // A field ends at the next marker, so "pieces" closes the piece length.
  return "d4:infod6:lengthi" + std::to_string(length) + "e4:name1:f12:piece lengthi" +
         std::to_string(length) + "e6:pieces1:xee";
}

TEST(Summary, SingleFileSizesAreAlwaysInMegabytes) {
  struct Case {
    long long bytes;
    const char* listing;
    const char* piece_length;
  } cases[] = {
      {0, "f  大小：0 MB\r\n", "0 KB\r\n"},
      {1048576, "f  大小：1 MB\r\n", "1024 KB\r\n"},
      {4700000000LL, "f  大小：4482.3 MB\r\n", "4589843.8 KB\r\n"},
      {262144, "f  大小：0.3 MB\r\n", "256 KB\r\n"},
      {16384, "f  大小：0 MB\r\n", "16 KB\r\n"},
  };
  for (const Case& c : cases) {
    const TorrentSummary s = summary_of(single_file(c.bytes));
    EXPECT_EQ(utf8(s.files_listing), c.listing) << c.bytes;
    EXPECT_EQ(s.piece_length_text, c.piece_length) << c.bytes;
  }
}

TEST(Summary, MultiFileSizesSwitchToMegabytesAt1024Kilobytes) {
  struct Case {
    long long bytes;
    const char* size;
  } cases[] = {
      {500, "0.5 KB"},
      {1000, "1 KB"},
      {256, "0.3 KB"},
      {1048473, "1023.9 KB"},
      {1048525, "1 MB"},
      {1048576, "1 MB"},
      {4700000000LL, "4482.3 MB"},
      {0, "0 KB"},
  };
  for (const Case& c : cases) {
    const std::string content =
        "d4:infod5:filesld6:lengthi" + std::to_string(c.bytes) + "e4:pathl1:d1:feee4:name1:xee";
    EXPECT_EQ(utf8(summary_of(content).files_listing),
              std::string("d  大小：") + c.size + "\r\n\r\n")
        << c.bytes;
  }
}

// Sizes across the whole range, written the literal way: KB in single precision with
// "%.6g", or MB from it with "%.13g".
TEST(Summary, MultiFileSizesAgreeWithTheLiteralFormulas) {
  std::mt19937_64 random(11);
  std::string content = "d4:infod5:filesl";
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const long long bytes =
        i < 1000 ? i * 1049LL : static_cast<long long>(random() >> (1 + random() % 63));
    content += "d6:lengthi" + std::to_string(bytes) + "e4:pathl1:fee";
    const auto kb =
        static_cast<float>(text::round_to_decimals(static_cast<double>(bytes) / 1024.0, 1));
    char size[64];
    if (kb >= 1024.0f) {
      std::snprintf(size, sizeof size, "%.13g MB",
                    text::round_to_decimals(static_cast<double>(kb) / 1024.0, 1));
    } else {
      std::snprintf(size, sizeof size, "%.6g KB", static_cast<double>(kb));
    }
    expected += std::string("f  \xB4\xF3\xD0\xA1\xA3\xBA") + size + "\r\n\r\n";
  }
  content += "e4:name1:x6:pieces1:xee";
  EXPECT_EQ(summary_of(content).files_listing, expected);
}

TEST(Summary, FilesInOneFolderAreListedUnderTheFolder) {
  const TorrentSummary s = summary_of(
      "d4:infod5:filesld6:lengthi1024e4:pathl3:dir1:aeed6:lengthi2048e4:pathl3:dir1:beee"
      "4:name3:top12:piece lengthi1eee");
  EXPECT_EQ(s.files_listing,
            "dir  \xB4\xF3\xD0\xA1\xA3\xBA"
            "1 KB\r\n\r\ndir  \xB4\xF3\xD0\xA1\xA3\xBA"
            "2 KB\r\n\r\n");
  EXPECT_EQ(s.name, "top\r\n\r\n");
}

TEST(Summary, ListingWithoutLengthsOrPathsIsTheSectionItself) {
  const TorrentSummary s = summary_of("d4:infod5:filesld4:pathl1:aeee4:name1:xee");
  EXPECT_EQ(s.files_listing, "#::length=");
}

TEST(Summary, ServersJoinAnnounceAndTheListCutAt5000Bytes) {
  std::string list = "l";
  std::string expected_list;
  for (int i = 0; i < 300; ++i) {
    const std::string url = "http://tracker" + std::to_string(i) + ".example/announce";
    list += "l" + std::to_string(url.size()) + ":" + url + "e";
    expected_list += url + "\r\n";
  }
  list += "e";
  const TorrentSummary s =
      summary_of("d8:announce15:http://a|b|c/an13:announce-list" + list + "7:comment1:xe");
  EXPECT_EQ(s.servers, "http://abc/an\r\n" + expected_list.substr(0, 5000) + "\r\n");
}

TEST(Summary, TheKeyTextIsConvertedUnlessItHoldsGbk) {
  // "中" in UTF-8 is E4 B8 AD; in code page 936 D6 D0.
  EXPECT_EQ(summary_of("d8:encoding5:UTF-84:name3:\xE4\xB8\xAD"
                       "7:comment1:xe")
                .name,
            "\xD6\xD0\r\n\r\n");
  EXPECT_EQ(summary_of("d8:encoding3:GBK4:name2:\xD6\xD0"
                       "7:comment1:xe")
                .name,
            "\xD6\xD0\r\n\r\n");
  // Lower-case gbk does not count: the bytes are taken as UTF-8 and are not UTF-8.
  EXPECT_EQ(summary_of("d8:encoding3:gbk4:name2:\xD6\xD0"
                       "7:comment1:xe")
                .name,
            "??\r\n\r\n");
}

TEST(Summary, AHashColonInsideAValueEndsTheFieldBeforeIt) {
  EXPECT_EQ(summary_of("d4:name6:ab#::c7:comment1:xe").name, "ab\r\n");
  EXPECT_EQ(summary_of("d9:publisher4:#::p7:comment1:xe").publisher, "");
}

TEST(Summary, EmptyKeyTextGivesEmptyFields) {
  const TorrentSummary s = summary_of("d3:fooe");
  EXPECT_EQ(s.servers, "\r\n");
  EXPECT_EQ(s.name, "\r\n");
  EXPECT_EQ(utf8(s.files_listing), "  大小：0 MB\r\n");
  EXPECT_EQ(s.piece_length_text, "0 KB\r\n");
  EXPECT_EQ(s.creation_time, (metadata::DateTime{1970, 1, 1, 8, 0, 0}));
  EXPECT_TRUE(s.publisher.empty() && s.created_by.empty() && s.encoding.empty());
}

// summarize converts only the fields it keeps where the converter allows it; the result
// must be exactly that of converting the whole key text first.
void expect_same_as_whole_text(const std::string& content, const std::string& what) {
  TorrentReader fast, whole;
  fast.set_content(content);
  whole.set_content(content);
  fast.decode();
  whole.decode();
  const TorrentSummary a = fast.summarize();
  const TorrentSummary b = whole.summarize_whole_text();
  EXPECT_EQ(a.servers, b.servers) << what;
  EXPECT_EQ(a.created_by, b.created_by) << what;
  EXPECT_EQ(a.creation_time, b.creation_time) << what;
  EXPECT_EQ(a.encoding, b.encoding) << what;
  EXPECT_EQ(a.files_listing, b.files_listing) << what;
  EXPECT_EQ(a.name, b.name) << what;
  EXPECT_EQ(a.piece_length_text, b.piece_length_text) << what;
  EXPECT_EQ(a.publisher, b.publisher) << what;
}

TEST(Summary, FieldByFieldConversionEqualsWholeTextConversion) {
  const char* cases[] = {
      "d4:name3:\xE4\xB8\xAD"
      "7:comment1:xe",
      "d4:name4:\xCC\xB8\xE4\xB8"
      "7:comment1:xe",  // a mark that joins "="
      "d4:name4:\xE2\x82\xAC#"
      "7:comment1:xe",  // the euro sign, one high byte
      "d4:name7:a\xE2\x82\xAC#::x"
      "7:comment1:xe",
      "d4:infod5:filesld6:lengthi5e4:pathl4:\xE4\xB8\xAD"
      "a1:beee4:name1:xee",
      "d4:name5:\xB0#::ab7:comment1:xe",  // invalid UTF-8 before a "#"
      "d4:name5:a#::b7:comment5:#::#:e",  // "#::" inside values
  };
  for (const char* c : cases) expect_same_as_whole_text(c, testing::PrintToString(std::string(c)));
  for (const auto& entry : std::filesystem::directory_iterator(MORVALE_TEST_DATA_DIR "/samples"))
    expect_same_as_whole_text(testing_support::read_bytes(entry.path().string()),
                              entry.path().filename().string());
}

}  // namespace
