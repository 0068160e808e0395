#include "metadata/torrent_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "text/cp936.h"

#if defined(__GNUC__) || defined(__clang__)
#define MORVALE_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define MORVALE_ALWAYS_INLINE inline
#endif

namespace metadata {

std::string utf8_to_gbk(std::string_view utf8) { return platform::utf8_to_cp936(utf8); }

DateTime TorrentReader::seconds_to_datetime(std::int64_t seconds) {
  return metadata::seconds_to_datetime(seconds);
}

void TorrentReader::load(std::string_view path) {
  content_ = read_file_in_pieces(path, kPieceSize);
  reset_cursors();
}

std::string TorrentReader::read_file_in_pieces(std::string_view path, std::int64_t piece_size) {
  std::string bytes;
  platform::ReadOnlyFile file;
  if (!file.open(path)) return bytes;
  const std::int64_t length = file.length();
  if (length <= 0) return bytes;
  if (piece_size <= 0) piece_size = kPieceSize;
  // A file too large for memory is one that cannot be read, not a reason to end the program.
  if (static_cast<std::uint64_t>(length) > bytes.max_size()) return bytes;
  try {
    bytes.resize(static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    return std::string();
  }
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
  if (content_[0] == 'd') {
    std::uint64_t position = 2;
    decode_dictionary(position);
  }
  return 0;
}

// Entries are written to a buffer that cannot overflow and then appended to the key text
// in one piece: std::string's own append is compiled out of line, and a decode appends
// several times per entry. No entry writes more than twice the content bytes it takes (the
// worst is a lone ":", an empty string of one byte written as "\r\n"; a known key takes
// at least six bytes for its eight) and the position only moves forward, so twice the
// content always fits. Scopes nest: only the outermost flushes.
class TorrentReader::OutputScope {
 public:
  explicit OutputScope(TorrentReader& reader) : reader_(reader) {
    if (reader_.out_ != nullptr || reader_.stopped_) return;
    const std::size_t size = reader_.content_.size();
    buffer_.reset(new (std::nothrow) char[2 * size + 16]);
    if (!buffer_) {
      // No memory to decode such content: decoding stops before it starts.
      reader_.stopped_ = true;
      return;
    }
    reader_.out_ = reader_.out_begin_ = buffer_.get();
  }
  ~OutputScope() {
    if (!buffer_) return;
    reader_.key_text_.append(reader_.out_begin_,
                             static_cast<std::size_t>(reader_.out_ - reader_.out_begin_));
    reader_.out_ = reader_.out_begin_ = nullptr;
  }
  OutputScope(const OutputScope&) = delete;
  OutputScope& operator=(const OutputScope&) = delete;

  // False when there was no memory for the buffer: nothing may be decoded then.
  bool ready() const { return reader_.out_ != nullptr; }

 private:
  TorrentReader& reader_;
  std::unique_ptr<char[]> buffer_;
};

inline void TorrentReader::write(const char* bytes, std::size_t size) {
  // Most entries are a few bytes long: copy those with fixed-size moves (the buffer always
  // has room), the rest with memcpy.
  if (size <= 16 && size >= 4) {
    if (size >= 8) {
      std::uint64_t head8, tail8;
      std::memcpy(&head8, bytes, 8);
      std::memcpy(&tail8, bytes + size - 8, 8);
      std::memcpy(out_, &head8, 8);
      std::memcpy(out_ + size - 8, &tail8, 8);
    } else {
      std::uint32_t head, tail;
      std::memcpy(&head, bytes, 4);
      std::memcpy(&tail, bytes + size - 4, 4);
      std::memcpy(out_, &head, 4);
      std::memcpy(out_ + size - 4, &tail, 4);
    }
  } else if (size < 4) {
    for (std::size_t i = 0; i < size; ++i) out_[i] = bytes[i];
  } else {
    std::memcpy(out_, bytes, size);
  }
  out_ += size;
}

inline std::size_t TorrentReader::key_text_size() const {
  return key_text_.size() + static_cast<std::size_t>(out_ - out_begin_);
}

namespace {

// The sixteen known names as 64-bit words, compared with a value in two loads: the first
// eight bytes and the last eight (overlapping for names of nine to thirteen bytes; a name
// of four to seven bytes is one word padded with zeros). A letter of a name compares in
// either case: its bit 0x20 is set in the value's word before the comparison; every other
// byte compares exactly.
struct KnownName {
  std::uint64_t head, tail, head_case, tail_case;
  std::size_t size;
};

constexpr std::uint64_t word_of(std::string_view s, std::size_t from, std::size_t count,
                                bool letters_only) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = s[from + i];
    const bool letter = c >= 'a' && c <= 'z';
    const auto byte = static_cast<std::uint64_t>(letters_only ? (letter ? 0x20 : 0)
                                                              : static_cast<unsigned char>(c));
    // Laid out as memcpy lays the bytes out in memory on this machine.
    word |= byte << (std::endian::native == std::endian::little ? 8 * i : 8 * (7 - i));
  }
  return word;
}

constexpr KnownName known_name(std::string_view name) {
  const std::size_t head = name.size() < 8 ? name.size() : 8;
  const std::size_t tail_from = name.size() > 8 ? name.size() - 8 : 0;
  const std::size_t tail = name.size() > 8 ? 8 : 0;
  return {word_of(name, 0, head, false), word_of(name, tail_from, tail, false),
          word_of(name, 0, head, true), word_of(name, tail_from, tail, true), name.size()};
}

// Sorted by length, so that a value is compared only with the names of its own length.
constexpr KnownName kKnownNames[] = {
    known_name("info"),         known_name("path"),         known_name("name"),
    known_name("nodes"),        known_name("files"),        known_name("length"),
    known_name("pieces"),       known_name("comment"),      known_name("announce"),
    known_name("encoding"),     known_name("publisher"),    known_name("created by"),
    known_name("name.utf-8"),   known_name("piece length"), known_name("announce-list"),
    known_name("creation date")};

// kKnownNames[kFirstOfSize[n]] up to kKnownNames[kFirstOfSize[n + 1]] have n bytes.
constexpr std::array<std::uint8_t, 15> kFirstOfSize = [] {
  std::array<std::uint8_t, 15> first{};
  std::size_t i = 0;
  for (std::size_t size = 0; size < first.size(); ++size) {
    while (i < std::size(kKnownNames) && kKnownNames[i].size < size) ++i;
    first[size] = static_cast<std::uint8_t>(i);
  }
  return first;
}();

inline std::uint64_t load_word(const char* bytes, std::size_t count) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, count);
  return word;
}

}  // namespace

