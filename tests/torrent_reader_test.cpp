#include <gtest/gtest.h>

#include <string>

#include "metadata/torrent_reader.h"
#include "platform/messages.h"
#include "test_files.h"

namespace {

using metadata::TorrentReader;
using namespace std::string_literals;

std::string key_text_of(const std::string& content) {
  TorrentReader reader;
  reader.set_content(content);
  EXPECT_EQ(reader.decode(), 0);
  return reader.key_text();
}

TEST(KeyText, DecodesMembersInFileOrder) {
  struct Case {
    const char* what;
    std::string content, key_text;
  } cases[] = {
      {"known key with a string", "d8:announce3:urle", "#::announce=url\r\n"},
      {"unknown key", "d3:foo3:bare", "foo\r\nbar\r\n"},
      {"capitals keep their spelling", "d4:NAME1:x6:LeNgTh1:0e", "#::NAME=x\r\n#::LeNgTh=0\r\n"},
      {"a value spelling a name", "d1:x4:infoe", "x\r\n#::info="},
      {"every known name", "d4:path5:nodes7:comment5:files10:name.utf-86:pieces9:publishere",
       "#::path=#::nodes=#::comment=#::files=#::name.utf-8=#::pieces=#::publisher="},
      {"a near miss", "d5:names4:inf0e", "names\r\ninf0\r\n"},
      {"empty string", "d0:4:name0:e", "\r\n#::name=\r\n"},
      {"a colon alone is an empty string", "d:::e", "\r\n\r\n\r\n"},
      {"integer, leading zeros kept", "d1:xi042ee", "x\r\n042\r\n"},
      {"empty integer", "d1:iiee", "i\r\n\r\n"},
      {"negative integer ends the top level", "d1:ai-5e1:be", "a\r\n"},
      {"a failed member ends its list; the dictionary goes on a byte later", "dli-1:xe3:abce",
       "x\r\n"},
      {"zero byte cuts a value, the position moves past it", "d5:ab\0cd1:ee"s, "ab\r\ne\r\n"},
      {"zero byte where a member starts",
       "d1:a\0"
       "1:be"s,
       "a\r\n"},
      {"truncated string keeps what is there", "d8:announce10:http", "#::announce=http\r\n"},
      {"truncated after a key", "d4:name", "#::name="},
      {"absurd length", "d99999999999999999999999:abce", "abce\r\n"},
      {"length without colon", "d3abce", ""},
      {"nested containers leave no mark", "d4:infod5:filesld6:lengthi5e4:pathl1:a1:beeee",
       "#::info=#::files=#::length=5\r\n#::path=a\r\nb\r\n"},
      {"bytes after the torrent are never looked at", "d1:ae1:b", "a\r\n"},
      {"not a dictionary", "l1:ae", ""},
      {"binary values keep line ends", "d6:pieces4:\r\n#:e", "#::pieces=\r\n#:\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(key_text_of(c.content), c.key_text) << c.what;
}

TEST(KeyText, ContentThatDoublesAsItDecodesFits) {
  // Each ":" takes one byte and writes two: the most any content can grow.
  const std::string colons(100000, ':');
  std::string expected;
  for (int i = 0; i < 100000; ++i) expected += "\r\n";
  EXPECT_EQ(key_text_of("d" + colons), expected);
}

TEST(KeyText, CountsTheMarkersItWrites) {
  TorrentReader reader;
  reader.set_content("d4:name1:x3:foo4:infoe");
  reader.decode();
  EXPECT_EQ(reader.marker_count(), 2u);
}

TEST(KeyText, HostileNestingStopsAtTheDepthLimit) {
  const int limit = TorrentReader::kMaxDepth;
  // Within the limit everything is decoded.
  const std::string shallow =
      "d" + std::string(limit - 2, 'l') + "4:name" + std::string(limit - 2, 'e') + "4:infoe";
  EXPECT_EQ(key_text_of(shallow), "#::name=#::info=");
  // Far beyond it, decoding ends without exhausting the stack and keeps what came before.
  const std::string deep = "d4:name1:x" + std::string(1000000, 'l') + "4:infoe";
  EXPECT_EQ(key_text_of(deep), "#::name=x\r\n");
  const std::string deep_dicts = "d" + std::string(1000000, 'd');
  EXPECT_EQ(key_text_of(deep_dicts), "");
}

TEST(KeyText, ManyFilesDecodeInOrder) {
  std::string content = "d4:infod5:filesl";
  std::string expected = "#::info=#::files=";
  for (int i = 0; i < 50000; ++i) {
    const std::string n = std::to_string(i);
    content += "d6:lengthi" + n + "e4:pathl" + std::to_string(n.size()) + ":" + n + "ee";
    expected += "#::length=" + n + "\r\n#::path=" + n + "\r\n";
  }
  content += "eee";
  EXPECT_EQ(key_text_of(content), expected);
}

TEST(KeyText, KnownKeysIgnoreAsciiCaseOnly) {
  EXPECT_TRUE(TorrentReader::is_known_key("Piece Length"));
  EXPECT_TRUE(TorrentReader::is_known_key("NAME.UTF-8"));
  EXPECT_FALSE(TorrentReader::is_known_key("name "));
  EXPECT_FALSE(TorrentReader::is_known_key("piece_length"));
  EXPECT_FALSE(TorrentReader::is_known_key(""));
}

TEST(ReadInPieces, DispatchesBeforeEachPieceOfALargeFile) {
  testing_support::TempDir dir;
  struct Case {
    std::size_t size;
    std::uint64_t dispatches;
  } cases[] = {{1, 0}, {10000, 0}, {10001, 2}, {20000, 3}, {25000, 3}};
  for (const Case& c : cases) {
    std::string bytes(c.size, 'x');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
    const std::string path = dir.write("f" + std::to_string(c.size), bytes);
    const std::uint64_t before = platform::dispatch_count();
    EXPECT_EQ(TorrentReader::read_file_in_pieces(path, 10000), bytes) << c.size;
    EXPECT_EQ(platform::dispatch_count() - before, c.dispatches) << c.size;
  }
}

// The file is cut short by another program between two pieces: what was there is kept and
// the remaining rounds still dispatch.
std::string g_shrinking_path;
int g_dispatches_seen = 0;

TEST(ReadInPieces, AFileThatShrinksWhileReadKeepsWhatWasRead) {
  testing_support::TempDir dir;
  std::string bytes(30000, 'x');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
  g_shrinking_path = dir.write("shrinking.torrent", bytes);
  g_dispatches_seen = 0;
  platform::set_dispatch_hook([] {
    if (++g_dispatches_seen == 2) {
      std::error_code error;
      std::filesystem::resize_file(g_shrinking_path, 15000, error);
      EXPECT_FALSE(error) << error.message();
    }
  });
  const std::string read = TorrentReader::read_file_in_pieces(g_shrinking_path, 10000);
  platform::set_dispatch_hook(nullptr);
  EXPECT_EQ(read, bytes.substr(0, 15000));
  EXPECT_EQ(g_dispatches_seen, 4);
}

TEST(ReadInPieces, NothingToReadGivesNoContent) {
  testing_support::TempDir dir;
  const std::string empty = dir.write("empty.torrent", "");
  for (const std::string& path : {empty, dir.path_of("missing.torrent"), dir.path()}) {
    TorrentReader reader;
    reader.load(path);
    EXPECT_TRUE(reader.content().empty()) << path;
    EXPECT_EQ(reader.decode(), -1);
    EXPECT_TRUE(reader.key_text().empty());
  }
}

TEST(ReadInPieces, DecodeDispatchesOnceMore) {
  TorrentReader reader;
  reader.set_content("d4:name1:xe");
  const std::uint64_t before = platform::dispatch_count();
  reader.decode();
  EXPECT_EQ(platform::dispatch_count() - before, 1u);
}

TEST(ExtractBetween, FirstMatchMode) {
  const std::string source = "#::name=abc\r\n#::name=def\r\n#::path=x";
  struct Case {
    std::string_view start, end, expected;
  } cases[] = {
      {"#::name=", "\r\n", "abc"},
      {"#::name=", "#::", "abc\r\n"},
      {"#::path=", "#::", ""},                             // no end marker after it
      {"#::path=", "", "x"},                               // start only: to the end
      {"", "#::path=", "#::name=abc\r\n#::name=def\r\n"},  // end only: before it
      {"", "#::nope", ""},
      {"#::nope", "", ""},
      {"#::NAME=", "\r\n", ""},  // exact comparison
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TorrentReader::extract_between(source, c.start, c.end, false, nullptr), c.expected)
        << c.start << " .. " << c.end;
  }
  // A marker behind a lead byte is the second half of a character, not a marker.
  EXPECT_EQ(TorrentReader::extract_between("\xB0#::name=a\r\n#::name=b\r\n", "#::name=", "\r\n",
                                           false, nullptr),
            "b");
}

TEST(ExtractBetween, AllMatchesMode) {
  std::vector<std::string> pieces;
  const std::string source = "#::length=1\r\n#::LENGTH=22\r\n#::Length=333";
  EXPECT_EQ(TorrentReader::extract_between(source, "#::length=", "\r\n", true, &pieces), "");
  EXPECT_EQ(pieces, (std::vector<std::string>{"1", "22", ""}));
  TorrentReader::extract_between("no markers", "#::path=", "\r\n", true, &pieces);
  EXPECT_TRUE(pieces.empty());
}

}  // namespace
