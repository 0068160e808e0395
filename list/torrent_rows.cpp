// The texts of a torrent list row: the name and location cut from a full path, the test
// that decides whether an opened file goes into the list, and the size column's text.
#include "list/torrent_rows.h"

#include <cstddef>

#include "text/cp936.h"
#include "text/number_format.h"

namespace list {

namespace {

// Files of this size or larger are not torrents worth listing.
constexpr std::int64_t kMaxOpenedFileSize = 925000;

// True when `name` ends in `lower_suffix`, ASCII letters of the name lowered first. The
// suffixes are plain ASCII, and a byte of a double-byte character never equals ".", so the
// byte-wise comparison agrees with a character-wise one.
bool ends_with_nocase(std::string_view name, std::string_view lower_suffix) {
  return name.size() >= lower_suffix.size() &&
         text::equals_nocase(name.substr(name.size() - lower_suffix.size()), lower_suffix);
}

}  // namespace

// The last backslash is looked for character by character, so the second byte of a
// double-byte character (which may be 0x5C) never counts. A path without a backslash is
// all name; location followed by name always gives the path back.
RowPathParts split_row_path(std::string_view path) {
  const std::size_t slash = text::find_last(path, '\\');
  if (slash == text::npos) return {std::string(path), std::string()};
  return {std::string(path.substr(slash + 1)), std::string(path.substr(0, slash + 1))};
}

bool accepts_opened_file(std::int64_t size, std::string_view name) {
  return size < kMaxOpenedFileSize &&
         (ends_with_nocase(name, ".torrent") || ends_with_nocase(name, ".txt"));
}

// Kilobytes rounded half away from zero to one decimal and written in the shortest form;
// the sign of a negative size survives the rounding, so -1 shows as "-0".
std::string size_text(std::int64_t bytes, std::string_view suffix) {
  const double kilobytes = static_cast<double>(bytes) / 1024.0;
  std::string out = text::format_size_number(text::round_to_decimals(kilobytes, 1));
  out.append(suffix);
  return out;
}

}  // namespace list
