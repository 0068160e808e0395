#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "art/artwork.h"
#include "art/png.h"

namespace {

// ---- An independent reader of the PNG files the encoder writes ----

std::uint32_t crc32_bitwise(const std::string& bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char ch : bytes) {
    c ^= static_cast<unsigned char>(ch);
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

std::uint32_t adler32_plain(const std::string& bytes) {
  std::uint64_t a = 1;
  std::uint64_t b = 0;
  for (const char ch : bytes) {
    a = (a + static_cast<unsigned char>(ch)) % 65521;
    b = (b + a) % 65521;
  }
  return static_cast<std::uint32_t>(b << 16 | a);
}

std::uint32_t be32(const std::string& s, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

struct Decoded {
  std::vector<std::string> chunk_types;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // straight alpha, as stored
};

// Checks the signature, every chunk's CRC, the IHDR fields and the zlib stream (stored blocks
// only, with their length complements and the Adler-32), then undoes the row filters.
Decoded decode(const std::string& png) {
  Decoded out;
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  std::string idat;
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = be32(png, at);
    if (at + 12 + length > png.size()) break;
    const std::string type = png.substr(at + 4, 4);
    const std::string data = png.substr(at + 8, length);
    EXPECT_EQ(be32(png, at + 8 + length), crc32_bitwise(type + data)) << type;
    out.chunk_types.push_back(type);
    if (type == "IHDR") {
      EXPECT_EQ(length, 13u);
      out.width = static_cast<int>(be32(data, 0));
      out.height = static_cast<int>(be32(data, 4));
      EXPECT_EQ(data.substr(8), std::string("\x08\x06\x00\x00\x00", 5));
    } else if (type == "IDAT") {
      idat += data;
    }
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size()) << "trailing bytes or a cut chunk";

  if (idat.size() < 6) {
    ADD_FAILURE() << "no image data";
    return out;
  }
  const auto cmf = static_cast<unsigned char>(idat[0]);
  const auto flg = static_cast<unsigned char>(idat[1]);
  EXPECT_EQ(cmf & 0x0F, 8);  // deflate
  EXPECT_EQ((cmf * 256 + flg) % 31, 0);
  EXPECT_EQ(flg & 0x20, 0);  // no preset dictionary
  std::string raw;
  std::size_t pos = 2;
  bool last = false;
  while (!last && pos + 5 <= idat.size()) {
    const auto header = static_cast<unsigned char>(idat[pos]);
    last = (header & 1) != 0;
    if ((header >> 1) != 0) {
      ADD_FAILURE() << "not a stored block";
      return out;
    }
    const unsigned len =
        static_cast<unsigned char>(idat[pos + 1]) | static_cast<unsigned char>(idat[pos + 2]) << 8;
    const unsigned nlen =
        static_cast<unsigned char>(idat[pos + 3]) | static_cast<unsigned char>(idat[pos + 4]) << 8;
    EXPECT_EQ(len ^ 0xFFFFu, nlen);
    raw += idat.substr(pos + 5, len);
    pos += 5 + len;
  }
  EXPECT_TRUE(last);
  EXPECT_EQ(pos + 4, idat.size());
  if (pos + 4 <= idat.size()) {
    EXPECT_EQ(be32(idat, pos), adler32_plain(raw));
  }

  const std::size_t stride = static_cast<std::size_t>(out.width) * 4;
  EXPECT_EQ(raw.size(), (stride + 1) * out.height);
  if (raw.size() != (stride + 1) * out.height) return out;
  out.rgba.assign(stride * out.height, 0);
  for (int y = 0; y < out.height; ++y) {
    const char* line = &raw[y * (stride + 1)];
    const int filter = static_cast<unsigned char>(line[0]);
    for (std::size_t i = 0; i < stride; ++i) {
      const int left = i >= 4 ? out.rgba[y * stride + i - 4] : 0;
      const int up = y > 0 ? out.rgba[(y - 1) * stride + i] : 0;
      const int up_left = y > 0 && i >= 4 ? out.rgba[(y - 1) * stride + i - 4] : 0;
      int predictor = 0;
      switch (filter) {
        case 0: break;
        case 1: predictor = left; break;
        case 2: predictor = up; break;
        case 3: predictor = (left + up) / 2; break;
        case 4: {
          const int p = left + up - up_left;
          const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - up_left);
          predictor = pa <= pb && pa <= pc ? left : pb <= pc ? up : up_left;
          break;
        }
        default: ADD_FAILURE() << "filter " << filter; return out;
      }
      out.rgba[y * stride + i] =
          static_cast<std::uint8_t>(static_cast<unsigned char>(line[1 + i]) + predictor);
    }
  }
  return out;
}

TEST(Png, ReferenceChecksumsOfTheReader) {
  // The reader's own checksums against published check values, so it can judge the encoder.
  EXPECT_EQ(crc32_bitwise("123456789"), 0xCBF43926u);
  EXPECT_EQ(adler32_plain("Wikipedia"), 0x11E60398u);
}

TEST(Png, PixelsComeBackUnpremultiplied) {
  struct Case {
    std::uint32_t premultiplied;
    std::uint8_t r, g, b, a;
  } cases[] = {
      {0xFF102030, 0x10, 0x20, 0x30, 0xFF},  // opaque: as is
      {0x00000000, 0, 0, 0, 0},              // transparent
      {0x80404000, 0x80, 0x80, 0x00, 0x80},  // half: colours doubled, rounded
      {0x01010001, 0xFF, 0x00, 0xFF, 0x01},  // faintest alpha
      {0x7F000000, 0, 0, 0, 0x7F},           // translucent black
      {0x40202020, 0x80, 0x80, 0x80, 0x40},
  };
  art::Image image(static_cast<int>(std::size(cases)), 1);
  for (std::size_t i = 0; i < std::size(cases); ++i) image.pixels[i] = cases[i].premultiplied;
  const Decoded d = decode(art::encode_png(image));
  ASSERT_EQ(d.rgba.size(), std::size(cases) * 4);
  EXPECT_EQ(d.chunk_types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(std::vector<int>(d.rgba.begin() + i * 4, d.rgba.begin() + i * 4 + 4),
              (std::vector<int>{c.r, c.g, c.b, c.a}))
        << std::hex << c.premultiplied;
  }
}

TEST(Png, AnySizeRoundTrips) {
  // One pixel, a picture spanning two stored blocks, and a full screenshot of many.
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{200, 100}, std::pair{1024, 768}}) {
    art::Image image(w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        image.at(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 7 + y * 13) << 8 |
                         (static_cast<std::uint32_t>(x ^ y) & 0xFF);
      }
    }
    const Decoded d = decode(art::encode_png(image));
    ASSERT_EQ(d.width, w);
    ASSERT_EQ(d.height, h);
    ASSERT_EQ(d.rgba.size(), static_cast<std::size_t>(w) * h * 4);
    bool same = true;
    for (std::size_t i = 0; i < image.pixels.size() && same; ++i) {
      const std::uint32_t p = image.pixels[i];
      same = d.rgba[i * 4] == ((p >> 16) & 0xFF) && d.rgba[i * 4 + 1] == ((p >> 8) & 0xFF) &&
             d.rgba[i * 4 + 2] == (p & 0xFF) && d.rgba[i * 4 + 3] == 0xFF;
    }
    EXPECT_TRUE(same) << w << "x" << h;
  }
}

