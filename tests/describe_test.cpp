#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "metadata/describe.h"
#include "platform/codepage.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using metadata::DescribeStatus;

const std::string kData = MORVALE_TEST_DATA_DIR;

// Every golden block was written by hand from the rules, byte for byte; mode 2 gives the
// same short block as mode 0.
TEST(DescribeTorrent, MatchesEveryGoldenBlock) {
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(kData + "/golden")) {
    const std::string file = entry.path().filename().string();
    const std::size_t dot = file.find(".mode");
    ASSERT_NE(dot, std::string::npos) << file;
    const std::string name = file.substr(0, dot);
    const int mode = file[dot + 5] - '0';
    const std::string torrent = kData + "/samples/" + name + ".torrent";
    const std::string expected = testing_support::read_bytes(entry.path().string());
    EXPECT_EQ(metadata::describe_torrent(torrent, mode), expected) << file;
    if (mode == 0) {
      EXPECT_EQ(metadata::describe_torrent(torrent, 2), expected) << file;
    }
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

TEST(DescribeTorrent, FilesWithNothingToReadGiveTheMissingFileMessage) {
  testing_support::TempDir dir;
  const std::string expected = "\r\n******文件不存在或无法打开******";
  for (const std::string& path :
       {dir.path_of("missing.torrent"), dir.write("empty.torrent", ""), dir.path()}) {
    for (int mode : {0, 1}) {
      const metadata::Description d = metadata::describe_torrent_with_status(path, mode);
      EXPECT_EQ(platform::cp936_to_utf8(d.text), expected) << path;
      EXPECT_EQ(d.status, DescribeStatus::kUnreadable);
    }
  }
}

TEST(DescribeTorrent, ContentThatHoldsNoTorrentIsCalledInvalid) {
  const std::string expected = "\r\n******无效的种子或假种子******";
  for (const char* content : {"hello", "l4:namee", "d3:foo3:bare", "d"}) {
    const metadata::Description d = metadata::describe_content(content, 1);
    EXPECT_EQ(platform::cp936_to_utf8(d.text), expected) << content;
    EXPECT_EQ(d.status, DescribeStatus::kNotTorrent);
  }
}

TEST(DescribeTorrent, ShortAndFullBlocksOfAMinimalTorrent) {
  const std::string content =
      "d4:infod6:lengthi1048576e4:name5:a.iso12:piece lengthi16384e6:pieces1:xee";
  EXPECT_EQ(platform::cp936_to_utf8(metadata::describe_content(content, 0).text),
            "∞:a.iso\r\n\r\na.iso  大小：1 MB\r\n\r\n√生成时间：1970年1月1日8时\r\n\r\n"
            "√块大小：16 KB\r\n\r\n√生成种子的软件：\r\n√种子编码：\r\n√种子制作人：匿名\r\n");
  EXPECT_EQ(platform::cp936_to_utf8(metadata::describe_content(content, 1).text),
            "∞:a.iso\r\n\r\n------以下为种子中的文件------\r\na.iso  大小：1 MB\r\n"
            "------以下为种子附加信息------\r\n√生成时间：1970年1月1日8时\r\n\r\n"
            "√块大小：16 KB\r\n\r\n√生成种子的软件：\r\n√种子编码：\r\n√种子制作人：匿名\r\n\r\n"
            "------以下为种子连接服务器------\r\n\r\n");
}

}  // namespace
