// The tools page's download-link decoder: turns the encoded links of several download
// managers ("thunder:", "flashget:", "qqdl:", "fs2you:") back into plain addresses.
//
// All texts are code page 936 byte strings; an input ends before its first zero byte.
#pragma once

#include <string>
#include <string_view>

namespace tools {

// Base64 decoding as the download managers' links need it: spaces, full-width spaces and
// CR LF pairs are ignored, bad bytes only give wrong bytes. Lets pending window messages
// be dispatched after every group of four characters. Never fails.
std::string decode_base64(std::string_view text);

// The plain address a link carries; the empty text for a link too short or malformed for
// its scheme, and the link itself when its scheme is none of the four. Never fails.
std::string decode_download_link(std::string_view link);

// True when the input box holds nothing to decode: it is empty or still shows its
// initial prompt.
bool is_missing_link_input(std::string_view box_text);

}  // namespace tools
