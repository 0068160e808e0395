// Small helpers for the program's windows: scaling design pixels, the window font, and
// texts crossing the window boundary (code page 936 inside, UTF-16 at the W APIs).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace shell::ui {

// Design pixels (96 DPI) to device pixels at the system DPI the program runs at.
int scaled(int design_pixels);
int dpi();

// "宋体" at 9 points, and its bold form for the face title.
HFONT font();
HFONT bold_font();
// A smaller size, for a label whose text would not fit in the window font.
HFONT small_font();

void set_text(HWND window, std::string_view cp936);
std::string get_text(HWND window);

// A message box with no owner window, as every report of the program is shown.
int message_box(std::string_view text, std::string_view title, UINT flags);

// A child window at a design-pixel rectangle, with the program's font.
HWND create_child(HWND parent, const wchar_t* window_class, std::string_view text, DWORD style,
                  int id, int x, int y, int width, int height, DWORD ex_style = 0);

// The control with the given id anywhere below `root`.
HWND find_control(HWND root, int id);

}  // namespace shell::ui
