#include "list/list_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "list/protected_file.h"
#include "platform/file.h"
#include "test_files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Rows = std::vector<std::vector<std::string>>;
using testing_support::read_bytes;
using testing_support::TempDir;

constexpr std::string_view kPassword = "Qm7#tR2vX9kLp4Wz8NcB1yHs6DfGj";

// "中文" is D6 D0 CE C4; "下载" is CF C2 D4 D8.
constexpr std::string_view kChinese = "\xD6\xD0\xCE\xC4";

class Cells : public list::CellSource {
 public:
  Cells(Rows rows, int columns) : rows_(std::move(rows)), columns_(columns) {}
  int row_count() const override { return static_cast<int>(rows_.size()); }
  int column_count() const override { return columns_; }
  std::string cell_text(int row, int column) const override {
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                           : "";
  }

 private:
  Rows rows_;
  int columns_;
};

std::string printed(std::string_view s) { return testing::PrintToString(std::string(s)); }

TEST(BuildListText, CellsJoinedAndEveryRowEnded) {
  struct Case {
    Rows rows;
    int columns;
    std::string_view text;
  } cases[] = {
      {{}, 3, ""},
      {{{"a", "b", "c"}, {"d", "e", "f"}}, 3, "a*-*b*-*c=-=d*-*e*-*f=-="},
      {{{"a", "b", ""}}, 3, "a*-*b*-*=-="},  // an empty last cell
      {{{"", "", ""}}, 3, "*-**-*=-="},
      {{{"x*-*y", "z"}}, 2, "x*-*y*-*z=-="},  // no escaping
      {{{"a", "b", "c"}}, 2, "a*-*b=-="},     // as many cells as the list has columns
      {{{"a"}}, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list::build_list_text(Cells(c.rows, c.columns)), c.text) << printed(c.text);
  }
}

TEST(SplitPieces, KeepsInnerEmptyPiecesButNoEmptyLastOne) {
  struct Case {
    std::string_view text, separator;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", "=-=", {}},
      {"abc", "=-=", {"abc"}},
      {"a=-=b", "=-=", {"a", "b"}},
      {"a=-=", "=-=", {"a"}},
      {"=-=a", "=-=", {"", "a"}},
      {"a=-==-=b=-=", "=-=", {"a", "", "b"}},
      {"=-==-=", "=-=", {"", ""}},
      {"a=-=-=b", "=-=", {"a", "-=b"}},
      // Separators only at character starts: "\x81*" and "\x81=" are double-byte characters.
      {"a\x81*-*b", "*-*", {"a\x81*-*b"}},
      {"a\x81**-*b", "*-*", {"a\x81*", "b"}},
      {"\x81=-=", "=-=", {"\x81=-="}},
      {"\xD6\xD0\xCE\xC4*-*x", "*-*", {"\xD6\xD0\xCE\xC4", "x"}},
      {"\x81\x81*-*", "*-*", {"\x81\x81"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list::split_pieces(c.text, c.separator), c.pieces) << printed(c.text);
  }
}

TEST(ParseListText, RowsAndCellsUpToTheEndOfTheText) {
  struct Case {
    std::string_view content;
    Rows rows;
  } cases[] = {
      {std::string_view("\0", 1), {}},
      {"", {}},
      {std::string_view("a*-*b*-*c=-=d*-*e*-*f=-=\0", 25), {{"a", "b", "c"}, {"d", "e", "f"}}},
      {"a*-*b*-*=-=", {{"a", "b"}}},        // the empty last cell gives no piece
      {"a=-==-=b=-=", {{"a"}, {}, {"b"}}},  // an empty row piece: a row without cells
      {"x*-*y*-*z=-=", {{"x", "y", "z"}}},  // more pieces than columns are kept
      {"a=-=tail", {{"a"}, {"tail"}}},      // text after the last row end
      {std::string_view("a=-=b\0c=-=", 10), {{"a"}, {"b"}}},
      {"a=-=b\032c=-=", {{"a"}, {"b"}}},  // byte 26
      {std::string_view("a\x1A\0", 3), {{"a"}}},
      {"\032a=-=", {}},
      {"\x81*-*=-=", {{"\x81*-*"}}},  // "\x81*" is one character, so "-*" starts no gap
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list::parse_list_text(c.content), c.rows) << printed(c.content);
  }
}

