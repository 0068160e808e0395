#include <windows.h>

#include <string>

#include "platform/codepage.h"
#include "platform/file.h"

namespace platform {

ReadOnlyFile::~ReadOnlyFile() { close(); }

bool ReadOnlyFile::open(std::string_view cp936_path) {
  close();
  const std::wstring wide = cp936_to_wide(cp936_path);
  HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

}  // namespace platform