TEST(Png, EmptyPictureHasNoFile) {
  EXPECT_TRUE(art::encode_png(art::Image()).empty());
  EXPECT_TRUE(art::encode_png(art::Image(0, 5)).empty());
}

// ---- The pictures ----

struct Picture {
  const char* name;
  int design_width;
  int design_height;
  bool has_transparency;  // icons and glyphs; faces and banners are opaque throughout
  std::function<art::Image(double scale)> draw;
};

int scaled(int design, double scale) { return static_cast<int>(std::lround(design * scale)); }

std::vector<Picture> pictures() {
  std::vector<Picture> all = {
      {"background", 500, 400, false,
       [](double s) { return art::main_background(scaled(500, s), scaled(400, s), s); }},
      {"search button", 60, 24, true,
       [](double s) { return art::search_button_picture(scaled(60, s), scaled(24, s), false); }},
      {"search button pressed", 60, 24, true,
       [](double s) { return art::search_button_picture(scaled(60, s), scaled(24, s), true); }},
      {"about", 310, 139, false,
       [](double s) { return art::about_picture(scaled(310, s), scaled(139, s)); }},
      {"busy", 24, 24, true, [](double s) { return art::busy_frame(5, scaled(24, s)); }},
      {"row icon", 16, 16, true, [](double s) { return art::row_icon(scaled(16, s)); }},
      {"check box", 14, 14, true, [](double s) { return art::check_box(false, scaled(14, s)); }},
      {"check box checked", 14, 14, true,
       [](double s) { return art::check_box(true, scaled(14, s)); }},
      {"app icon", 16, 16, true, [](double s) { return art::app_icon(scaled(16, s)); }},
      {"app icon 48", 48, 48, true, [](double s) { return art::app_icon(scaled(48, s)); }},
  };
  for (int i = 0; i < 4; ++i) {
    for (const bool pressed : {false, true}) {
      all.push_back({"tool", 62, 60, true, [i, pressed](double s) {
                       return art::tool_picture(static_cast<art::ToolPicture>(i), scaled(62, s),
                                                scaled(60, s), scaled(16, s), pressed);
                     }});
    }
  }
  return all;
}

