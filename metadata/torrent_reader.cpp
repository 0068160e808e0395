#include "metadata/torrent_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "text/cp936.h"

namespace metadata {

std::string utf8_to_gbk(std::string_view utf8) { return platform::utf8_to_cp936(utf8); }

DateTime TorrentReader::seconds_to_datetime(std::int64_t seconds) {
  return metadata::seconds_to_datetime(seconds);
}

void TorrentReader::load(std::string_view path) {
  content_ = read_file_in_pieces(path, kPieceSize);
}

std::string TorrentReader::read_file_in_pieces(std::string_view path, std::int64_t piece_size) {
  std::string bytes;
  platform::ReadOnlyFile file;
  if (!file.open(path)) return bytes;
  const std::int64_t length = file.length();
  if (length <= 0) return bytes;
  if (piece_size <= 0) piece_size = kPieceSize;
  if (static_cast<std::uint64_t>(length) > bytes.max_size()) return bytes;
  bytes.resize(static_cast<std::size_t>(length));
  std::size_t filled = 0;
  if (length <= piece_size) {
    filled = file.read(bytes.data(), bytes.size());
  } else {
    // One round more than whole pieces: when the length is a multiple of the piece size
    // the last round reads nothing, but it still dispatches.
    const std::int64_t rounds = length / piece_size + 1;
    for (std::int64_t round = 0; round < rounds; ++round) {
      platform::dispatch_pending_messages();
      const auto want = static_cast<std::size_t>(
          std::min<std::int64_t>(piece_size, length - static_cast<std::int64_t>(filled)));
      if (want == 0) continue;
      const std::size_t got = file.read(bytes.data() + filled, want);
      filled += got;
      if (got < want) {
        // The file shrank while it was read: keep what is there, still dispatching.
        for (++round; round < rounds; ++round) platform::dispatch_pending_messages();
        break;
      }
    }
  }
  bytes.resize(filled);
  return bytes;
}

namespace {
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

char TorrentReader::char_at(std::uint64_t position) const {
  // A position beyond the content reads as the empty character, and so does a zero byte.
  if (position == 0 || position > content_.size()) return '\0';
  return content_[static_cast<std::size_t>(position - 1)];
}

int TorrentReader::decode() {
  if (content_.empty()) return -1;
  platform::dispatch_pending_messages();
  key_text_.reserve(key_text_.size() + content_.size() + content_.size() / 8 + 64);
  if (content_[0] == 'd') {
    std::uint64_t position = 2;
    decode_dictionary(position);
  }
  return 0;
}

bool TorrentReader::is_known_key(std::string_view value) {
  // Every value of the torrent passes here, so it is compared only with the names of its
  // own length.
  if (value.size() < 4 || value.size() > 13) return false;
  switch (value[0] | 0x20) {  // the first letters of the names, in lower case
    case 'a': case 'c': case 'e': case 'f': case 'i': case 'l': case 'n': case 'p': break;
    default: return false;
  }
  char lowered[13];
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    lowered[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  const std::string_view v(lowered, value.size());
  switch (value.size()) {
    case 4: return v == "info" || v == "path" || v == "name";
    case 5: return v == "nodes" || v == "files";
    case 6: return v == "length" || v == "pieces";
    case 7: return v == "comment";
    case 8: return v == "announce" || v == "encoding";
    case 9: return v == "publisher";
    case 10: return v == "created by" || v == "name.utf-8";
    case 12: return v == "piece length";
    case 13: return v == "announce-list" || v == "creation date";
    default: return false;
  }
}

bool TorrentReader::decode_integer(std::uint64_t& position) {
  ++position;
  const std::uint64_t first = position;
  while (is_digit(char_at(position))) ++position;
  if (char_at(position) != 'e') return false;
  key_text_.append(content_.data() + (first - 1), static_cast<std::size_t>(position - first));
  key_text_.append("\r\n", 2);
  return true;
}

bool TorrentReader::decode_string(std::uint64_t& position) {
  // The declared length saturates instead of wrapping; it is only ever compared with what
  // remains of the content.
  constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max() / 4;
  const std::uint64_t size = content_.size();
  std::uint64_t length = 0;
  while (position >= 1 && position <= size && is_digit(content_[position - 1])) {
    const auto digit = static_cast<unsigned>(content_[position - 1] - '0');
    length = length >= kSaturated / 10 ? kSaturated : length * 10 + digit;
    ++position;
  }
  if (char_at(position) != ':') return false;
  ++position;

  const std::uint64_t available = position <= size ? size - position + 1 : 0;
  const char* value = available > 0 ? content_.data() + (position - 1) : content_.data();
  std::size_t value_size = static_cast<std::size_t>(std::min(length, available));
  if (const void* zero = std::memchr(value, '\0', value_size))
    value_size = static_cast<std::size_t>(static_cast<const char*>(zero) - value);
  // The position rests on the last byte of the string as declared, even beyond the end.
  position = position + length - 1;

  if (is_known_key(std::string_view(value, value_size))) {
    key_text_.append("#::", 3);
    key_text_.append(value, value_size);
    key_text_.push_back('=');
    ++marker_count_;
  } else {
    key_text_.append(value, value_size);
    key_text_.append("\r\n", 2);
  }
  return true;
}

bool TorrentReader::decode_list(std::uint64_t& position) { return decode_members(position); }

bool TorrentReader::decode_dictionary(std::uint64_t& position) { return decode_members(position); }

// Lists and dictionaries have the same body: a dictionary does not tell keys from values.
// A member that fails ends the container, which still reports success; its caller goes on
// one byte further.
bool TorrentReader::decode_members(std::uint64_t& position) {
  if (stopped_) return true;
  if (++depth_ > kMaxDepth) {
    stopped_ = true;
    --depth_;
    return true;
  }
  char c = char_at(position);
  while (c != 'e' && !stopped_) {
    bool ok;
    if (c == 'i') {
      ok = decode_integer(position);
    } else if (c == 'l') {
      ++position;
      ok = decode_list(position);
    } else if (c == 'd') {
      ++position;
      ok = decode_dictionary(position);
    } else {
      ok = decode_string(position);
    }
    if (!ok) break;
    ++position;
    c = char_at(position);
  }
  --depth_;
  return true;
}

}  // namespace metadata
