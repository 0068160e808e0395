#include <windows.h>

#include <string>

#include "platform/codepage.h"
#include "platform/file.h"

namespace platform {
namespace {

// Other programs may read, write, rename and delete a file while it is open here.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

ReadOnlyFile::~ReadOnlyFile() { close(); }

bool ReadOnlyFile::open(std::string_view cp936_path) {
  close();
  const std::wstring wide = cp936_to_wide(cp936_path);
  HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (::GetFileType(h) != FILE_TYPE_DISK) {
    ::CloseHandle(h);
    return false;
  }
  handle_ = h;
  return true;
}

std::int64_t ReadOnlyFile::length() const {
  LARGE_INTEGER size{};
  if (handle_ == nullptr || !::GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) return 0;
  return size.QuadPart;
}

std::size_t ReadOnlyFile::read(char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (handle_ != nullptr && done < size) {
    const DWORD chunk = static_cast<DWORD>(size - done > 0x40000000 ? 0x40000000 : size - done);
    DWORD got = 0;
    if (!::ReadFile(static_cast<HANDLE>(handle_), buffer + done, chunk, &got, nullptr) || got == 0)
      break;
    done += got;
  }
  return done;
}

void ReadOnlyFile::close() {
  if (handle_ != nullptr) ::CloseHandle(static_cast<HANDLE>(handle_));
  handle_ = nullptr;
}

namespace {

// How often, and how far apart, replacing a file that another program holds is tried.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplacePauseMs = 50;

bool write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(bytes.size() > 0x40000000 ? 0x40000000 : bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A program that opened the target without sharing deletion (a virus scanner or an indexer
// looking at the new file, an editor) makes the replace fail with a sharing or access error.
// Such holds are mostly short, so the replace is tried again for up to half a second. After
// that the save fails and the old file stays as it was: writing into the held file instead
// would give up the one-step replace and could leave a half-written list behind.
bool replace_file(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 1;; ++attempt) {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD error = ::GetLastError();
    const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                      error == ERROR_LOCK_VIOLATION;
    if (!held || attempt == kReplaceAttempts) return false;
    ::Sleep(kReplacePauseMs);
  }
}

}  // namespace

// A stale temporary file left by an interrupted save is removed first and the new one is
// created exclusively, so the bytes never go into a file made by anyone else, and a failure
// removes only what this call created.
bool write_file_replacing(std::string_view cp936_path, std::string_view bytes) {
  const std::wstring target = cp936_to_wide(cp936_path);
  const std::wstring temporary = target + L".tmp";
  ::DeleteFileW(temporary.c_str());
  HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = write_all(file, bytes) && ::FlushFileBuffers(file);
  ok = ::CloseHandle(file) && ok;
  ok = ok && replace_file(temporary, target);
  if (!ok) ::DeleteFileW(temporary.c_str());
  return ok;
}

bool move_file(std::string_view from, std::string_view to) {
  return ::MoveFileExW(cp936_to_wide(from).c_str(), cp936_to_wide(to).c_str(), 0) != 0;
}

bool file_exists(std::string_view cp936_path) {
  return ::GetFileAttributesW(cp936_to_wide(cp936_path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::int64_t file_size(std::string_view cp936_path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(cp936_to_wide(cp936_path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return -1;
  }
  return static_cast<std::int64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

}  // namespace platform