TEST(ListFilePath, BesideTheProgram) {
  EXPECT_EQ(list::list_file_path("C:\\Program Files\\MorvaleBT"),
            "C:\\Program Files\\MorvaleBT\\torrentdat.db");
}

class ListFileOnDisk : public testing::Test {
 protected:
  std::set<std::string> names() const {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      found.insert(entry.path().filename().string());
    }
    return found;
  }
  Rows load(const std::string& path) const {
    const list::ListFileContent read = list::read_list_file(path, kPassword);
    EXPECT_EQ(read.state, list::ListFileState::kRead);
    return list::parse_list_text(read.content);
  }

  TempDir dir_;
  const std::string path_ = dir_.path_of("torrentdat.db");
};

TEST_F(ListFileOnDisk, SaveThenLoadGivesTheSameRows) {
  const std::string chinese(kChinese);
  const Rows rows = {
      {chinese + ".torrent", "D:\\\xCF\xC2\xD4\xD8\\" + chinese + "\\", "28.3KB"},
      {"a.torrent", "C:\\", "0KB"},
      {"\x81*-x.torrent", "E:\\\x81=\\", "1 KB"},  // trail bytes that look like separators
  };
  ASSERT_TRUE(list::write_list_file(path_, kPassword, list::build_list_text(Cells(rows, 3))));
  EXPECT_EQ(read_bytes(path_).find(".torrent"), std::string::npos);  // stored enciphered
  EXPECT_EQ(load(path_), rows);

  // A second save replaces the first; an empty list reads back as no rows.
  ASSERT_TRUE(list::write_list_file(path_, kPassword, ""));
  const list::ListFileContent empty = list::read_list_file(path_, kPassword);
  EXPECT_EQ(empty.state, list::ListFileState::kRead);
  EXPECT_EQ(empty.content, std::string(1, '\0'));
  EXPECT_EQ(names(), std::set<std::string>{"torrentdat.db"});
}

TEST_F(ListFileOnDisk, MissingAndEmptyFiles) {
  const list::ListFileContent missing = list::read_list_file(path_, kPassword);
  EXPECT_EQ(missing.state, list::ListFileState::kMissing);
  EXPECT_EQ(missing.content, "");

  dir_.write("torrentdat.db", "");
  const list::ListFileContent empty = list::read_list_file(path_, kPassword);
  EXPECT_EQ(empty.state, list::ListFileState::kRead);
  EXPECT_EQ(empty.content, "");
  EXPECT_EQ(names(), std::set<std::string>{"torrentdat.db"});
}

// A file that fails its check is renamed to a name nothing has yet and never overwritten.
TEST_F(ListFileOnDisk, DamagedFilesAreKeptAsideUnderNewNames) {
  ASSERT_TRUE(list::write_list_file(path_, kPassword, "a*-*b*-*c=-="));
  std::string flipped = read_bytes(path_);
  flipped[flipped.size() / 2] ^= 0x10;
  const std::string other_format = "a*-*b*-*c=-=";
  const std::string other_password = list::seal(std::string("x=-=\0", 5), "another password");

  const std::string contents[] = {flipped, other_format, other_password};
  const std::string kept_names[] = {"torrentdat.db.damaged", "torrentdat.db.damaged-2",
                                    "torrentdat.db.damaged-3"};
  for (int i = 0; i < 3; ++i) {
    dir_.write("torrentdat.db", contents[i]);
    const list::ListFileContent read = list::read_list_file(path_, kPassword);
    EXPECT_EQ(read.state, list::ListFileState::kDamaged);
    EXPECT_EQ(read.content, "");
    EXPECT_EQ(read.kept_as, dir_.path_of(kept_names[i]));
  }
  EXPECT_FALSE(std::filesystem::exists(path_));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(read_bytes(dir_.path_of(kept_names[i])), contents[i]);

  // The next save starts a fresh list file beside the kept ones.
  ASSERT_TRUE(list::write_list_file(path_, kPassword, "n=-="));
  EXPECT_EQ(load(path_), Rows{{"n"}});
  EXPECT_EQ(names().size(), 4u);
}

