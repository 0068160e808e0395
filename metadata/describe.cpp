#include "metadata/describe.h"

#include <utility>

#include "metadata/torrent_reader.h"
#include "text/program_texts.h"

namespace metadata {

namespace {

Description describe_loaded(TorrentReader& reader, int mode) {
  using text::cp936;
  using text::Text;

  Description result;
  if (reader.decode() == -1) {
    result.text = cp936(Text::kMissingFile);
    result.status = DescribeStatus::kUnreadable;
    return result;
  }
  // Content that does not open a dictionary, or from which decoding took no known key at
  // all, is no torrent: a block of empty fields would only mislead.
  if (reader.content()[0] != 'd' || reader.marker_count() == 0) {
    result.text = cp936(Text::kInvalidTorrent);
    result.status = DescribeStatus::kNotTorrent;
    return result;
  }

  const TorrentSummary summary = reader.summarize();
  const std::string time_text = datetime_to_text(summary.creation_time);
  const std::string& publisher =
      summary.publisher.empty() ? cp936(Text::kAnonymous) : summary.publisher;
  std::string& block = result.text;
  block.reserve(summary.name.size() + summary.files_listing.size() + summary.servers.size() +
                summary.created_by.size() + summary.encoding.size() + publisher.size() + 256);
  block += cp936(Text::kBlockStart);
  block += summary.name;
  if (mode == 1) {
    block += cp936(Text::kFilesHeader);
    block += summary.files_listing;
    block += cp936(Text::kExtraHeaderAndTime);
  } else {
    block += summary.files_listing;
    block += cp936(Text::kTimeLabel);
  }
  block += time_text;
  block += cp936(Text::kPieceLengthLabel);
  block += summary.piece_length_text;
  block += cp936(Text::kCreatorLabel);
  block += summary.created_by;
  block += cp936(Text::kEncodingLabel);
  block += summary.encoding;
  block += cp936(Text::kPublisherLabel);
  block += publisher;
  if (mode == 1) {
    block += cp936(Text::kServersHeader);
    block += summary.servers;
  } else {
    block += "\r\n";
  }
  return result;
}

}  // namespace

Description describe_torrent_with_status(std::string_view path, int mode) {
  TorrentReader reader;
  reader.load(path);
  return describe_loaded(reader, mode);
}

Description describe_content(std::string content, int mode) {
  TorrentReader reader;
  reader.set_content(std::move(content));
  return describe_loaded(reader, mode);
}

}  // namespace metadata
