#include "platform/file.h"

namespace platform {

// The length is taken when the file is opened; a read that comes back short (an error,
// or the file cut meanwhile) gives nothing rather than part of the file.
std::optional<std::string> read_whole_file(std::string_view cp936_path) {
  ReadOnlyFile file;
  if (!file.open(cp936_path)) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(file.length()), '\0');
  if (file.read(bytes.data(), bytes.size()) != bytes.size()) return std::nullopt;
  return bytes;
}

}  // namespace platform