// A save that cannot finish leaves the old list file as it was and no temporary file.
TEST_F(ListFileOnDisk, FailedSavesKeepTheOldFile) {
  const std::string nowhere = dir_.path_of("missing-directory") +
                              std::string(1, std::filesystem::path::preferred_separator) +
                              "torrentdat.db";
  EXPECT_FALSE(list::write_list_file(nowhere, kPassword, "a=-="));
  EXPECT_TRUE(names().empty());

  // The target is a directory: the temporary file is written, the replace fails.
  std::filesystem::create_directory(path_);
  EXPECT_FALSE(list::write_list_file(path_, kPassword, "a=-="));
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  EXPECT_EQ(names(), std::set<std::string>{"torrentdat.db"});
  std::filesystem::remove(path_);

  // The temporary file cannot be made (its name is taken by a directory).
  ASSERT_TRUE(list::write_list_file(path_, kPassword, "old=-="));
  std::filesystem::create_directory(path_ + ".tmp");
  EXPECT_FALSE(list::write_list_file(path_, kPassword, "new=-="));
  EXPECT_EQ(load(path_), Rows{{"old"}});
  EXPECT_TRUE(std::filesystem::is_directory(path_ + ".tmp"));
}

#ifdef _WIN32
// Another program holds the list file open without letting it be replaced: the save gives
// up after a short wait and the old list stays.
TEST_F(ListFileOnDisk, SaveWhileAnotherProgramHoldsTheFile) {
  ASSERT_TRUE(list::write_list_file(path_, kPassword, "old=-="));
  const std::wstring wide = std::filesystem::path(path_).wstring();
  HANDLE holder = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(list::write_list_file(path_, kPassword, "new=-="));
  ::CloseHandle(holder);
  EXPECT_EQ(load(path_), Rows{{"old"}});
  EXPECT_EQ(names(), std::set<std::string>{"torrentdat.db"});
}
#endif

TEST_F(ListFileOnDisk, PlatformFileCalls) {
  const std::string five = dir_.write("five", "12345");
  const std::string empty = dir_.write("empty", "");
  const std::string missing = dir_.path_of("missing");
  EXPECT_EQ(platform::file_size(five), 5);
  EXPECT_EQ(platform::file_size(empty), 0);
  EXPECT_EQ(platform::file_size(missing), -1);
  EXPECT_EQ(platform::file_size(dir_.path()), -1);

  EXPECT_TRUE(platform::file_exists(five));
  EXPECT_TRUE(platform::file_exists(dir_.path()));
  EXPECT_FALSE(platform::file_exists(missing));

  // A move never replaces: both files stay as they were.
  EXPECT_FALSE(platform::move_file(five, empty));
  EXPECT_EQ(read_bytes(five), "12345");
  EXPECT_EQ(read_bytes(empty), "");
  EXPECT_TRUE(platform::move_file(five, missing));
  EXPECT_EQ(read_bytes(missing), "12345");
  EXPECT_FALSE(platform::file_exists(five));

  EXPECT_EQ(platform::read_whole_file(missing), "12345");
  EXPECT_EQ(platform::read_whole_file(five), std::nullopt);
  EXPECT_EQ(platform::read_whole_file(dir_.path()), std::nullopt);
}

}  // namespace
