// TorrentReader: loads one torrent file, decodes its bencoded content into the flat key
// text, and reads the summary that the description block shows out of it.
//
// The key text holds one entry per bencoded byte string or integer, in file order: a key
// marker "#::" + name + "=" for a string that spells one of sixteen known names (ASCII
// case ignored, spelling kept), otherwise the bytes followed by "\r\n". Lists and
// dictionaries leave no mark of their own. A field is the text after the first marker of
// its key up to the next "#::".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "metadata/datetime.h"

namespace metadata {

struct TorrentSummary {
  std::string servers;            // announce without "|", first 5000 bytes of the list, "\r\n"
  std::string created_by;         // field of "#::created by="
  DateTime creation_time;         // creation date at UTC+8
  std::string encoding;           // field of "#::encoding="
  std::string files_listing;      // one entry per file with its size
  std::string name;               // field of "#::name=", then "\r\n"
  std::string piece_length_text;  // piece length in KB, then " KB\r\n"
  std::string publisher;          // field of "#::publisher="
};

class TorrentReader {
 public:
  // Decoding stops, keeping what it appended, below this many nested lists and
  // dictionaries, so hostile nesting cannot exhaust the stack.
  static constexpr int kMaxDepth = 512;
  static constexpr std::int64_t kPieceSize = 10000;

  // Fills the content with the file's bytes, read in pieces; empty when the file is
  // missing, cannot be opened or is empty.
  void load(std::string_view path);
  // Takes content that is already in memory, in place of load.
  void set_content(std::string content) {
    content_ = std::move(content);
    reset_cursors();
  }

  // Reads a file in pieces of `piece_size` bytes, dispatching pending window messages
  // before each piece when there is more than one piece to read.
  static std::string read_file_in_pieces(std::string_view path, std::int64_t piece_size);

  // Decodes the content into the key text. Returns -1 when there is no content, else a
  // non-negative status.
  int decode();

  // The member decoders walk 1-based positions into the content; each appends to the key
  // text and leaves the position on the last byte it took.
  bool decode_string(std::uint64_t& position);
  static bool is_known_key(std::string_view value);
  bool decode_integer(std::uint64_t& position);
  bool decode_list(std::uint64_t& position);
  bool decode_dictionary(std::uint64_t& position);

  // Reads and formats the fields of the decoded key text. Call once, after decode.
  TorrentSummary summarize();
  // The same summary, always by converting the whole key text first. summarize takes a
  // shorter way where the converter allows it; tests hold the two together.
  TorrentSummary summarize_whole_text();

  // First-match mode (collect_all false): the text after the first `start` up to the first
  // `end` after it (either marker may be empty, see the .cpp). All-matches mode: `pieces`
  // receives, for every `start`, the text up to the next `end`; ASCII case is ignored.
  // Searches step over double-byte characters.
  static std::string extract_between(std::string_view source, std::string_view start,
                                     std::string_view end, bool collect_all,
                                     std::vector<std::string>* pieces);

  static DateTime seconds_to_datetime(std::int64_t seconds);

  const std::string& content() const { return content_; }
  const std::string& key_text() const { return key_text_; }
  // Number of key markers that decoding wrote.
  std::size_t marker_count() const { return marker_count_; }

 private:
  class OutputScope;

  TorrentSummary summarize_converted(bool holds_gbk);
  std::uint64_t walk_members(std::uint64_t position);
  bool scan_string(std::uint64_t& position);
  bool scan_integer(std::uint64_t& position);
  void note_hash_colons(std::uint64_t at, const char* value, std::size_t size);
  void write(const char* bytes, std::size_t size);
  std::size_t key_text_size() const;
  char char_at(std::uint64_t position) const;
  void reset_cursors() {
    next_zero_ = 0;
    next_hash_ = 0;
  }

  std::string content_;
  std::string key_text_;

  // Decoding state.
  std::size_t marker_count_ = 0;
  // Offsets in the key text of every "#::" decoding wrote, byte by byte: the markers and
  // any inside values (valid until summarize converts the key text).
  std::vector<std::size_t> hash_colon_offsets_;
  // Where decoding writes the key text's new bytes before they are appended to it.
  char* out_ = nullptr;
  char* out_begin_ = nullptr;
  // Offsets of the next zero byte and of the next "#" of the content (or its size): values
  // only move forward, so each is looked for once, not inside every value.
  std::uint64_t next_zero_ = 0;
  std::uint64_t next_hash_ = 0;
  int depth_ = 0;
  bool stopped_ = false;
};

// UTF-8 bytes to code page 936 text through the platform's converter.
std::string utf8_to_gbk(std::string_view utf8);

}  // namespace metadata
