#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

namespace {

// A file descriptor, closed when it goes out of scope.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes a rename in the directory of `native_path` durable. A failure is not reported: the
// rename has already happened and the file holds the new bytes.
void sync_directory_of(const std::string& native_path) {
  const std::size_t slash = native_path.rfind('/');
  const std::string directory =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : native_path.substr(0, slash));
  const Descriptor dir{::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) ::fsync(dir.fd);
}

}  // namespace

// A stale temporary file left by an interrupted save is removed first and the new one is
// created exclusively, so the bytes never go into a file made by anyone else, and a failure
// removes only what this call created. rename() replaces the target in one step, even while
// other programs hold it open.
bool write_file_replacing(std::string_view cp936_path, std::string_view bytes) {
  const std::string target = cp936_to_utf8(cp936_path);
  const std::string temporary = target + ".tmp";
  ::unlink(temporary.c_str());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  sync_directory_of(target);
  return true;
}

bool move_file(std::string_view from, std::string_view to) {
  const std::string source = cp936_to_utf8(from);
  const std::string destination = cp936_to_utf8(to);
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  // File systems without the no-replace rename say EINVAL; they get the check below.
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  struct stat info {};
  if (::lstat(destination.c_str(), &info) == 0) return false;
  return ::rename(source.c_str(), destination.c_str()) == 0;
}

bool file_exists(std::string_view cp936_path) {
  struct stat info {};
  return ::lstat(cp936_to_utf8(cp936_path).c_str(), &info) == 0;
}

std::int64_t file_size(std::string_view cp936_path) {
  struct stat info {};
  if (::stat(cp936_to_utf8(cp936_path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return static_cast<std::int64_t>(info.st_size);
}

}  // namespace platform
