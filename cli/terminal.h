// What morvalebt-cli reads from and writes to the terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Buffered standard output. Raw bytes go out exactly as given; texts are code page 936
// and are converted for the terminal: UTF-8 with LF line ends on POSIX, the console's own
// encoding on Windows.
class Output {
 public:
  Output();
  ~Output();
  void raw(std::string_view bytes);
  void text(std::string_view cp936);
  void flush();

 private:
  std::string buffer_;
};

void error_text(std::string_view utf8);

// A path or word given on the command line, in code page 936 (arguments arrive in the
// system's encoding).
std::string argument_to_cp936(std::string_view native);

}  // namespace cli
