// summarize and extract_between: reading the description's fields out of the key text.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "metadata/torrent_reader.h"
#include "platform/codepage.h"
#include "text/cp936.h"
#include "text/number_format.h"
#include "text/program_texts.h"

namespace metadata {
namespace {

constexpr std::string_view kMarkerStart = "#::";
constexpr std::size_t kAnnounceListLimit = 5000;

// How the key text is searched and how its pieces become code page 936 text.
//
// The key text is searched as code page 936, stepping over double-byte characters. A UTF-8
// key text is converted first, but a whole text can be large (the hash bytes of "pieces"
// alone are tens of kilobytes) while the fields shown are small. Where the converter works
// character by character around single-byte characters, a marker (all single-byte) sits at
// the same characters in the UTF-8 text as in its conversion, so the UTF-8 text is
// searched byte by byte and only the fields kept are converted.
//
// Nearly every search is for a marker, and a marker that is missing would send each search
// through the whole text, hash bytes included. So the text is walked once for every "#::"
// that starts a character, and marker searches look only at those places.
class KeyTextView {
 public:
  // `hash_colons`, when given, lists every "#::" of a UTF-8 text (the decoder noted them as
  // it wrote the text), so the text need not be walked for them.
  KeyTextView(std::string_view text, bool convert_pieces = false,
              const std::vector<std::size_t>* hash_colons = nullptr)
      : text_(text), convert_pieces_(convert_pieces) {
    if (convert_pieces && hash_colons != nullptr) {
      markers_ = hash_colons->data();
      markers_end_ = markers_ + hash_colons->size();
    } else {
      find_marker_starts();
      markers_ = own_marker_starts_.data();
      markers_end_ = markers_ + own_marker_starts_.size();
    }
    build_chains();
  }

  KeyTextView(const KeyTextView&) = delete;
  KeyTextView& operator=(const KeyTextView&) = delete;

  // Its markers are those of the whole that lie wholly inside it, shared, not copied.
  KeyTextView(const KeyTextView& whole, std::size_t begin, std::size_t end)
      : text_(whole.text_.substr(begin, end - begin)),
        convert_pieces_(whole.convert_pieces_),
        base_(whole.base_ + begin) {
    markers_ = std::lower_bound(whole.markers_, whole.markers_end_, base_);
    const std::size_t limit = text_.size() >= 3 ? base_ + text_.size() - 2 : base_;
    markers_end_ = std::lower_bound(markers_, whole.markers_end_, limit);
  }

  std::string_view text() const { return text_; }
  bool convert_pieces() const { return convert_pieces_; }
  // Calls `visit` with the offset of every "#::" that starts a character, in order.
  template <class Visit>
  void for_each_marker(Visit visit) const {
    for (const std::size_t* it = markers_; it != markers_end_; ++it) visit(*it - base_);
  }

  // The first "\r\n" at or after `from` (a character start).
  std::size_t find_line_end(std::size_t from) const {
    if (!convert_pieces_) return text::find(text_, "\r\n", from);
    const char* data = text_.data();
    // A line end is usually a few bytes away: look there before calling memchr.
    for (const std::size_t near_end = std::min(text_.size(), from + 24); from < near_end; ++from) {
      if (data[from] == '\r' && from + 1 < text_.size() && data[from + 1] == '\n') return from;
    }
    while (from < text_.size()) {
      const void* cr = std::memchr(data + from, '\r', text_.size() - from);
      if (cr == nullptr) return text::npos;
      from = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
      if (from + 1 < text_.size() && data[from + 1] == '\n') return from;
      ++from;
    }
    return text::npos;
  }

  // First match of `needle` at or after `from`, at the start of a character. `from` must
  // start a character.
  std::size_t find(std::string_view needle, std::size_t from = 0) const {
    if (!starts_with_marker(needle)) return find_plain(needle, from);
    // The byte after "#::" tells most markers apart before a whole comparison.
    const char key_start = needle.size() > kMarkerStart.size() ? needle[kMarkerStart.size()] : 0;
    if (key_start != 0 && has_chains_) {
      for (std::uint32_t i = first_with_byte_[static_cast<unsigned char>(key_start)];
           i != kNoMarker; i = next_with_byte_[i]) {
        const std::size_t at = markers_[i];
        if (at >= from && text_.compare(at, needle.size(), needle) == 0) return at;
      }
      return text::npos;
    }
    for (const std::size_t* it = first_marker_at(from); it != markers_end_; ++it) {
      const std::size_t at = *it - base_;
      if (key_start != 0 && (at + kMarkerStart.size() >= text_.size() ||
                             text_[at + kMarkerStart.size()] != key_start))
        continue;
      if (text_.compare(at, needle.size(), needle) == 0) return at;
    }
    return text::npos;
  }

