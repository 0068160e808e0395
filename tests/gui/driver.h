// Driving the real program from another process: starting it in a folder of its own,
// finding its windows and controls, real mouse and keyboard input, reading its list view,
// answering its message boxes and open dialog, and screenshots.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "art/image.h"

namespace gui {

// Long enough for a slow machine running Wine; every wait polls until its condition holds.
inline constexpr std::chrono::milliseconds kDeadline{20000};

// Polls `condition` until it holds or the deadline passes; returns its last value.
bool wait_until(const std::function<bool()>& condition,
                std::chrono::milliseconds deadline = kDeadline);

std::string utf8(std::wstring_view wide);
std::wstring wide(std::string_view utf8_text);

// The program under test and the folder for screenshots, from MORVALE_GUI_PROGRAM and
// MORVALE_GUI_SCREENSHOTS (empty when not set).
std::wstring program_path();
std::wstring screenshot_folder();

// A fresh, empty folder under the temporary folder, removed with everything in it.
class Folder {
 public:
  explicit Folder(std::wstring_view name);
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::wstring& path() const { return path_; }  // no trailing backslash
  std::wstring path_of(std::wstring_view name) const;
  void write(std::wstring_view name, std::string_view bytes) const;
  std::string read(std::wstring_view name) const;
  std::vector<std::wstring> names() const;  // the files in it

 private:
  std::wstring path_;
};

// One run of the program, from a copy of its executable in `folder` (so that the list
// file beside it is the folder's own). The process is ended when this goes away.
class Program {
 public:
  explicit Program(const std::wstring& folder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD pid() const { return pid_; }
  bool running() const;
  // Waits for the process to end; its exit code, or STILL_ACTIVE when it did not.
  DWORD wait_exit(std::chrono::milliseconds deadline = kDeadline) const;
  // The visible MainWindow of this process, waiting for it to show; nullptr if it did not.
  HWND wait_main_window() const;
  // Visible top-level windows of this process.
  std::vector<HWND> windows() const;
  void terminate();

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Controls.
HWND find_control(HWND root, int id);  // at any depth below root
std::wstring text_of(HWND window);
std::wstring class_of(HWND window);
DWORD process_of(HWND window);
// The page of the main window's page container that is shown, or -1 when none or several.
int shown_page(HWND main_window);
// The window that has the keyboard focus in the thread of `window`.
HWND focus_in_thread_of(HWND window);
// An edit box's selection as {start, end}.
std::pair<int, int> selection_of(HWND edit);
// Sends a message whose lParam is a text (the system carries it to the other process).
LRESULT send_text(HWND window, UINT message, WPARAM wparam, std::wstring_view text);

// Real input at a control's screen position (its centre unless told otherwise).
POINT centre_of(HWND window);
void move_mouse(POINT at);
void press(HWND window);    // left button down over it
void release(HWND window);  // left button up over it
void click(HWND window);
void left_button(bool down);  // at the mouse's current position
void key(WORD virtual_key, bool down);
void keys(std::initializer_list<WORD> chord);  // pressed in order, released in reverse
void type(std::wstring_view text);
// Brings a top-level window to the front so that keys reach it; true when it got there.
bool bring_to_front(HWND window);

// The program's dialogs and message boxes: visible "#32770" windows of the process.
std::vector<HWND> dialogs(DWORD pid);
HWND wait_dialog(DWORD pid, std::wstring_view title = {});
struct MessageBoxTexts {
  std::wstring title;
  std::wstring text;
};
MessageBoxTexts read_message_box(HWND box);
// Clicks the box's button with the given id (IDOK, IDYES, ...); true when it went away.
bool answer(HWND box, int button_id);

// The multi-select open dialog: goes to `folder`, then chooses `names` in that order and
// presses Open. True when the dialog closed.
bool choose_files(HWND dialog, const std::wstring& folder, const std::vector<std::wstring>& names);

// The list view of another process.
struct ListRow {
  std::vector<std::wstring> cells;
  int check = -1;  // 0 unchecked, 1 checked
  int image = -1;
};
int row_count(HWND list);
std::wstring cell_text(HWND list, int row, int column);
int check_state(HWND list, int row);
int image_of(HWND list, int row);
bool set_check(HWND list, int row, bool checked);
std::vector<ListRow> read_rows(HWND list, int columns);

// Pixels on the screen: the window's rectangle as it is shown.
art::Image capture(HWND window);
// Writes the window's picture as `name`.png in the screenshot folder, once its drawing has
// settled; true when written.
bool save_screenshot(HWND window, std::wstring_view name);

}  // namespace gui
