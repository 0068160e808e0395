// The program's own kinds of control: transparent labels and link labels, the page
// container without a header strip and its pages, frames, picture buttons and the busy
// indicator. Every one is a child window with its control id.
//
// Transparent controls get their background from their parent: they send
// kPaintBackground with a device context whose origin is the parent's, and the parent
// paints what lies under them (MainWindow its face, a page its colour, a frame whatever
// lies under the frame).
#pragma once

#include <windows.h>

#include <string_view>

#include "art/artwork.h"

namespace shell::controls {

inline constexpr UINT kPaintBackground = WM_APP + 1;  // wParam: HDC

void register_classes();

// The colour of the pages, and a brush of it, for every control that sits on a page.
COLORREF page_colour();
HBRUSH page_brush();

// Paints what lies under `child` into `dc`, which is in the child's coordinates.
void paint_parent_background(HWND child, HDC dc);

// Labels. A label reports a press of the left button on it to MainWindow as WM_COMMAND
// with kLabelPressed; one made with `acts_on_release` captures the mouse on the press and
// reports kLabelReleased when the button is released over it.
struct LabelLook {
  COLORREF colour = RGB(0, 0, 0);
  bool link = false;  // underlined, hand cursor
  bool bold = false;
  bool centred = false;
  bool acts_on_release = false;
  bool see_through = false;  // paints nothing: what lies under it shows (a text-less hotspot)
};
HWND create_label(HWND parent, int id, std::string_view text, int x, int y, int width,
                  int height, const LabelLook& look);
void set_label_colour(HWND label, COLORREF colour);

// The page container: `page_count` pages with ids id::kPage0 + n, one shown at a time.
HWND create_pages(HWND parent, int id, int x, int y, int width, int height, int page_count);
HWND page(HWND pages, int n);
void show_page(HWND pages, int n);
int current_page(HWND pages);

// Frames: a transparent box that holds controls, drawn with a light border, as a 1-pixel
// rule, or not at all.
enum class FrameLook { kNone, kBorder, kRule };
HWND create_frame(HWND parent, int id, int x, int y, int width, int height, FrameLook look);

// Owner-drawn picture buttons; MainWindow hands their WM_DRAWITEM to draw_picture_button.
enum class Picture { kOpen, kDiskSearch, kReport, kTools, kSearch, kAbout };
HWND create_picture_button(HWND parent, int id, Picture picture, std::string_view caption,
                           int x, int y, int width, int height);
bool draw_picture_button(const DRAWITEMSTRUCT& item);

// The busy indicator: an animation that runs while `on`.
HWND create_busy_indicator(HWND parent, int id, int x, int y, int width, int height);
void set_busy(HWND indicator, bool on);

// A 32-bit bitmap of the image, for image lists and icons.
HBITMAP make_bitmap(const art::Image& image);
HICON make_icon(const art::Image& image);

}  // namespace shell::controls
