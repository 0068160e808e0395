// The program's own texts, in code page 936.
//
// They are written once, in UTF-8, in program_texts.cpp and converted on first use, so no
// hex escapes are scattered through the code and every text is in one place.
#pragma once

#include <string>

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

}  // namespace text
