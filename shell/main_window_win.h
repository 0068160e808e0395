// MainWindow: the frameless main window with its tool bar, navigation bar, pages, status
// line and busy indicator.
#pragma once

#include <windows.h>

namespace shell {

// The window timers of MainWindow: disk-search progress and report progress.
inline constexpr UINT_PTR kDiskSearchTimer = 1;  // 时钟1
inline constexpr UINT_PTR kReportTimer = 2;      // 时钟2

// Creates MainWindow and its controls and runs its creation actions; it is shown by the
// caller.
HWND create_main_window();

HWND main_window();
// The control with the given id anywhere on MainWindow.
HWND control(int id);

void show_page(int n);
int current_page();

}  // namespace shell