bool TorrentReader::is_known_key(std::string_view v) {
  // Every value of the torrent passes here: most are turned away by their length or first
  // letter, the rest take a few word comparisons.
  if (v.size() < 4 || v.size() > 13) return false;
  constexpr std::uint32_t kFirstLetters =
      1u << ('a' - 'a') | 1u << ('c' - 'a') | 1u << ('e' - 'a') | 1u << ('f' - 'a') |
      1u << ('i' - 'a') | 1u << ('l' - 'a') | 1u << ('n' - 'a') | 1u << ('p' - 'a');
  const unsigned letter = static_cast<unsigned char>(v[0] | 0x20) - unsigned{'a'};
  if (letter >= 26 || ((kFirstLetters >> letter) & 1u) == 0) return false;
  const std::size_t head_size = v.size() < 8 ? v.size() : 8;
  const std::uint64_t head = load_word(v.data(), head_size);
  const std::uint64_t tail = v.size() > 8 ? load_word(v.data() + v.size() - 8, 8) : 0;
  for (std::size_t i = kFirstOfSize[v.size()]; i < kFirstOfSize[v.size() + 1]; ++i) {
    const KnownName& name = kKnownNames[i];
    if ((head | name.head_case) == name.head && (tail | name.tail_case) == name.tail) return true;
  }
  return false;
}

// The member decoders' bodies, inlined into the members loop so that the position stays in
// a register while a container is walked.
MORVALE_ALWAYS_INLINE bool TorrentReader::scan_integer(std::uint64_t& position) {
  ++position;
  const std::uint64_t first = position;
  while (is_digit(char_at(position))) ++position;
  if (char_at(position) != 'e') return false;
  write(content_.data() + (first - 1), static_cast<std::size_t>(position - first));
  write("\r\n", 2);
  return true;
}

