// Fuzz target: any bytes at all, taken as the content of a torrent file, must decode,
// summarize and describe without a crash, within bounded memory, and the summary taken
// field by field must equal the summary of the whole converted key text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "metadata/describe.h"
#include "metadata/torrent_reader.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);

  metadata::TorrentReader fast, whole;
  fast.set_content(content);
  whole.set_content(content);
  if (fast.decode() == -1) return 0;
  whole.decode();
  // Every entry takes at least two bytes of content and adds at most two bytes of its own.
  check(fast.key_text().size() <= 2 * content.size() + 16);
  const metadata::TorrentSummary a = fast.summarize();
  const metadata::TorrentSummary b = whole.summarize_whole_text();
  check(a.servers == b.servers && a.created_by == b.created_by &&
        a.creation_time == b.creation_time && a.encoding == b.encoding &&
        a.files_listing == b.files_listing && a.name == b.name &&
        a.piece_length_text == b.piece_length_text && a.publisher == b.publisher);

  for (int mode : {0, 1}) {
    const metadata::Description d = metadata::describe_content(content, mode);
    check(!d.text.empty());
  }
  return 0;
}
