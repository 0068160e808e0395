// art-preview: writes every picture of the program as PNG files, at 1× and 2× (and 1.5×
// for the main face), plus a mock of the whole main window and an enlarged sheet of the small
// pictures, so the artwork can be looked at without the window code.
//
//   art-preview OUTPUT_FOLDER

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "art/artwork.h"
#include "art/png.h"

namespace {

namespace fs = std::filesystem;

int scaled(int design, double scale) { return static_cast<int>(std::lround(design * scale)); }

bool write(const fs::path& folder, const std::string& name, const art::Image& image) {
  const std::string png = art::encode_png(image);
  std::ofstream out(folder / (name + ".png"), std::ios::binary);
  out.write(png.data(), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(out);
}

// Premultiplied source-over of `top` onto `base` at (x, y).
void blit(art::Image& base, const art::Image& top, int x, int y) {
  for (int j = 0; j < top.height; ++j) {
    for (int i = 0; i < top.width; ++i) {
      const int bx = x + i;
      const int by = y + j;
      if (bx < 0 || by < 0 || bx >= base.width || by >= base.height) continue;
      const std::uint32_t s = top.at(i, j);
      const std::uint32_t keep = 255 - (s >> 24);
      std::uint32_t& d = base.at(bx, by);
      std::uint32_t out = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t v = ((s >> shift) & 0xFF) + (((d >> shift) & 0xFF) * keep + 127) / 255;
        out |= std::min<std::uint32_t>(v, 255) << shift;
      }
      d = out;
    }
  }
}

// A plain rectangle, standing in for what the window code paints (pages, text).
void block(art::Image& base, int x, int y, int w, int h, std::uint32_t argb) {
  art::Image solid(w, h);
  const std::uint32_t a = argb >> 24;
  std::uint32_t premultiplied = a << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    premultiplied |= (((argb >> shift) & 0xFF) * a + 127) / 255 << shift;
  }
  std::fill(solid.pixels.begin(), solid.pixels.end(), premultiplied);
  blit(base, solid, x, y);
}

// The main window as it would look: the face, the pictures on it, and grey bars where the
// window code writes its texts.
art::Image window_mock(double scale) {
  const auto s = [&](int v) { return scaled(v, scale); };
  art::Image face = art::main_background(s(500), s(400), scale);
  const int xs[] = {32, 117, 208, 298};
  const art::ToolPicture tools[] = {art::ToolPicture::kOpen, art::ToolPicture::kDiskSearch,
                                    art::ToolPicture::kReport, art::ToolPicture::kTools};
  for (int i = 0; i < 4; ++i) {
    blit(face, art::tool_picture(tools[i], s(62), s(60), s(16), i == 2), s(xs[i]), s(25));
    block(face, s(xs[i] + 13), s(25 + 47), s(36), s(10), 0xD0FFFFFF);  // caption
  }
  const std::uint32_t light = 0xC8FFFFFF;
  const std::uint32_t dark = 0xB0354A63;
  block(face, s(10), s(6), s(70), s(11), light);    // title
  block(face, s(157), s(8), s(30), s(7), light);    // version
  block(face, s(449), s(11), s(8), s(2), light);    // minimise
  block(face, s(482), s(7), s(9), s(9), light);     // close
  block(face, s(408), s(34), s(48), s(11), light);  // links
  block(face, s(408), s(58), s(48), s(11), light);
  for (int i = 0; i < 5; ++i) block(face, s(40 + i * 88), s(92), s(50), s(11), dark);
  block(face, s(8), s(107), s(483), s(264), 0xFF000000 | art::kPageColour);
  // Some page content: list rows with their icons and check boxes, and the search button.
  for (int row = 0; row < 6; ++row) {
    const int y = 120 + row * 22;
    blit(face, art::check_box(row % 3 == 0, s(14)), s(20), s(y + 1));
    blit(face, art::row_icon(s(16)), s(40), s(y));
    block(face, s(62), s(y + 3), s(150 + (row * 37) % 120), s(10), dark);
  }
  blit(face, art::search_button_picture(s(60), s(24), false), s(400), s(330));
  block(face, s(432), s(337), s(28), s(10), dark);
  blit(face, art::about_picture(s(310), s(139)), s(170), s(180));
  blit(face, art::busy_frame(3, s(24)), s(2), s(374));
  block(face, s(133), s(383), s(180), s(10), dark);
  block(face, s(380), s(380), s(26), s(10), 0xFF1A5FB4);
  return face;
}

