// The program's entry and exit: one running copy, MainWindow and its creation actions,
// the message loop, and the shutdown that keeps the user's list.
#include <windows.h>

#include <string>

#include "list/list_file.h"
#include "list/torrent_list_win.h"
#include "platform/codepage.h"
#include "platform/messages.h"
#include "shell/app_win.h"
#include "shell/control_ids.h"
#include "shell/main_window_win.h"
#include "shell/program_values.h"
#include "shell/ui_win.h"
#include "shell/unscramble.h"
#include "text/cp936.h"

namespace shell {
namespace {

// Returns only when no other copy runs; a second copy ends at once, silently. The named
// event is never signalled: its existence marks the running copy, and its handle is held
// until the process ends.
void ensure_single_instance(const std::string& event_name) {
  std::wstring name = platform::cp936_to_wide(event_name);
  if (HANDLE other = ::OpenEventW(EVENT_ALL_ACCESS, FALSE, name.c_str())) {
    ::CloseHandle(other);
    ::ExitProcess(0);
  }
  // A failure here only means a later copy will not see this one.
  ::CreateEventW(nullptr, FALSE, FALSE, name.c_str());
}

std::string list_file_location() { return list::list_file_path(program_directory()); }

}  // namespace

ProgramState& program() {
  static ProgramState state;
  return state;
}

std::string program_directory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::string cp936 = platform::wide_to_cp936(path);
  std::size_t slash = text::find_last(cp936, '\\');
  return slash == text::npos ? std::string() : cp936.substr(0, slash);
}

void run_creation_actions() {
  ProgramState& state = program();
  state.stop_requested = false;

  {
    // The alphabet and the scrambled status text live only for these two lines.
    std::string alphabet = unscramble_alphabet();
    ui::set_text(control(id::kVersionText), unscramble_text(scrambled_version_text(), alphabet));
    ui::set_text(control(id::kStatusLine), unscramble_text(scrambled_status_text(), alphabet));
  }

  list::load_list_file(list_file_location(), control(id::kTorrentList), list_file_password(), 0);

  state.home_page_address = home_page_address();
  state.site_base_address = site_base_address();
}

void shutdown() {
  static bool shutting_down = false;
  if (shutting_down) return;
  shutting_down = true;
  list::save_list_file(control(id::kTorrentList), list_file_location(), list_file_password());
  platform::dispatch_pending_messages();
  ::Sleep(100);
  ::ExitProcess(0);
}

}  // namespace shell

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  shell::program();  // the program-wide values, before any window
  shell::ensure_single_instance(shell::single_instance_event_name());

  HWND window = shell::create_main_window();
  if (!window) return 1;
  ::ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  ::UpdateWindow(window);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Tab and the arrow keys move between MainWindow's controls.
    if (::IsDialogMessageW(window, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
