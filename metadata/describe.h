// describe_torrent: the readable description block of one torrent file.
#pragma once

#include <string>
#include <string_view>

namespace metadata {

enum class DescribeStatus {
  kDescribed,   // a block built from the torrent's fields
  kUnreadable,  // missing, unopenable or empty: the missing-file message
  kNotTorrent,  // read, but holds no torrent: the invalid-torrent message
};

struct Description {
  std::string text;
  DescribeStatus status = DescribeStatus::kDescribed;
};

// Mode 1 gives the full block (section headers and servers); any other mode the short
// block. Every call reads and decodes the file afresh.
Description describe_torrent_with_status(std::string_view path, int mode);

// The same for content already in memory (as a file's bytes would be read).
Description describe_content(std::string content, int mode);

inline std::string describe_torrent(std::string_view path, int mode) {
  return describe_torrent_with_status(path, mode).text;
}

}  // namespace metadata
