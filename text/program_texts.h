// The program's own texts, in code page 936.
//
// They are written once, in UTF-8, in program_texts.cpp and converted on first use, so no
// hex escapes are scattered through the code and every text is in one place.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace text {

enum class Text {
  kMissingFile,
  kInvalidTorrent,
  kBlockStart,
  kFilesHeader,
  kExtraHeaderAndTime,
  kTimeLabel,
  kPieceLengthLabel,
  kCreatorLabel,
  kEncodingLabel,
  kPublisherLabel,
  kServersHeader,
  kAnonymous,
  kSizeLabel,
  kYear,
  kMonth,
  kDay,
  kHour,
  kMinute,
  kSecond,
  // The tools page's download-link decoder.
  kLinkDecoderCaption,
  kLinkInputPrompt,
  kLinkDecodeButton,
  kNoLinkGiven,
  kInfoTitle,  // the title of a message box given none
  kCount
};

const std::string& cp936(Text id);

// A table of texts written in UTF-8, converted to code page 936; other tables of the
// program's texts are made with it.
std::vector<std::string> cp936_table(std::span<const char* const> utf8);

}  // namespace text
