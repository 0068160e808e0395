// PNG encoding of an Image, for picture previews and test screenshots.
#pragma once

#include <string>

#include "art/image.h"

namespace art {

// The bytes of a PNG file (8-bit RGBA, alpha un-premultiplied) holding the image.
std::string encode_png(const Image& image);

}  // namespace art
