// Files named by code page 936 paths: reading, whole-file saves and renames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A regular file opened for reading only, shared with other processes for reading and
// writing (and, on Windows, deleting and renaming). Directories, devices and pipes do not open: they have nothing to read and a
// read from some of them would block.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool open(std::string_view cp936_path);
  // Length in bytes at the time of the call; 0 when not open.
  std::int64_t length() const;
  // Reads up to `size` bytes at the current position; returns how many were read.
  std::size_t read(char* buffer, std::size_t size);
  void close();

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
  std::int64_t length_ = 0;  // taken when the file is opened
#endif
};

// Whole-file calls. Files are opened in binary mode and shared with other processes for
// reading and writing (and, on Windows, deleting and renaming).

// The whole content of a regular file; nothing when it is missing, cannot be opened or a
// read fails.
std::optional<std::string> read_whole_file(std::string_view cp936_path);

// Writes `bytes` to "<path>.tmp" beside the file, flushes it to the disk and puts it in the
// file's place in one step. On failure the temporary file is removed, an existing file is
// left as it was, and the result is false.
bool write_file_replacing(std::string_view cp936_path, std::string_view bytes);

// Renames a file; fails when something already has the name `to`.
bool move_file(std::string_view from, std::string_view to);

// True when a file or a directory has this name.
bool file_exists(std::string_view cp936_path);

// Size in bytes of a regular file; -1 when it cannot be read.
std::int64_t file_size(std::string_view cp936_path);

}  // namespace platform
