#include "cli/terminal.h"

#include <cstdio>

#include "platform/codepage.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace cli {

namespace {
constexpr std::size_t kFlushAt = 1 << 20;
}

Output::Output() {
#ifdef _WIN32
  // Line ends are written as the texts hold them; no CR is to be added.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  buffer_.reserve(kFlushAt + 4096);
}

Output::~Output() { flush(); }

void Output::raw(std::string_view bytes) {
  buffer_ += bytes;
  if (buffer_.size() >= kFlushAt) flush();
}

#ifdef _WIN32
void Output::text(std::string_view cp936) {
  flush();
  const std::wstring wide = platform::cp936_to_wide(cp936);
  HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (::GetConsoleMode(out, &mode)) {
    DWORD written = 0;
    ::WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  UINT code_page = ::GetConsoleOutputCP();
  if (code_page == 0) code_page = ::GetACP();
  raw(platform::wide_to_code_page(wide, code_page));
}
#else
void Output::text(std::string_view cp936) {
  const std::string utf8 = platform::cp936_to_utf8(cp936);
  std::string lf;
  lf.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    lf.push_back(utf8[i]);
  }
  raw(lf);
}
#endif

void Output::flush() {
  if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
  buffer_.clear();
  std::fflush(stdout);
}

void error_text(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stderr); }

std::string argument_to_cp936(std::string_view native) {
#ifdef _WIN32
  return std::string(native);  // wmain already converted it
#else
  return platform::utf8_to_cp936(native);
#endif
}

}  // namespace cli
