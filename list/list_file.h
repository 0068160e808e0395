// The list file: the torrent list's cell texts kept between runs, in one protected file.
//
// Content: for each row, its cells joined by "*-*" and ended by "=-=", then one zero
// byte. No header, count or escaping; a cell holding a separator comes back cut apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace list {

// The cells of the list as the save reads them, row by row and column by column.
class CellSource {
 public:
  virtual ~CellSource() = default;
  virtual int row_count() const = 0;
  virtual int column_count() const = 0;  // read again for every cell
  virtual std::string cell_text(int row, int column) const = 0;
};

// The list text (without its closing zero byte).
std::string build_list_text(const CellSource& cells);

// The pieces between separators: empty pieces between separators and before a leading
// one are kept, an empty last piece is not, an empty text gives none. The separator is
// matched only at character starts.
std::vector<std::string> split_pieces(std::string_view text, std::string_view separator);

// Rows of cell pieces from the stored content, which ends at its first zero byte or byte
// 26, or at its end.
std::vector<std::vector<std::string>> parse_list_text(std::string_view content);

// "torrentdat.db" in the given directory (which has no trailing backslash).
std::string list_file_path(std::string_view program_directory);

enum class ListFileState {
  kRead,     // the content was read (it may be empty)
  kMissing,  // there is no file, or it could not be opened
  kDamaged,  // the file failed its check; it was moved aside to `kept_as`
};

struct ListFileContent {
  ListFileState state = ListFileState::kMissing;
  std::string content;  // the stored bytes, zero byte included, when kRead
  std::string kept_as;  // where a damaged file now is (empty when it could not be moved)
};

// Reads and checks the list file. A damaged file, or one another build wrote, is renamed
// beside itself so that the next save does not overwrite it.
ListFileContent read_list_file(std::string_view path, std::string_view password);

// Writes `text` and one zero byte, protected with the password. The new file is written
// beside the old one and then put in its place in one step, so an interrupted save leaves
// the previous list intact. True when the file now holds the new list.
bool write_list_file(std::string_view path, std::string_view password, std::string_view text);

}  // namespace list
