// A picture held in memory: 32-bit pixels, premultiplied alpha, rows from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

struct Image {
  int width = 0;
  int height = 0;
  // 0xAARRGGBB, colour channels premultiplied by alpha (the layout a Windows 32-bit DIB
  // section with AlphaBlend expects).
  std::vector<std::uint32_t> pixels;

  Image() = default;
  Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace art
