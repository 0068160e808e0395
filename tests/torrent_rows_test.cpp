#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "list/torrent_rows.h"

namespace {

TEST(SizeText, KilobytesRoundedToOneDecimalInShortestForm) {
  struct Case {
    std::int64_t bytes;
    std::string_view suffix, expected;
  } cases[] = {
      {0, "KB", "0KB"},
      {51, "KB", "0KB"},     // 0.0498 rounds down
      {52, "KB", "0.1KB"},   // 0.0508 rounds up
      {256, "KB", "0.3KB"},  // exactly 0.25: halves go away from zero
      {1024, "KB", "1KB"},   // no decimal point for whole numbers
      {1075, "KB", "1KB"},   // 1.0498
      {1126, "KB", "1.1KB"},
      {28954, "KB", "28.3KB"},
      {924999, "KB", "903.3KB"},
      {-1, "KB", "-0KB"},         // an unreadable size keeps the sign of -1/1024
      {28954, " KB", "28.3 KB"},  // the disk search's suffix
      {std::int64_t{1} << 60, "KB", "1.125899906843e+15KB"},  // at most 13 significant digits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list::size_text(c.bytes, c.suffix), c.expected) << c.bytes;
  }
}

TEST(AcceptsOpenedFile, TorrentAndTextNamesBelowTheSizeLimit) {
  struct Case {
    std::string_view name;
    std::int64_t size;
    bool accepted;
  } cases[] = {
      {"A.TORRENT", 100, true},
      {"b.Txt", 100, true},
      {"\xD6\xD6\xD7\xD3.torrent", 100, true},  // a Chinese name
      {".txt", 100, true},
      {"c.torrent.bak", 100, false},
      {"d.nfo", 100, false},
      {"torrent", 100, false},
      {"e.torrent", 924999, true},
      {"e.torrent", 925000, false},
      {"e.torrent", -1, true},  // a size that could not be read
      {"", 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list::accepts_opened_file(c.size, c.name), c.accepted)
        << c.name << " size " << c.size;
  }
}

// 0x95 0x5C is one double-byte character whose second byte is a backslash; it must not cut
// the path.
TEST(SplitRowPath, CutsAtTheLastRealBackslash) {
  struct Case {
    std::string_view path, location, name;
  } cases[] = {
      {"C:\\dir\\a.torrent", "C:\\dir\\", "a.torrent"},
      {"D:\\\xB1\xED\\\x95\\.torrent", "D:\\\xB1\xED\\", "\x95\\.torrent"},
      {"D:\\x\x95\\", "D:\\", "x\x95\\"},
      {"C:\\dir\\", "C:\\dir\\", ""},
      {"a.torrent", "", "a.torrent"},
  };
  for (const Case& c : cases) {
    const list::RowPathParts parts = list::split_row_path(c.path);
    EXPECT_EQ(parts.location, c.location) << testing::PrintToString(std::string(c.path));
    EXPECT_EQ(parts.name, c.name) << testing::PrintToString(std::string(c.path));
    EXPECT_EQ(parts.location + parts.name, c.path);
  }
}

}  // namespace
