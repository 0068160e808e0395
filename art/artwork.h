// The program's own pictures, drawn by code at the size they are shown.
//
// Sizes are in device pixels: the window code passes the design size multiplied by its
// scale factor, so the pictures stay sharp at any DPI.
#pragma once

#include "art/image.h"

namespace art {

// The face of the frameless main window (design size 500 × 400); `scale` is the ratio of
// device pixels to design pixels, for placing the bands the controls sit on.
Image main_background(int width, int height, double scale);

// The four pictures of the tool bar (design size 62 × 60). The caption under the picture
// is drawn by the window code with the window's font; the picture leaves the bottom
// `caption_height` pixels free for it.
enum class ToolPicture { kOpen, kDiskSearch, kReport, kTools };
Image tool_picture(ToolPicture which, int width, int height, int caption_height, bool pressed);

// The content-search button on the list page (design size 60 × 24), a magnifier on the
// left; the window code draws the caption to its right.
Image search_button_picture(int width, int height, bool pressed);

// The picture on the about page (design size 310 × 139).
Image about_picture(int width, int height);

// The busy indicator's animation (design size 24 × 24), frame 0 .. kBusyFrames - 1.
inline constexpr int kBusyFrames = 12;
Image busy_frame(int frame, int size);

// The one picture of the torrent list's small-icon set (16 × 16 at 96 DPI).
Image row_icon(int size);

// The two pictures of the list's check boxes (14 × 14 at 96 DPI).
Image check_box(bool checked, int size);

// The program's icon, for the window and the task bar (16, 32, 48 ...).
Image app_icon(int size);

// Colours the window code paints with, 0xRRGGBB.
inline constexpr unsigned kPageColour = 0xF7F9FC;      // the pages of the tab control
inline constexpr unsigned kFaceTextColour = 0xFFFFFF;  // labels on the dark top band
inline constexpr unsigned kLinkColour = 0x1A5FB4;      // link labels on light ground

}  // namespace art
