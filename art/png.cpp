// encode_png: an 8-bit RGBA PNG in stored (uncompressed) deflate blocks.
//
// The pictures are small and screenshots are written only by tests, so the file is not
// compressed: a stored zlib stream needs no compressor and is quick to write and to check.

#include "art/png.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace art {
namespace {

// The CRC-32 of PNG chunks (polynomial 0xEDB88320, reflected), one table built at compile
// time.
constexpr std::array<std::uint32_t, 256> make_crc_table() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = make_crc_table();

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char ch : bytes) {
    c = kCrcTable[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
  }
  return c ^ 0xFFFFFFFFu;
}

// The zlib checksum of the uncompressed data. 5552 bytes is the most that can be summed
// before the 32-bit sums must be reduced.
class Adler32 {
 public:
  void add(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
      const std::size_t end = std::min(bytes.size(), i + 5552);
      for (; i < end; ++i) {
        a_ += static_cast<unsigned char>(bytes[i]);
        b_ += a_;
      }
      a_ %= 65521;
      b_ %= 65521;
    }
  }
  std::uint32_t value() const { return (b_ << 16) | a_; }

 private:
  std::uint32_t a_ = 1;
  std::uint32_t b_ = 0;
};

void put_u32(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v >> 24);
  out += static_cast<char>((v >> 16) & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
  out += static_cast<char>(v & 0xFF);
}

// Appends a chunk: length, type, data and the CRC of type and data.
void put_chunk(std::string& out, std::string_view type, std::string_view data) {
  put_u32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t crc_from = out.size();
  out += type;
  out += data;
  put_u32(out, crc32(std::string_view(out).substr(crc_from)));
}

// One row of 8-bit RGBA (after filter byte 0, "none"), alpha taken back out of the colours.
void put_row(std::string& raw, const Image& image, int y) {
  raw += '\0';
  for (int x = 0; x < image.width; ++x) {
    const std::uint32_t p = image.at(x, y);
    const std::uint32_t a = p >> 24;
    std::uint32_t c[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
    for (std::uint32_t& v : c) {
      if (a == 0) {
        v = 0;
      } else if (a < 255) {
        v = std::min<std::uint32_t>(255, (v * 255 + a / 2) / a);
      }
      raw += static_cast<char>(v);
    }
    raw += static_cast<char>(a);
  }
}

}  // namespace

std::string encode_png(const Image& image) {
  // A PNG has at least one pixel; an empty picture has no file.
  if (image.width <= 0 || image.height <= 0) return {};

  std::string raw;
  raw.reserve((static_cast<std::size_t>(image.width) * 4 + 1) * image.height);
  for (int y = 0; y < image.height; ++y) put_row(raw, image, y);

  // zlib: header (deflate, 32 KB window, no dictionary, fastest), stored blocks of at most
  // 65535 bytes each, the Adler-32 of the raw data.
  constexpr std::size_t kBlock = 65535;
  std::string zlib;
  zlib.reserve(raw.size() + raw.size() / kBlock * 5 + 16);
  zlib += '\x78';
  zlib += '\x01';
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kBlock, raw.size() - at);
    const bool last = at + n == raw.size();
    zlib += static_cast<char>(last ? 1 : 0);
    zlib += static_cast<char>(n & 0xFF);
    zlib += static_cast<char>(n >> 8);
    zlib += static_cast<char>(~n & 0xFF);
    zlib += static_cast<char>((~n >> 8) & 0xFF);
    zlib.append(raw, at, n);
    at += n;
  } while (at < raw.size());
  Adler32 adler;
  adler.add(raw);
  put_u32(zlib, adler.value());

  std::string header;
  put_u32(header, static_cast<std::uint32_t>(image.width));
  put_u32(header, static_cast<std::uint32_t>(image.height));
  header += '\x08';                // bits per channel
  header += '\x06';                // colour type: RGBA
  header += std::string(3, '\0');  // deflate, adaptive filters, no interlace

  std::string png("\x89PNG\r\n\x1a\n", 8);
  png.reserve(zlib.size() + 64);
  put_chunk(png, "IHDR", header);
  put_chunk(png, "IDAT", zlib);
  put_chunk(png, "IEND", {});
  return png;
}

}  // namespace art