TEST(Artwork, EveryPictureHasItsSizeAndValidPixels) {
  for (const double scale : {1.0, 1.5, 2.0}) {
    for (const Picture& p : pictures()) {
      SCOPED_TRACE(std::string(p.name) + " at " + std::to_string(scale));
      const art::Image image = p.draw(scale);
      ASSERT_EQ(image.width, scaled(p.design_width, scale));
      ASSERT_EQ(image.height, scaled(p.design_height, scale));
      ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
      int opaque = 0;
      int clear = 0;
      bool premultiplied = true;
      for (const std::uint32_t px : image.pixels) {
        const std::uint32_t a = px >> 24;
        opaque += a == 255;
        clear += a == 0;
        premultiplied = premultiplied && ((px >> 16) & 0xFF) <= a && ((px >> 8) & 0xFF) <= a &&
                        (px & 0xFF) <= a;
      }
      EXPECT_TRUE(premultiplied);
      EXPECT_GT(opaque, 0);
      if (p.has_transparency) {
        EXPECT_GT(clear, 0);
      } else {
        EXPECT_EQ(opaque, static_cast<int>(image.pixels.size()));
      }
    }
  }
}

TEST(Artwork, TinyAndEmptySizesAreDrawnWithoutFault) {
  // A window at an odd scale may ask for a picture of one pixel, or of none.
  for (const int size : {0, 1, 2, 3}) {
    const art::Image images[] = {
        art::main_background(size, size, size / 500.0),
        art::tool_picture(art::ToolPicture::kTools, size, size, size / 2, true),
        art::search_button_picture(size, size, true),
        art::about_picture(size, size),
        art::busy_frame(0, size),
        art::row_icon(size),
        art::check_box(true, size),
        art::app_icon(size),
    };
    for (const art::Image& image : images) {
      EXPECT_EQ(image.width, size);
      EXPECT_EQ(image.height, size);
      EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(size) * size);
    }
  }
}

TEST(Artwork, DrawingIsDeterministic) {
  for (const Picture& p : pictures()) {
    EXPECT_EQ(p.draw(1.5).pixels, p.draw(1.5).pixels) << p.name;
  }
}

