#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/codepage.h"
#include "platform/file.h"

namespace platform {

ReadOnlyFile::~ReadOnlyFile() { close(); }

// Paths are code page 936 texts inside the program; the file system speaks UTF-8.
bool ReadOnlyFile::open(std::string_view cp936_path) {
  close();
  const std::string native = cp936_to_utf8(cp936_path);
  // O_NONBLOCK so that opening a FIFO cannot wait for a writer; only regular files stay open.
  fd_ = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    close();
    return false;
  }
  length_ = static_cast<std::int64_t>(info.st_size);
  return true;
}

std::int64_t ReadOnlyFile::length() const { return fd_ >= 0 ? length_ : 0; }

std::size_t ReadOnlyFile::read(char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < size) {
    const ssize_t n = ::read(fd_, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

void ReadOnlyFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace platform
