#include "shell/controls_win.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "shell/control_ids.h"
#include "shell/ui_win.h"

namespace shell::controls {
namespace {

HFONT underlined(HFONT font) {
  LOGFONTW lf{};
  ::GetObjectW(font, sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  return ::CreateFontIndirectW(&lf);
}

HFONT link_font() {
  static const HFONT f = underlined(ui::font());
  return f;
}

HFONT small_link_font() {
  static const HFONT f = underlined(ui::small_font());
  return f;
}

// Events of child controls, and the colours of the standard ones, are all handled by
// MainWindow; containers pass them up.
bool forward_to_root(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      result = ::SendMessageW(::GetAncestor(window, GA_ROOT), message, wparam, lparam);
      return true;
    default:
      return false;
  }
}

// Paints a window's own face through a memory bitmap, so transparent controls never
// flicker while their text changes.
template <typename Paint>
void paint_buffered(HWND window, Paint&& paint) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window, &ps);
  RECT client;
  ::GetClientRect(window, &client);
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  paint(memory, client);
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::EndPaint(window, &ps);
}

// A picture made into a bitmap once, when its control is created, and drawn from it at
// every paint.
struct Picture32 {
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;

  explicit Picture32(const art::Image& image)
      : bitmap(image.width > 0 && image.height > 0 ? make_bitmap(image) : nullptr),
        width(image.width),
        height(image.height) {}
  ~Picture32() {
    if (bitmap) ::DeleteObject(bitmap);
  }
  Picture32(const Picture32&) = delete;
  Picture32& operator=(const Picture32&) = delete;
};

void draw_picture32(HDC dc, const Picture32& picture, int x, int y) {
  if (!picture.bitmap) return;
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, picture.bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::AlphaBlend(dc, x, y, picture.width, picture.height, memory, 0, 0, picture.width,
               picture.height, blend);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
}

// The data a control is created with (CreateWindowEx's last argument) is kept with the
// window and deleted with it. Returns it for the message being handled; nullptr once the
// window is gone.
template <typename Data>
Data* window_data(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* data = reinterpret_cast<Data*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    delete data;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return nullptr;
  }
  return data;
}

// ---- Labels ----

struct LabelData {
  LabelLook look;
};