// The small pictures in rows, enlarged `zoom` times with square pixels, to judge them pixel
// by pixel.
art::Image zoomed_sheet(int zoom) {
  const std::vector<std::vector<art::Image>> rows = {
      {art::row_icon(16), art::check_box(false, 14), art::check_box(true, 14), art::app_icon(16),
       art::busy_frame(0, 24), art::busy_frame(4, 24), art::busy_frame(8, 24)},
      {art::app_icon(32), art::search_button_picture(60, 24, false),
       art::search_button_picture(60, 24, true)}};
  int width = 0;
  int height = 4 * zoom;
  for (const auto& row : rows) {
    int row_width = 4 * zoom;
    int row_height = 0;
    for (const art::Image& p : row) {
      row_width += (p.width + 4) * zoom;
      row_height = std::max(row_height, (p.height + 4) * zoom);
    }
    width = std::max(width, row_width);
    height += row_height;
  }
  art::Image sheet(width, height);
  std::fill(sheet.pixels.begin(), sheet.pixels.end(), 0xFF000000 | art::kPageColour);
  int y = 4 * zoom;
  for (const auto& row : rows) {
    int x = 4 * zoom;
    int row_height = 0;
    for (const art::Image& p : row) {
      art::Image big(p.width * zoom, p.height * zoom);
      for (int j = 0; j < big.height; ++j) {
        for (int i = 0; i < big.width; ++i) big.at(i, j) = p.at(i / zoom, j / zoom);
      }
      blit(sheet, big, x, y);
      x += (p.width + 4) * zoom;
      row_height = std::max(row_height, (p.height + 4) * zoom);
    }
    y += row_height;
  }
  return sheet;
}

// Draws the whole set the program draws at start-up, at `scale`.
void draw_all(double scale) {
  const auto s = [&](int v) { return scaled(v, scale); };
  art::main_background(s(500), s(400), scale);
  for (int i = 0; i < 4; ++i) {
    for (const bool pressed : {false, true}) {
      art::tool_picture(static_cast<art::ToolPicture>(i), s(62), s(60), s(16), pressed);
    }
  }
  art::search_button_picture(s(60), s(24), false);
  art::search_button_picture(s(60), s(24), true);
  art::about_picture(s(310), s(139));
  for (int f = 0; f < art::kBusyFrames; ++f) art::busy_frame(f, s(24));
  art::row_icon(s(16));
  art::check_box(false, s(14));
  art::check_box(true, s(14));
  for (const int size : {16, 32, 48}) art::app_icon(size);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: art-preview OUTPUT_FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "cannot create %s\n", folder.string().c_str());
    return 1;
  }

  bool ok = true;
  const char* tool_names[] = {"open", "disk_search", "report", "tools"};
  for (const double scale : {1.0, 1.5, 2.0}) {
    const auto s = [&](int v) { return scaled(v, scale); };
    const std::string at = scale == 1.0 ? "@1x" : scale == 1.5 ? "@1.5x" : "@2x";
    ok &= write(folder, "window" + at, window_mock(scale));
    ok &= write(folder, "background" + at, art::main_background(s(500), s(400), scale));
    for (int i = 0; i < 4; ++i) {
      for (const bool pressed : {false, true}) {
        ok &= write(
            folder, std::string("tool_") + tool_names[i] + (pressed ? "_pressed" : "") + at,
            art::tool_picture(static_cast<art::ToolPicture>(i), s(62), s(60), s(16), pressed));
      }
    }
    ok &= write(folder, "search_button" + at, art::search_button_picture(s(60), s(24), false));
    ok &=
        write(folder, "search_button_pressed" + at, art::search_button_picture(s(60), s(24), true));
    ok &= write(folder, "about" + at, art::about_picture(s(310), s(139)));
    for (int f = 0; f < art::kBusyFrames; ++f) {
      ok &= write(folder, "busy_" + std::to_string(f) + at, art::busy_frame(f, s(24)));
    }
    ok &= write(folder, "row_icon" + at, art::row_icon(s(16)));
    ok &= write(folder, "check_box" + at, art::check_box(false, s(14)));
    ok &= write(folder, "check_box_checked" + at, art::check_box(true, s(14)));
  }
  for (const int size : {16, 32, 48}) {
    ok &= write(folder, "app_icon_" + std::to_string(size), art::app_icon(size));
  }
  ok &= write(folder, "small_pictures_zoomed", zoomed_sheet(7));

  const auto start = std::chrono::steady_clock::now();
  draw_all(2.0);
  const auto took =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
  std::printf("the whole set at 2x draws in %.1f ms\n", took.count());
  if (!ok)
    std::fprintf(stderr, "some pictures could not be written to %s\n", folder.string().c_str());
  return ok ? 0 : 1;
}