  // The same, with ASCII letters compared without regard to case; `needle` is in lower case.
  std::size_t find_nocase(std::string_view needle, std::size_t from) const {
    if (!starts_with_marker(needle)) {
      return convert_pieces_ ? text::find_bytes_nocase(text_, needle, from)
                             : text::find_nocase(text_, needle, from);
    }
    for (const std::size_t* it = first_marker_at(from); it != markers_end_; ++it) {
      const std::size_t at = *it - base_;
      if (at + needle.size() <= text_.size() &&
          text::equals_nocase(text_.substr(at, needle.size()), needle))
        return at;
    }
    return text::npos;
  }

  // The start of the character after the one at `position`.
  std::size_t after(std::size_t position) const {
    return convert_pieces_ ? position + 1 : text::next_char(text_, position);
  }

  std::string to_text(std::string_view piece) const {
    return convert_pieces_ ? utf8_to_gbk(piece) : std::string(piece);
  }
  void append_text(std::string& out, std::string_view piece) const {
    // Single-byte characters are the same in both encodings and join no mark among
    // themselves, so a piece made only of them is taken as it is.
    const bool single_bytes_only = std::all_of(
        piece.begin(), piece.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (convert_pieces_ && !single_bytes_only) {
      platform::append_utf8_to_cp936(out, piece);
    } else {
      out += piece;
    }
  }

 private:
  // Every "#::" is found with memchr; where the text is code page 936, one that sits on
  // the second byte of a character is dropped.
  void find_marker_starts() {
    const char* data = text_.data();
    const std::size_t size = text_.size();
    std::size_t char_start = 0;  // a known character start, moved forward as the scan goes
    for (std::size_t at = 0; at + 3 <= size;) {
      const void* hit = std::memchr(data + at, '#', size - at - 2);
      if (hit == nullptr) break;
      at = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
      if (data[at + 1] == ':' && data[at + 2] == ':') {
        if (convert_pieces_ || text::starts_char(text_, char_start, at))
          own_marker_starts_.push_back(at);
      }
      ++at;
    }
  }

  // Chains of the markers that share the byte after "#::", so that a search for a key
  // that is missing or late passes over only the markers that could be it.
  void build_chains() {
    const auto count = static_cast<std::size_t>(markers_end_ - markers_);
    first_with_byte_.fill(kNoMarker);
    next_with_byte_.assign(count, kNoMarker);
    for (std::size_t i = count; i-- > 0;) {
      const std::size_t after_start = markers_[i] + kMarkerStart.size();
      if (after_start >= text_.size()) continue;
      const auto byte = static_cast<unsigned char>(text_[after_start]);
      next_with_byte_[i] = first_with_byte_[byte];
      first_with_byte_[byte] = static_cast<std::uint32_t>(i);
    }
    has_chains_ = count < kNoMarker;
  }

  static bool starts_with_marker(std::string_view needle) {
    return needle.substr(0, kMarkerStart.size()) == kMarkerStart;
  }
  const std::size_t* first_marker_at(std::size_t from) const {
    return std::lower_bound(markers_, markers_end_, base_ + from);
  }
  std::size_t find_plain(std::string_view needle, std::size_t from) const {
    return convert_pieces_ ? text::find_bytes(text_, needle, from)
                           : text::find(text_, needle, from);
  }

  std::string_view text_;
  bool convert_pieces_;
  // Offsets of every "#::" that starts a character, counted from the start of the whole
  // text this view is part of (base_ is where this view begins in it).
  std::vector<std::size_t> own_marker_starts_;
  const std::size_t* markers_ = nullptr;
  const std::size_t* markers_end_ = nullptr;
  std::size_t base_ = 0;
  // For the whole text only (a part searches its markers in order).
  static constexpr std::uint32_t kNoMarker = 0xFFFFFFFF;
  bool has_chains_ = false;
  std::array<std::uint32_t, 256> first_with_byte_{};
  std::vector<std::uint32_t> next_with_byte_;
};

// First-match mode of extract_between over a view; see TorrentReader::extract_between.
std::string_view first_between(const KeyTextView& view, std::string_view source_start,
                               std::string_view end) {
  const std::string_view source = view.text();
  if (source_start.empty()) {
    if (end.empty()) return {};
    const std::size_t stop = view.find(end);
    return stop == text::npos ? std::string_view{} : source.substr(0, stop);
  }
  const std::size_t start = view.find(source_start);
  if (start == text::npos) return {};
  const std::size_t from = start + source_start.size();
  if (end.empty()) return source.substr(from);
  const std::size_t stop = view.find(end, from);
  return stop == text::npos ? std::string_view{} : source.substr(from, stop - from);
}

std::string lower_ascii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return out;
}

// All-matches mode: for every start marker, the text after it up to the first end marker
// at or after the marker's own position (empty when there is none).
void all_between(const KeyTextView& view, std::string_view start_marker,
                 std::string_view end_marker, std::vector<std::string_view>& pieces) {
  pieces.clear();
  if (start_marker.empty()) return;
  const std::string start = lower_ascii(start_marker);
  const std::string end = lower_ascii(end_marker);
  const std::string_view source = view.text();
  auto add_piece = [&](std::size_t at) {
    const std::size_t from = at + start.size();
    const std::size_t stop = view.find_nocase(end, at);
    pieces.push_back(stop == text::npos || stop < from ? std::string_view{}
                                                       : source.substr(from, stop - from));
  };
  if (start.compare(0, kMarkerStart.size(), kMarkerStart) == 0) {
    // A start marker is one of the places where "#::" starts a character: walk them in order.
    view.for_each_marker([&](std::size_t at) {
      if (at + start.size() <= source.size() &&
          text::equals_nocase(source.substr(at, start.size()), start))
        add_piece(at);
    });
    return;
  }
  for (std::size_t at = view.find_nocase(start, 0); at != text::npos;
       at = view.find_nocase(start, view.after(at)))
    add_piece(at);
}

// The all-matches pieces of "#::length=" and of "#::path=" (each up to "\r\n"), exactly as
// two all_between calls give them, taken in one walk over the section's markers.
struct LengthMarker {
  static constexpr std::string_view value = "#::length=";
};
struct PathMarker {
  static constexpr std::string_view value = "#::path=";
};

void lengths_and_paths(const KeyTextView& section, std::vector<std::string_view>& lengths,
                       std::vector<std::string_view>& paths) {
  constexpr std::string_view kLength = LengthMarker::value;
  constexpr std::string_view kPath = PathMarker::value;
  const std::string_view source = section.text();
  // Keys are nearly always written in lower case: an exact comparison (of a size known
  // here, so done inline) settles most.
  const auto starts_with_nocase = [&](std::size_t at, auto marker) {
    constexpr std::size_t size = decltype(marker)::value.size();
    if (at + size > source.size()) return false;
    const char* candidate = source.data() + at;
    return std::memcmp(candidate, decltype(marker)::value.data(), size) == 0 ||
           text::equals_nocase(std::string_view(candidate, size), decltype(marker)::value);
  };
  const auto piece = [&](std::size_t at, std::size_t marker_size) {
    const std::size_t from = at + marker_size;
    const std::size_t stop = section.find_line_end(at);
    return stop == text::npos || stop < from ? std::string_view{}
                                             : source.substr(from, stop - from);
  };
  section.for_each_marker([&](std::size_t at) {
    if (at + 3 >= source.size()) return;
    const char key_start = static_cast<char>(source[at + 3] | 0x20);  // ASCII lower case
    if (key_start == 'l' && starts_with_nocase(at, LengthMarker{})) {
      lengths.push_back(piece(at, kLength.size()));
    } else if (key_start == 'p' && starts_with_nocase(at, PathMarker{})) {
      paths.push_back(piece(at, kPath.size()));
    }
  });
}

// The field of a known key: after its first marker, up to the next "#::".
std::string_view field(const KeyTextView& view, std::string_view marker) {
  return first_between(view, marker, kMarkerStart);
}

std::string files_listing(const KeyTextView& view) {
  std::string listing;
  if (view.find("#::files") == text::npos) {
    // One file: its size always in MB, however small, and no empty line after it.
    const std::int64_t size = text::parse_int64(first_between(view, "#::length=", "#::name="));
    listing = view.to_text(first_between(view, "#::name=", "\r\n"));
    listing += text::cp936(text::Text::kSizeLabel);
    text::append_size_number(listing,
                             text::round_to_decimals(static_cast<double>(size) / 1048576.0, 1));
    listing += " MB\r\n";
    return listing;
  }

  // Several files: the section runs from the first length to the info dictionary's name
  // (or any earlier marker that begins with "#::name"). It is read as a text of its own, so
  // no search runs past its end.
  const std::size_t section_begin = view.find("#::length=");
  const std::size_t section_end =
      section_begin == text::npos ? text::npos : view.find("#::name", section_begin + 10);
  if (section_end == text::npos) return "#::length=";
  const KeyTextView section(view, section_begin, section_end);
  std::vector<std::string_view> lengths;
  std::vector<std::string_view> paths;
  lengths_and_paths(section, lengths, paths);
  if (lengths.empty() || paths.empty()) return section.to_text(section.text());

  const std::string& size_label = text::cp936(text::Text::kSizeLabel);
  listing.reserve(paths.size() * 40);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    // A malformed listing may name more paths than lengths: those files count as empty.
    const std::int64_t length = i < lengths.size() ? text::parse_int64(lengths[i]) : 0;
    view.append_text(listing, paths[i]);
    // Below 1024 KB the single-precision value of n tenths is written "%.6g" as n / 10
    // exactly, so the common case needs only the count of tenths, not the division. The
    // entry's tail is put together here and appended in one piece.
    if (length >= 0 && length < (std::int64_t{1} << 52)) {
      char tail[64];
      char* end = std::copy(size_label.begin(), size_label.end(), tail);
      const std::int64_t tenths = text::round_to_tenths(static_cast<double>(length) / 1024.0);
      std::string_view unit = " KB\r\n\r\n";
      if (tenths < 10240) {
        end = text::write_tenths(end, tenths);
      } else {
        // The same for megabytes: the size in KB held in single precision, divided by 1024
        // and rounded again, is written as its count of tenths.
        const auto kb = static_cast<float>(static_cast<double>(tenths) / 10.0);
        end = text::write_tenths(end, text::round_to_tenths(static_cast<double>(kb) / 1024.0));
        unit = " MB\r\n\r\n";
      }
      end = std::copy(unit.begin(), unit.end(), end);
      listing.append(tail, static_cast<std::size_t>(end - tail));
      continue;
    }
    listing += size_label;
    const auto kb =
        static_cast<float>(text::round_to_decimals(static_cast<double>(length) / 1024.0, 1));
    if (kb >= 1024.0f) {
      text::append_size_number(listing,
                               text::round_to_decimals(static_cast<double>(kb) / 1024.0, 1));
      listing += " MB";
    } else {
      text::append_g6(listing, kb);
      listing += " KB";
    }
    listing += "\r\n\r\n";
  }
  return listing;
}

TorrentSummary summarize_view(const KeyTextView& view) {
  TorrentSummary summary;

  summary.servers = view.to_text(field(view, "#::announce="));
  if (text::find(summary.servers, "|") != text::npos)
    summary.servers = text::remove_all(summary.servers, '|');
  std::string announce_list = view.to_text(field(view, "#::announce-list="));
  if (announce_list.size() > kAnnounceListLimit) announce_list.resize(kAnnounceListLimit);
  summary.servers += announce_list;
  summary.servers += "\r\n";

  summary.created_by = view.to_text(field(view, "#::created by="));
  summary.creation_time =
      TorrentReader::seconds_to_datetime(text::parse_int64(field(view, "#::creation date=")));
  summary.encoding = view.to_text(field(view, "#::encoding="));
  summary.files_listing = files_listing(view);
  summary.name = view.to_text(field(view, "#::name="));
  summary.name += "\r\n";

  const std::int64_t piece_length = text::parse_int64(field(view, "#::piece length="));
  text::append_size_number(summary.piece_length_text,
                           text::round_to_decimals(static_cast<double>(piece_length) / 1024.0, 1));
  summary.piece_length_text += " KB\r\n";

  summary.publisher = view.to_text(field(view, "#::publisher="));
  return summary;
}

}  // namespace

std::string TorrentReader::extract_between(std::string_view source, std::string_view start,
                                           std::string_view end, bool collect_all,
                                           std::vector<std::string>* pieces) {
  const KeyTextView view(source);
  if (!collect_all) return std::string(first_between(view, start, end));
  std::vector<std::string_view> found;
  all_between(view, start, end, found);
  if (pieces != nullptr) pieces->assign(found.begin(), found.end());
  return {};
}

TorrentSummary TorrentReader::summarize() {
  // A key text that holds "GBK" anywhere is taken as code page 936 already; any other is
  // UTF-8 and is converted.
  const bool holds_gbk = text::contains(key_text_, "GBK");
  if (!holds_gbk && platform::utf8_to_cp936_is_piecewise(key_text_))
    return summarize_view(KeyTextView(key_text_, true, &hash_colon_offsets_));
  return summarize_converted(holds_gbk);
}

TorrentSummary TorrentReader::summarize_whole_text() {
  return summarize_converted(text::contains(key_text_, "GBK"));
}

TorrentSummary TorrentReader::summarize_converted(bool holds_gbk) {
  if (!holds_gbk) key_text_ = utf8_to_gbk(key_text_);
  return summarize_view(KeyTextView(key_text_));
}

}  // namespace metadata
