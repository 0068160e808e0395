#include "shell/ui_win.h"

#include "platform/codepage.h"

namespace shell::ui {

int dpi() {
  static const int value = [] {
    HDC screen = ::GetDC(nullptr);
    int d = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return d > 0 ? d : 96;
  }();
  return value;
}

int scaled(int design_pixels) { return ::MulDiv(design_pixels, dpi(), 96); }

namespace {

HFONT make_font(int weight, int tenths_of_points = 90) {
  LOGFONTW lf{};
  lf.lfHeight = -::MulDiv(tenths_of_points, dpi(), 720);
  lf.lfWeight = weight;
  lf.lfCharSet = GB2312_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  ::lstrcpynW(lf.lfFaceName, L"\u5B8B\u4F53", LF_FACESIZE);  // 宋体
  return ::CreateFontIndirectW(&lf);
}

}  // namespace

HFONT font() {
  static const HFONT f = make_font(FW_NORMAL);
  return f;
}

HFONT small_font() {
  static const HFONT f = make_font(FW_NORMAL, 75);
  return f;
}

HFONT bold_font() {
  static const HFONT f = make_font(FW_BOLD);
  return f;
}

void set_text(HWND window, std::string_view cp936) {
  ::SetWindowTextW(window, platform::cp936_to_wide(cp936).c_str());
}

std::string get_text(HWND window) {
  int length = ::GetWindowTextLengthW(window);
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  int got = ::GetWindowTextW(window, wide.data(), length + 1);
  wide.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return platform::wide_to_cp936(wide);
}

int message_box(std::string_view text, std::string_view title, UINT flags) {
  return ::MessageBoxW(nullptr, platform::cp936_to_wide(text).c_str(),
                       platform::cp936_to_wide(title).c_str(), flags);
}

HWND create_child(HWND parent, const wchar_t* window_class, std::string_view text, DWORD style,
                  int id, int x, int y, int width, int height, DWORD ex_style) {
  HWND child = ::CreateWindowExW(
      ex_style, window_class, platform::cp936_to_wide(text).c_str(),
      style | WS_CHILD | WS_CLIPSIBLINGS, scaled(x), scaled(y), scaled(width), scaled(height),
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
      nullptr);
  if (child) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  return child;
}

HWND find_control(HWND root, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  ::EnumChildWindows(
      root,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (::GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace shell::ui
