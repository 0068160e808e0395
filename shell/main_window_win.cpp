#include "shell/main_window_win.h"

#include <commctrl.h>

#include <cwctype>
#include <string>

#include "art/artwork.h"
#include "list/torrent_list_win.h"
#include "platform/codepage.h"
#include "shell/app_win.h"
#include "shell/control_ids.h"
#include "shell/controls_win.h"
#include "shell/links_page_win.h"
#include "shell/ui_texts.h"
#include "shell/ui_win.h"
#include "shell/wait_win.h"

namespace shell {
namespace {

constexpr int kDesignWidth = 500;
constexpr int kDesignHeight = 400;
constexpr int kPageCount = 5;

// The search box's colours while the local-search help flashes it.
constexpr COLORREF kFlashColour = 0xC080FF;  // red 255, green 128, blue 192
constexpr COLORREF kWhite = 0xFFFFFF;

struct MainWindowState {
  HWND window = nullptr;
  HWND pages = nullptr;
  HBITMAP face = nullptr;  // the background, drawn once at the window's size
  COLORREF search_box_colour = kWhite;
  HBRUSH search_box_brush = nullptr;
};

MainWindowState& state() {
  static MainWindowState s;
  return s;
}

void set_search_box_colour(COLORREF colour) {
  MainWindowState& s = state();
  if (s.search_box_brush) ::DeleteObject(s.search_box_brush);
  s.search_box_colour = colour;
  s.search_box_brush = ::CreateSolidBrush(colour);
  HWND box = control(id::kSearchBox);
  ::InvalidateRect(box, nullptr, TRUE);
  ::UpdateWindow(box);
}

// ---- Handlers ----

// "▽本地搜索": explains the content search, then shows where to type the word by flashing
// the search box four times while the window stays responsive.
void local_search_help() {
  ui::message_box(ui_text(UiText::kLocalSearchHelp), ui_text(UiText::kPromptTitle),
                  MB_OK | MB_ICONINFORMATION);
  show_page(0);
  for (int flash = 1; flash <= 4; ++flash) {
    set_search_box_colour(kFlashColour);
    wait_pumping_events(200000);
    set_search_box_colour(kWhite);
    if (flash < 4) wait_pumping_events(200000);
  }
  HWND box = control(id::kSearchBox);
  ::SetFocus(box);
  ::SendMessageW(box, EM_SETSEL, 0, -1);
}

void search_help() {
  ui::message_box(ui_text(UiText::kSearchHelp), ui_text(UiText::kPromptTitle),
                  MB_OK | MB_ICONINFORMATION);
}

void label_pressed(int id) {
  switch (id) {
    case id::kMinimiseLabel:
      ::ShowWindow(state().window, SW_MINIMIZE);
      return;
    case id::kNavList:
      show_page(0);
      return;
    case id::kNavResults:
      if (::SendMessageW(control(id::kResultList), LB_GETCOUNT, 0, 0) > 0) show_page(1);
      return;
    case id::kNavLocalSearch:
      local_search_help();
      return;
    case id::kNavAbout:
      show_page(2);
      return;
    case id::kSearchHelp:
      search_help();
      return;
    default:
      press_link(id);
  }
}

void button_clicked(int id) {
  switch (id) {
    case id::kOpenButton:
      show_page(0);
      list::open_torrent_files(control(id::kTorrentList));
      return;
    case id::kToolsButton:
      show_page(4);
      return;
  }
}

void on_command(WPARAM wparam) {
  int id = LOWORD(wparam);
  int code = HIWORD(wparam);
  if (code == kLabelPressed) {
    label_pressed(id);
  } else if (code == kLabelReleased) {
    if (id == id::kCloseLabel) shutdown();
  } else if (code == BN_CLICKED) {
    button_clicked(id);
  }
}

LRESULT on_control_colour(UINT message, HDC dc, HWND child) {
  int id = ::GetDlgCtrlID(child);
  MainWindowState& s = state();
  if (message == WM_CTLCOLOREDIT && id == id::kSearchBox) {
    ::SetBkColor(dc, s.search_box_colour);
    return reinterpret_cast<LRESULT>(s.search_box_brush);
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    // Radio buttons and plain labels sit on a page.
    ::SetBkColor(dc, controls::page_colour());
    ::SetTextColor(dc, RGB(0x22, 0x22, 0x22));
    return reinterpret_cast<LRESULT>(controls::page_brush());
  }
  return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
}

void paint_face(HDC dc) {
  MainWindowState& s = state();
  RECT client;
  ::GetClientRect(s.window, &client);
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, s.face);
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
}

void on_paint() {
  MainWindowState& s = state();
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(s.window, &ps);
  paint_face(dc);
  HGDIOBJ old = ::SelectObject(dc, ui::bold_font());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(255, 255, 255));
  std::wstring title = platform::cp936_to_wide(ui_text(UiText::kFaceTitle));
  ::TextOutW(dc, ui::scaled(10), ui::scaled(4), title.c_str(), static_cast<int>(title.size()));
  ::SelectObject(dc, old);
  ::EndPaint(s.window, &ps);
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      on_command(wparam);
      return 0;
    case WM_DRAWITEM:
      return controls::draw_picture_button(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return on_control_colour(message, reinterpret_cast<HDC>(wparam),
                               reinterpret_cast<HWND>(lparam));
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      on_paint();
      return 0;
    case controls::kPaintBackground:
      paint_face(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_NCHITTEST: {
      // The top band moves the frameless window.
      LRESULT hit = ::DefWindowProcW(window, message, wparam, lparam);
      POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      ::ScreenToClient(window, &at);
      if (hit == HTCLIENT && at.y < ui::scaled(25)) return HTCAPTION;
      return hit;
    }
    case WM_CLOSE:
      // Alt+F4, the task bar's close: the same shutdown as the close label, so the list
      // is never lost.
      shutdown();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) shutdown();
      return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

void create_face_controls(HWND window) {
  using controls::LabelLook;
  const COLORREF white = RGB(255, 255, 255);
  LabelLook close{white, false, true, true};
  close.acts_on_release = true;
  controls::create_label(window, id::kCloseLabel, ui_text(UiText::kClose), 478, 4, 16, 16, close);
  controls::create_label(window, id::kMinimiseLabel, ui_text(UiText::kMinimise), 445, 5, 16, 16,
                         LabelLook{white, false, true, true});
  controls::create_label(window, id::kVersionMark, ui_text(UiText::kVersionMark), 152, 5, 40, 13,
                         LabelLook{RGB(0xCF, 0xE8, 0xF5), false, false, true});

  controls::create_picture_button(window, id::kOpenButton, controls::Picture::kOpen,
                                  ui_text(UiText::kOpenCaption), 32, 25, 62, 60);
  controls::create_picture_button(window, id::kDiskSearchButton, controls::Picture::kDiskSearch,
                                  ui_text(UiText::kDiskSearchCaption), 117, 25, 62, 60);
  controls::create_picture_button(window, id::kReportButton, controls::Picture::kReport,
                                  ui_text(UiText::kReportCaption), 208, 25, 62, 60);
  controls::create_picture_button(window, id::kToolsButton, controls::Picture::kTools,
                                  ui_text(UiText::kToolsCaption), 298, 25, 62, 60);
  controls::create_label(window, id::kHomeLabel, ui_text(UiText::kHomeLabel), 408, 32, 56, 16,
                         LabelLook{white, true});
  controls::create_label(window, id::kSuggestLabel, ui_text(UiText::kSuggestLabel), 408, 56, 56,
                         16, LabelLook{white, true});

  // The report's label and progress bar lie under the navigation bar and are seen only
  // while a report hides the bar.
  ui::create_child(window, L"STATIC", ui_text(UiText::kReportLabel), WS_VISIBLE,
                   id::kReportLabel, 24, 88, 144, 18);
  HWND progress =
      ui::create_child(window, PROGRESS_CLASSW, "", WS_VISIBLE, id::kReportProgress, 174, 91, 296, 12);
  ::SendMessageW(progress, PBM_SETRANGE32, 0, 100);

  HWND nav = controls::create_frame(window, id::kNavBar, 22, 88, 456, 20, controls::FrameLook::kNone);
  ::SetWindowPos(nav, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  const COLORREF nav_colour = RGB(0x1A, 0x4F, 0x8A);
  LabelLook nav_link{nav_colour, true};
  controls::create_label(nav, id::kNavList, ui_text(UiText::kNavList), 2, 0, 61, 20, nav_link);
  controls::create_label(nav, id::kNavResults, ui_text(UiText::kNavResults), 88, 0, 72, 20,
                         nav_link);
  controls::create_label(nav, id::kNavLocalSearch, ui_text(UiText::kNavLocalSearch), 185, 0, 61,
                         20, nav_link);
  controls::create_label(nav, id::kNavAbout, ui_text(UiText::kNavAbout), 271, 0, 61, 20, nav_link);
  controls::create_label(nav, id::kNavSeries, ui_text(UiText::kNavSeries), 358, 1, 92, 18,
                         nav_link);

  controls::create_busy_indicator(window, id::kBusyPicture, 2, 374, 24, 24);
  controls::create_label(window, id::kStatusLine, "", 133, 380, 230, 16, LabelLook{RGB(0, 0, 0)});
  HWND stop = controls::create_label(window, id::kStopLabel, ui_text(UiText::kStopLabel), 380, 377,
                                     40, 20, LabelLook{RGB(0xC0, 0x1C, 0x28), true});
  ::ShowWindow(stop, SW_HIDE);
}

void fill_drive_box(HWND box) {
  wchar_t drives[512] = {};
  DWORD length = ::GetLogicalDriveStringsW(511, drives);
  if (length == 0 || length > 511) return;
  wchar_t current[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, current);
  wchar_t current_letter = static_cast<wchar_t>(towupper(current[0]));
  for (const wchar_t* root = drives; *root; root += wcslen(root) + 1) {
    if (::GetDriveTypeW(root) != DRIVE_FIXED) continue;
    std::wstring item{root[0], L':'};
    LRESULT index =
        ::SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (root[0] == current_letter) ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void create_list_page(HWND page) {
  ui::create_child(page, L"EDIT", ui_text(UiText::kSearchBoxPlaceholder),
                   WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, id::kSearchBox, 14, 7, 112,
                   18);
  controls::create_picture_button(page, id::kSearchButton, controls::Picture::kSearch,
                                  ui_text(UiText::kSearchButtonCaption), 136, 4, 60, 24);
  controls::create_label(page, id::kSearchHelp, ui_text(UiText::kSearchHelpLink), 221, 5, 56, 20,
                         controls::LabelLook{RGB(0x1A, 0x5F, 0xB4), true});
  list::create_torrent_list(page, id::kTorrentList, 7, 31, 469, 207);
  ui::create_child(page, L"BUTTON", ui_text(UiText::kAllDrives),
                   WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, id::kAllDrives, 137, 244,
                   80, 16);
  HWND one = ui::create_child(page, L"BUTTON", ui_text(UiText::kOneDrive),
                              WS_VISIBLE | BS_AUTORADIOBUTTON, id::kOneDrive, 248, 244, 73, 16);
  ::SendMessageW(one, BM_SETCHECK, BST_CHECKED, 0);
  HWND drives = ui::create_child(page, WC_COMBOBOXW, "",
                                 WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                 id::kDriveBox, 337, 242, 96, 200);
  fill_drive_box(drives);
}

void create_results_page(HWND page) {
  ui::create_child(page, L"LISTBOX", "",
                   WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                       LBS_NOINTEGRALHEIGHT,
                   id::kResultList, 16, 15, 451, 200);
  controls::create_label(page, id::kResultLabel, "", 25, 223, 367, 16,
                         controls::LabelLook{RGB(0x22, 0x22, 0x22)});
}

void register_main_window_class() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = window_proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kMainWindowClass;
  wc.hIcon = controls::make_icon(art::app_icon(ui::scaled(32)));
  wc.hIconSm = controls::make_icon(art::app_icon(ui::scaled(16)));
  ::RegisterClassExW(&wc);
}

}  // namespace

HWND create_main_window() {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                 ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&common);
  controls::register_classes();
  register_main_window_class();

  MainWindowState& s = state();
  s.search_box_brush = ::CreateSolidBrush(kWhite);
  int width = ui::scaled(kDesignWidth);
  int height = ui::scaled(kDesignHeight);
  s.face = controls::make_bitmap(
      art::main_background(width, height, static_cast<double>(ui::dpi()) / 96.0));

  s.window = ::CreateWindowExW(
      WS_EX_APPWINDOW, kMainWindowClass,
      platform::cp936_to_wide(ui_text(UiText::kWindowTitle)).c_str(),
      WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, ui::scaled(50), ui::scaled(50),
      width, height, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!s.window) return nullptr;

  create_face_controls(s.window);
  s.pages = controls::create_pages(s.window, id::kPages, 8, 107, 483, 264, kPageCount);
  ::SetWindowTextW(controls::page(s.pages, 4),
                   platform::cp936_to_wide(ui_text(UiText::kToolsPageTitle)).c_str());
  create_list_page(controls::page(s.pages, 0));
  create_results_page(controls::page(s.pages, 1));
  create_links_page(controls::page(s.pages, 2));
  controls::create_frame(controls::page(s.pages, 4), id::kToolsFrame, 8, 5, 464, 240,
                         controls::FrameLook::kBorder);
  show_page(0);

  run_creation_actions();
  return s.window;
}

HWND main_window() { return state().window; }

HWND control(int id) { return ui::find_control(state().window, id); }

void show_page(int n) { controls::show_page(state().pages, n); }

int current_page() { return controls::current_page(state().pages); }

}  // namespace shell
