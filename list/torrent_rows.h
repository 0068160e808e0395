// What a row of the torrent list holds, apart from the list control itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace list {

// A full path cut at its last backslash (stepping over double-byte characters): the name
// after it and the location up to and including it. Location followed by name is the path.
struct RowPathParts {
  std::string name;
  std::string location;
};
RowPathParts split_row_path(std::string_view path);

// Whether a file chosen in the open dialog goes into the list: below 925000 bytes and a
// name ending in ".torrent" or ".txt", ASCII letters compared without case. A size that
// could not be read (-1) passes.
bool accepts_opened_file(std::int64_t size, std::string_view name);

// The size column's text: bytes / 1024 rounded to one decimal, in the shortest form, then
// `suffix` ("KB" for opened files, " KB" for files the disk search finds). -1 gives "-0KB".
std::string size_text(std::int64_t bytes, std::string_view suffix);

}  // namespace list