TEST(Artwork, ToolPicturesLeaveTheCaptionFreeAndShowPressing) {
  for (const int caption : {0, 16, 24}) {
    for (int i = 0; i < 4; ++i) {
      const auto which = static_cast<art::ToolPicture>(i);
      const art::Image up = art::tool_picture(which, 62, 60, caption, false);
      const art::Image down = art::tool_picture(which, 62, 60, caption, true);
      for (const art::Image* image : {&up, &down}) {
        bool caption_clear = true;
        for (int y = 60 - caption; y < 60; ++y) {
          for (int x = 0; x < 62; ++x) caption_clear = caption_clear && image->at(x, y) == 0;
        }
        EXPECT_TRUE(caption_clear) << i << " caption " << caption;
      }
      EXPECT_NE(up.pixels, down.pixels) << i;
    }
  }
  // The four glyphs differ from each other.
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) {
      EXPECT_NE(art::tool_picture(static_cast<art::ToolPicture>(i), 62, 60, 16, false).pixels,
                art::tool_picture(static_cast<art::ToolPicture>(j), 62, 60, 16, false).pixels);
    }
  }
}

TEST(Artwork, BusyFramesTurnAndRepeat) {
  std::vector<std::vector<std::uint32_t>> frames;
  for (int f = 0; f < art::kBusyFrames; ++f) frames.push_back(art::busy_frame(f, 24).pixels);
  for (int f = 0; f < art::kBusyFrames; ++f) {
    EXPECT_NE(frames[f], frames[(f + 1) % art::kBusyFrames]) << f;
  }
  EXPECT_EQ(art::busy_frame(art::kBusyFrames, 24).pixels, frames[0]);
  EXPECT_EQ(art::busy_frame(-1, 24).pixels, frames[art::kBusyFrames - 1]);
  EXPECT_NE(art::check_box(true, 14).pixels, art::check_box(false, 14).pixels);
}

// WCAG relative luminance of an opaque pixel.
double luminance(std::uint32_t px) {
  double sum = 0;
  const double weights[] = {0.2126, 0.7152, 0.0722};
  for (int k = 0; k < 3; ++k) {
    const double c = ((px >> (16 - 8 * k)) & 0xFF) / 255.0;
    sum += weights[k] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
  }
  return sum;
}

double contrast(double l1, double l2) {
  return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

TEST(Artwork, BackgroundBandsSuitTheTextsOnThem) {
  // Rectangles (design pixels) where the window writes its texts, and the colour it uses.
  struct Area {
    const char* name;
    int x, y, w, h;
    unsigned text;
  } areas[] = {
      {"title", 10, 3, 80, 16, art::kFaceTextColour},
      {"version", 155, 7, 34, 9, art::kFaceTextColour},  // inside the pill's edge
      {"minimise", 445, 5, 16, 16, art::kFaceTextColour},
      {"close", 478, 4, 16, 16, art::kFaceTextColour},
      {"captions", 32, 70, 328, 15, art::kFaceTextColour},
      {"links", 408, 32, 56, 40, art::kFaceTextColour},
      {"navigation", 24, 90, 452, 16, 0x000000},
      {"status", 133, 380, 230, 16, 0x000000},
      {"stop", 380, 377, 40, 16, art::kLinkColour},
  };
  for (const double scale : {1.0, 2.0}) {
    const art::Image face = art::main_background(scaled(500, scale), scaled(400, scale), scale);
    for (const Area& a : areas) {
      double worst = 1e9;
      for (int y = scaled(a.y, scale); y < scaled(a.y + a.h, scale); ++y) {
        for (int x = scaled(a.x, scale); x < scaled(a.x + a.w, scale); ++x) {
          worst = std::min(worst, contrast(luminance(face.at(x, y)), luminance(a.text)));
        }
      }
      EXPECT_GE(worst, 4.5) << a.name << " at " << scale;
    }
    // The page rectangle's middle shows the pages' own colour.
    EXPECT_EQ(face.at(scaled(250, scale), scaled(240, scale)), 0xFF000000u | art::kPageColour);
  }
}

}  // namespace
