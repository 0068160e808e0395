// Reading files, named by code page 936 paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// A regular file opened for reading only, shared with other processes for reading and
// writing. Directories, devices and pipes do not open: they have nothing to read and a
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

}  // namespace platform
