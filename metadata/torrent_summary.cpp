// summarize and extract_between: reading the description's fields out of the key text.

#include <string>

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
struct KeyTextView {
  std::string_view text;
  bool convert_pieces = false;

  std::size_t find(std::string_view needle, std::size_t from = 0) const {
    return convert_pieces ? text.find(needle, from) : text::find(text, needle, from);
  }
  std::size_t find_nocase(std::string_view needle, std::size_t from) const {
    return convert_pieces ? text::find_bytes_nocase(text, needle, from)
                          : text::find_nocase(text, needle, from);
  }
  std::size_t after(std::size_t position) const {
    return convert_pieces ? position + 1 : text::next_char(text, position);
  }
  std::string to_text(std::string_view piece) const {
    return convert_pieces ? utf8_to_gbk(piece) : std::string(piece);
  }
};

// First-match mode of extract_between over a view; see TorrentReader::extract_between.
std::string_view first_between(const KeyTextView& view, std::string_view source_start,
                               std::string_view end) {
  const std::string_view source = view.text;
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

// All-matches mode: for every start marker, the text after it up to the first end marker
// at or after the marker's own position (empty when there is none).
void all_between(const KeyTextView& view, std::string_view start, std::string_view end,
                 std::vector<std::string_view>& pieces) {
  pieces.clear();
  if (start.empty()) return;
  const std::string_view source = view.text;
  for (std::size_t at = view.find_nocase(start, 0); at != text::npos;
       at = view.find_nocase(start, view.after(at))) {
    const std::size_t from = at + start.size();
    const std::size_t stop = view.find_nocase(end, at);
    pieces.push_back(stop == text::npos || stop < from ? std::string_view{}
                                                        : source.substr(from, stop - from));
  }
}

// The field of a known key: after its first marker, up to the next "#::".
std::string_view field(const KeyTextView& view, std::string_view marker) {
  return first_between(view, marker, kMarkerStart);
}

void append_size_label(std::string& out) { out += text::cp936(text::Text::kSizeLabel); }

std::string files_listing(const KeyTextView& view) {
  std::string listing;
  if (view.find("#::files") == text::npos) {
    // One file: its size always in MB, however small, and no empty line after it.
    const std::int64_t size = text::parse_int64(first_between(view, "#::length=", "#::name="));
    listing = view.to_text(first_between(view, "#::name=", "\r\n"));
    append_size_label(listing);
    text::append_size_number(listing,
                             text::round_to_decimals(static_cast<double>(size) / 1048576.0, 1));
    listing += " MB\r\n";
    return listing;
  }

  // Several files: the section runs from the first length to the info dictionary's name
  // (or any earlier marker that begins with "#::name").
  std::string section_bytes = "#::length=";
  section_bytes += first_between(view, "#::length=", "#::name");
  const KeyTextView section{section_bytes, view.convert_pieces};
  std::vector<std::string_view> lengths;
  std::vector<std::string_view> paths;
  all_between(section, "#::length=", "\r\n", lengths);
  all_between(section, "#::path=", "\r\n", paths);
  if (lengths.empty() || paths.empty()) return section.to_text(section_bytes);

  listing.reserve(paths.size() * 40);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    // A malformed listing may name more paths than lengths: those files count as empty.
    const std::int64_t length = i < lengths.size() ? text::parse_int64(lengths[i]) : 0;
    const auto kb =
        static_cast<float>(text::round_to_decimals(static_cast<double>(length) / 1024.0, 1));
    if (view.convert_pieces) {
      listing += utf8_to_gbk(paths[i]);
    } else {
      listing += paths[i];
    }
    append_size_label(listing);
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
  const KeyTextView view{source};
  if (!collect_all) return std::string(first_between(view, start, end));
  std::vector<std::string_view> found;
  all_between(view, start, end, found);
  if (pieces != nullptr) pieces->assign(found.begin(), found.end());
  return {};
}

TorrentSummary TorrentReader::summarize() {
  // A key text that holds "GBK" anywhere is taken as code page 936 already; any other is
  // UTF-8 and is converted.
  if (text::contains(key_text_, "GBK")) return summarize_view(KeyTextView{key_text_});
  if (platform::utf8_to_cp936_is_piecewise(key_text_))
    return summarize_view(KeyTextView{key_text_, true});
  return summarize_whole_text();
}

TorrentSummary TorrentReader::summarize_whole_text() {
  if (!text::contains(key_text_, "GBK")) key_text_ = utf8_to_gbk(key_text_);
  return summarize_view(KeyTextView{key_text_});
}

}  // namespace metadata