LabelData* label_data(HWND window) {
  return reinterpret_cast<LabelData*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void notify_root(HWND control, int code) {
  ::SendMessageW(::GetAncestor(control, GA_ROOT), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK label_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* data = window_data<LabelData>(window, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (data && data->look.see_through) {
        ::ValidateRect(window, nullptr);
        return 0;
      }
      paint_buffered(window, [&](HDC dc, RECT client) {
        paint_parent_background(window, dc);
        int length = ::GetWindowTextLengthW(window);
        if (length <= 0 || !data) return;
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
        HFONT f = data->look.link ? link_font() : data->look.bold ? ui::bold_font() : ui::font();
        HGDIOBJ old = ::SelectObject(dc, f);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, data->look.colour);
        UINT format = DT_NOPREFIX | (data->look.centred ? DT_CENTER : DT_LEFT);
        TEXTMETRICW metrics;
        ::GetTextMetricsW(dc, &metrics);
        if (client.bottom < 2 * metrics.tmHeight) {
          // A one-line label: centred on its height, and in a smaller font when the
          // window's font (which differs between systems) would not fit its width.
          format |= DT_SINGLELINE | DT_VCENTER;
          RECT needed = client;
          ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                      format | DT_CALCRECT);
          if (needed.right > client.right)
            ::SelectObject(dc, data->look.link ? small_link_font() : ui::small_font());
        } else {
          format |= DT_WORDBREAK;
        }
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
        ::SelectObject(dc, old);
      });
      return 0;
    case WM_SETTEXT: {
      LRESULT result = ::DefWindowProcW(window, message, wparam, lparam);
      ::InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case WM_SETCURSOR:
      if (data && data->look.link) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      if (data && data->look.acts_on_release) ::SetCapture(window);
      notify_root(window, kLabelPressed);
      return 0;
    case WM_LBUTTONUP:
      if (data && data->look.acts_on_release && ::GetCapture() == window) {
        ::ReleaseCapture();
        POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        RECT client;
        ::GetClientRect(window, &client);
        if (::PtInRect(&client, at)) notify_root(window, kLabelReleased);
      }
      return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

// ---- Pages and frames ----

struct FrameData {
  FrameLook look;
};

LRESULT CALLBACK pages_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (forward_to_root(window, message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      ::GetClientRect(window, &client);
      ::FillRect(reinterpret_cast<HDC>(wparam), &client, page_brush());
      return 1;
    }
    case kPaintBackground: {
      RECT client;
      ::GetClientRect(window, &client);
      ::FillRect(reinterpret_cast<HDC>(wparam), &client, page_brush());
      return 0;
    }
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

void draw_frame(HWND window, HDC dc, FrameLook look) {
  RECT client;
  ::GetClientRect(window, &client);
  if (look == FrameLook::kRule) {
    HBRUSH line = ::CreateSolidBrush(RGB(0xC8, 0xD3, 0xE0));
    ::FillRect(dc, &client, line);
    ::DeleteObject(line);
  } else if (look == FrameLook::kBorder) {
    HBRUSH line = ::CreateSolidBrush(RGB(0xD5, 0xDE, 0xEA));
    ::FrameRect(dc, &client, line);
    ::DeleteObject(line);
  }
}

LRESULT CALLBACK frame_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* data = window_data<FrameData>(window, message, lparam);
  LRESULT result = 0;
  if (forward_to_root(window, message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint_buffered(window, [&](HDC dc, RECT) {
        paint_parent_background(window, dc);
        if (data) draw_frame(window, dc, data->look);
      });
      return 0;
    case kPaintBackground:
      paint_parent_background(window, reinterpret_cast<HDC>(wparam));
      return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

// ---- Picture buttons ----

struct PictureButton {
  HWND window;
  Picture picture;
  std::unique_ptr<Picture32> normal;
  std::unique_ptr<Picture32> pressed;
  std::wstring caption;
};

std::vector<std::unique_ptr<PictureButton>>& picture_buttons() {
  static std::vector<std::unique_ptr<PictureButton>> buttons;
  return buttons;
}

int caption_height(Picture picture) {
  switch (picture) {
    case Picture::kOpen:
    case Picture::kDiskSearch:
    case Picture::kReport:
    case Picture::kTools:
      return ui::scaled(16);
    default:
      return 0;
  }
}

art::Image draw_picture(Picture picture, int width, int height, bool pressed) {
  int caption = caption_height(picture);
  switch (picture) {
    case Picture::kOpen:
      return art::tool_picture(art::ToolPicture::kOpen, width, height, caption, pressed);
    case Picture::kDiskSearch:
      return art::tool_picture(art::ToolPicture::kDiskSearch, width, height, caption, pressed);
    case Picture::kReport:
      return art::tool_picture(art::ToolPicture::kReport, width, height, caption, pressed);
    case Picture::kTools:
      return art::tool_picture(art::ToolPicture::kTools, width, height, caption, pressed);
    case Picture::kSearch:
      return art::search_button_picture(width, height, pressed);
    case Picture::kAbout:
      return art::about_picture(width, height);
  }
  return {};
}

// ---- Busy indicator ----

constexpr UINT_PTR kBusyTimer = 1;

struct BusyData {
  std::vector<std::unique_ptr<Picture32>> frames;
  int frame = 0;
  bool on = false;
};

LRESULT CALLBACK busy_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* data = window_data<BusyData>(window, message, lparam);
  switch (message) {
    case WM_TIMER:
      if (data && wparam == kBusyTimer) {
        data->frame = (data->frame + 1) % art::kBusyFrames;
        ::InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint_buffered(window, [&](HDC dc, RECT) {
        paint_parent_background(window, dc);
        // At rest the first frame stands still.
        if (data && !data->frames.empty()) draw_picture32(dc, *data->frames[data->frame], 0, 0);
      });
      return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

void register_class(const wchar_t* name, WNDPROC proc, HCURSOR cursor) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

}  // namespace

COLORREF page_colour() {
  return RGB((art::kPageColour >> 16) & 0xFF, (art::kPageColour >> 8) & 0xFF,
             art::kPageColour & 0xFF);
}

HBRUSH page_brush() {
  static const HBRUSH brush = ::CreateSolidBrush(page_colour());
  return brush;
}

void register_classes() {
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  register_class(kLabelClass, label_proc, arrow);
  register_class(kPagesClass, pages_proc, arrow);
  register_class(kPageClass, pages_proc, arrow);
  register_class(kFrameClass, frame_proc, arrow);
  register_class(kBusyClass, busy_proc, arrow);
}

void paint_parent_background(HWND child, HDC dc) {
  HWND parent = ::GetParent(child);
  if (!parent) return;
  POINT origin{0, 0};
  ::MapWindowPoints(child, parent, &origin, 1);
  POINT old;
  ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  ::SendMessageW(parent, kPaintBackground, reinterpret_cast<WPARAM>(dc), 0);
  ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

HWND create_label(HWND parent, int id, std::string_view text, int x, int y, int width,
                  int height, const LabelLook& look) {
  HWND label = ::CreateWindowExW(
      look.see_through ? WS_EX_TRANSPARENT : 0, kLabelClass, platform::cp936_to_wide(text).c_str(),
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, ui::scaled(x), ui::scaled(y), ui::scaled(width),
      ui::scaled(height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      ::GetModuleHandleW(nullptr), new LabelData{look});
  return label;
}

void set_label_colour(HWND label, COLORREF colour) {
  if (LabelData* data = label_data(label)) {
    data->look.colour = colour;
    ::InvalidateRect(label, nullptr, FALSE);
  }
}

HWND create_pages(HWND parent, int id, int x, int y, int width, int height, int page_count) {
  HWND pages = ui::create_child(parent, kPagesClass, "", WS_VISIBLE | WS_CLIPCHILDREN, id, x, y,
                                width, height, WS_EX_CONTROLPARENT);
  RECT client;
  ::GetClientRect(pages, &client);
  for (int n = 0; n < page_count; ++n) {
    ::CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                      client.right, client.bottom, pages,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id::kPage0 + n)),
                      ::GetModuleHandleW(nullptr), nullptr);
  }
  return pages;
}

HWND page(HWND pages, int n) { return ::GetDlgItem(pages, id::kPage0 + n); }

void show_page(HWND pages, int n) {
  HWND shown = page(pages, n);
  if (!shown) return;
  ::ShowWindow(shown, SW_SHOW);
  for (HWND child = ::GetWindow(pages, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (child != shown) ::ShowWindow(child, SW_HIDE);
}

int current_page(HWND pages) {
  for (HWND child = ::GetWindow(pages, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::IsWindowVisible(child)) return ::GetDlgCtrlID(child) - id::kPage0;
  return -1;
}

HWND create_frame(HWND parent, int id, int x, int y, int width, int height, FrameLook look) {
  return ::CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                           ui::scaled(x), ui::scaled(y), ui::scaled(width), ui::scaled(height),
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), new FrameData{look});
}

HWND create_picture_button(HWND parent, int id, Picture picture, std::string_view caption, int x,
                           int y, int width, int height) {
  HWND button = ui::create_child(parent, L"BUTTON", caption,
                                 WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, id, x, y, width, height);
  auto data = std::make_unique<PictureButton>();
  data->window = button;
  data->picture = picture;
  data->normal = std::make_unique<Picture32>(
      draw_picture(picture, ui::scaled(width), ui::scaled(height), false));
  data->pressed = std::make_unique<Picture32>(
      draw_picture(picture, ui::scaled(width), ui::scaled(height), true));
  data->caption = platform::cp936_to_wide(caption);
  picture_buttons().push_back(std::move(data));
  return button;
}

bool draw_picture_button(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return false;
  PictureButton* button = nullptr;
  for (auto& b : picture_buttons())
    if (b->window == item.hwndItem) button = b.get();
  if (!button) return false;

  RECT r = item.rcItem;
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  HDC memory = ::CreateCompatibleDC(item.hDC);
  HBITMAP bitmap = ::CreateCompatibleBitmap(item.hDC, width, height);
  HGDIOBJ old_bitmap = ::SelectObject(memory, bitmap);
  paint_parent_background(item.hwndItem, memory);

  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  draw_picture32(memory, pressed ? *button->pressed : *button->normal, 0, 0);

  if (!button->caption.empty() && button->picture != Picture::kAbout) {
    HGDIOBJ old_font = ::SelectObject(memory, ui::font());
    ::SetBkMode(memory, TRANSPARENT);
    RECT text = {0, 0, width, height};
    UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_CENTER;
    if (button->picture == Picture::kSearch) {
      text.left = height;  // beside the magnifier, on the light button
      format |= DT_VCENTER;
      ::SetTextColor(memory, RGB(0x1A, 0x4F, 0x8A));
    } else {
      text.top = height - caption_height(button->picture);
      format |= DT_VCENTER;
      ::SetTextColor(memory, RGB(255, 255, 255));
    }
    if (pressed) ::OffsetRect(&text, 1, 1);
    if (disabled) ::SetTextColor(memory, RGB(0xA0, 0xAA, 0xB8));
    ::DrawTextW(memory, button->caption.c_str(), -1, &text, format);
    ::SelectObject(memory, old_font);
  }
  if (disabled) {
    // A disabled picture fades into what lies under it.
    HDC faded = ::CreateCompatibleDC(item.hDC);
    HBITMAP under = ::CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ old_under = ::SelectObject(faded, under);
    paint_parent_background(item.hwndItem, faded);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 140, 0};
    ::AlphaBlend(memory, 0, 0, width, height, faded, 0, 0, width, height, blend);
    ::SelectObject(faded, old_under);
    ::DeleteObject(under);
    ::DeleteDC(faded);
  }
  ::BitBlt(item.hDC, r.left, r.top, width, height, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old_bitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  return true;
}

HWND create_busy_indicator(HWND parent, int id, int x, int y, int width, int height) {
  auto* data = new BusyData;
  const int size = ui::scaled(width < height ? width : height);
  for (int i = 0; i < art::kBusyFrames; ++i)
    data->frames.push_back(std::make_unique<Picture32>(art::busy_frame(i, size)));
  return ::CreateWindowExW(0, kBusyClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                           ui::scaled(x), ui::scaled(y), ui::scaled(width), ui::scaled(height),
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), data);
}

void set_busy(HWND indicator, bool on) {
  auto* data = reinterpret_cast<BusyData*>(::GetWindowLongPtrW(indicator, GWLP_USERDATA));
  if (!data || data->on == on) return;
  data->on = on;
  if (on) {
    ::SetTimer(indicator, kBusyTimer, 80, nullptr);
  } else {
    ::KillTimer(indicator, kBusyTimer);
    data->frame = 0;
    ::InvalidateRect(indicator, nullptr, FALSE);
  }
}

HBITMAP make_bitmap(const art::Image& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits)
    memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(image.pixels[0]));
  return bitmap;
}

HICON make_icon(const art::Image& image) {
  HBITMAP colour = make_bitmap(image);
  // An all-zero mask: the colour bitmap's alpha decides what shows.
  std::vector<BYTE> zeros(static_cast<std::size_t>((image.width + 15) / 16 * 2) * image.height);
  HBITMAP mask = ::CreateBitmap(image.width, image.height, 1, 1, zeros.data());
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = ::CreateIconIndirect(&info);
  ::DeleteObject(mask);
  ::DeleteObject(colour);
  return icon;
}

}  // namespace shell::controls