MORVALE_ALWAYS_INLINE bool TorrentReader::scan_string(std::uint64_t& position) {
  // The declared length saturates instead of wrapping; it is only ever compared with what
  // remains of the content. Locals keep the content's address and size in registers while
  // the key text grows.
  constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max() / 4;
  const char* const data = content_.data();
  const std::uint64_t size = content_.size();
  std::uint64_t at = position - 1;  // 0-based; wraps past the end for position 0
  std::uint64_t length = 0;
  while (at < size && is_digit(data[at])) {
    const auto digit = static_cast<unsigned>(data[at] - '0');
    length = length >= kSaturated / 10 ? kSaturated : length * 10 + digit;
    ++at;
  }
  if (at >= size || data[at] != ':') {
    position = at + 1;
    return false;
  }
  ++at;  // the value's first byte

  const char* value = data + (at < size ? at : size);
  std::size_t value_size = static_cast<std::size_t>(at < size ? std::min(length, size - at) : 0);
  // Values only move forward, so the next zero byte of the content is looked for once and
  // then compared with each value in turn, instead of searching every value.
  if (value_size > 0) {
    if (next_zero_ < at) {
      const void* zero = std::memchr(value, '\0', static_cast<std::size_t>(size - at));
      next_zero_ = zero == nullptr
                       ? size
                       : static_cast<std::uint64_t>(static_cast<const char*>(zero) - data);
    }
    if (next_zero_ < at + value_size) value_size = static_cast<std::size_t>(next_zero_ - at);
  }
  // The position rests on the last byte of the string as declared, even beyond the end.
  position = at + length;

  if (is_known_key(std::string_view(value, value_size))) {
    hash_colon_offsets_.push_back(key_text_size());
    write("#::", 3);
    write(value, value_size);
    write("=", 1);
    ++marker_count_;
  } else {
    if (value_size >= 3 && next_hash_ < at + value_size) note_hash_colons(at, value, value_size);
    write(value, value_size);
    write("\r\n", 2);
  }
  return true;
}

// Records each "#::" inside a value about to be appended at the end of the key text. Only
// a value that holds a "#" is searched.
void TorrentReader::note_hash_colons(std::uint64_t at, const char* value, std::size_t size) {
  if (next_hash_ < at) {
    const void* hash = std::memchr(value, '#', static_cast<std::size_t>(content_.size() - at));
    next_hash_ = hash == nullptr
                     ? content_.size()
                     : static_cast<std::uint64_t>(static_cast<const char*>(hash) - content_.data());
  }
  if (next_hash_ >= at + size) return;
  const std::string_view text(value, size);
  for (std::size_t p = text.find("#::", next_hash_ - at); p != std::string_view::npos;
       p = text.find("#::", p + 1))
    hash_colon_offsets_.push_back(key_text_size() + p);
}

bool TorrentReader::decode_integer(std::uint64_t& position) {
  OutputScope output(*this);
  if (!output.ready()) return false;
  return scan_integer(position);
}

bool TorrentReader::decode_string(std::uint64_t& position) {
  OutputScope output(*this);
  if (!output.ready()) return false;
  return scan_string(position);
}

bool TorrentReader::decode_list(std::uint64_t& position) {
  OutputScope output(*this);
  if (output.ready()) position = walk_members(position);
  return true;
}

bool TorrentReader::decode_dictionary(std::uint64_t& position) {
  OutputScope output(*this);
  if (output.ready()) position = walk_members(position);
  return true;
}

// Lists and dictionaries have the same body: a dictionary does not tell keys from values.
// A member that fails ends the container, which still reports success; its caller goes on
// one byte further. Returns the position where the container stopped (its "e", or where
// the failed member stopped).
std::uint64_t TorrentReader::walk_members(std::uint64_t position) {
  if (stopped_) return position;
  if (++depth_ > kMaxDepth) {
    stopped_ = true;
    --depth_;
    return position;
  }
  char c = char_at(position);
  while (c != 'e' && !stopped_) {
    bool ok;
    if (c == 'i') {
      ok = scan_integer(position);
    } else if (c == 'l' || c == 'd') {
      position = walk_members(position + 1);
      ok = true;
    } else {
      ok = scan_string(position);
    }
    if (!ok) break;
    ++position;
    c = char_at(position);
  }
  --depth_;
  return position;
}

}  // namespace metadata
