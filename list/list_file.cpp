#include "list/list_file.h"

#include <optional>
#include <string>
#include <utility>

#include "list/protected_file.h"
#include "platform/file.h"
#include "text/cp936.h"

namespace list {
namespace {

constexpr std::string_view kRowEnd = "=-=";
constexpr std::string_view kCellGap = "*-*";

// How many "name.damaged-N" names are tried before a damaged file is left where it is.
constexpr int kMaxKeptCopies = 1000;

// Renames a damaged list file beside itself to the first of "<path>.damaged",
// "<path>.damaged-2", ... that nothing has yet, so that no earlier kept copy is overwritten
// and the next save cannot overwrite this one. Returns the new name, or "" when the file
// could not be moved (locked, or the directory is read-only).
std::string keep_aside(std::string_view path) {
  for (int n = 1; n <= kMaxKeptCopies; ++n) {
    std::string name(path);
    name += ".damaged";
    if (n > 1) name += "-" + std::to_string(n);
    if (platform::move_file(path, name)) return name;
    // Only a taken name is worth another try; any other failure repeats for every name.
    if (!platform::file_exists(name)) break;
  }
  return {};
}

}  // namespace

// The column count is asked again for every cell, and the cell that reaches it ends the row.
std::string build_list_text(const CellSource& cells) {
  std::string text;
  const int rows = cells.row_count();
  for (int row = 0; row < rows; ++row) {
    for (int column = 0;; ++column) {
      const int columns = cells.column_count();
      if (column >= columns) break;
      text += cells.cell_text(row, column);
      text += column + 1 == columns ? kRowEnd : kCellGap;
    }
  }
  return text;
}

// The search resumes after each separator, which ends a character, so every search starts
// on a character boundary as text::find requires.
std::vector<std::string> split_pieces(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) {
    if (!text.empty()) pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  for (std::size_t hit = text::find(text, separator); hit != text::npos;
       hit = text::find(text, separator, start)) {
    pieces.emplace_back(text.substr(start, hit - start));
    start = hit + separator.size();
  }
  if (start < text.size()) pieces.emplace_back(text.substr(start));
  return pieces;
}

std::vector<std::vector<std::string>> parse_list_text(std::string_view content) {
  const std::size_t end = content.find_first_of(std::string_view("\0\x1A", 2));
  if (end != std::string_view::npos) content = content.substr(0, end);
  std::vector<std::vector<std::string>> rows;
  for (const std::string& row : split_pieces(content, kRowEnd)) {
    rows.push_back(split_pieces(row, kCellGap));
  }
  return rows;
}

std::string list_file_path(std::string_view program_directory) {
  std::string path(program_directory);
  path += "\\torrentdat.db";
  return path;
}

// A file that cannot be read is left alone: it may be locked for a moment and is not known
// to be damaged. An empty file has nothing to protect and reads as an empty list.
ListFileContent read_list_file(std::string_view path, std::string_view password) {
  ListFileContent result;
  std::optional<std::string> stored = platform::read_whole_file(path);
  if (!stored) return result;
  if (stored->empty()) {
    result.state = ListFileState::kRead;
    return result;
  }
  std::optional<std::string> plain = unseal(*stored, password);
  if (plain) {
    result.state = ListFileState::kRead;
    result.content = std::move(*plain);
    return result;
  }
  result.state = ListFileState::kDamaged;
  result.kept_as = keep_aside(path);
  return result;
}

bool write_list_file(std::string_view path, std::string_view password, std::string_view text) {
  std::string content(text);
  content.push_back('\0');
  return platform::write_file_replacing(path, seal(content, password));
}

}  // namespace list
