#include "tests/gui/driver.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "art/png.h"

namespace gui {
namespace {

// How long to sleep between two looks at a condition: short enough to catch a 200 ms
// state, long enough to leave the program the processor.
constexpr std::chrono::milliseconds kPoll{10};

// Messages to another process's windows give up after this, so a hung program fails the
// test in place of hanging it.
constexpr UINT kMessageTimeoutMs = 5000;

LRESULT send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result))
    return 0;
  return static_cast<LRESULT>(result);
}

std::wstring environment(const wchar_t* name) {
  const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(name, value.data(), size);
  value.resize(length);
  return value;
}

// Memory in another process, for the list view messages whose structures hold pointers:
// those are not carried across processes, so the structure and its text buffer must live
// in the list's own process.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, std::size_t size) : size_(size) {
    process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                             process_of(window));
    if (process_)
      address_ =
          ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteMemory() {
    if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) ::CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* address(std::size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
  LPARAM param() const { return reinterpret_cast<LPARAM>(address_); }
  bool write(const void* bytes, std::size_t size, std::size_t offset = 0) const {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           ::WriteProcessMemory(process_, address(offset), bytes, size, &done) && done == size;
  }
  bool read(void* bytes, std::size_t size, std::size_t offset = 0) const {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           ::ReadProcessMemory(process_, address(offset), bytes, size, &done) && done == size;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_;
};

void send_inputs(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT key_input(WORD virtual_key, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

// Collects every window an enumeration passes into the vector behind `found`.
BOOL CALLBACK collect_window(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> children(HWND root) {
  std::vector<HWND> found;
  ::EnumChildWindows(root, collect_window, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> visible_top_level(DWORD pid) {
  std::vector<HWND> all;
  ::EnumWindows(collect_window, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> mine;
  for (HWND window : all)
    if (process_of(window) == pid && ::IsWindowVisible(window)) mine.push_back(window);
  return mine;
}

// The edit box where the open dialog takes the file names: in a combo box on the newer
// dialog, a plain edit box on the older one.
HWND file_name_box(HWND dialog) {
  HWND combo = ::GetDlgItem(dialog, cmb13);
  if (combo) {
    for (HWND child : children(combo))
      if (class_of(child) == L"Edit") return child;
  }
  return ::GetDlgItem(dialog, edt1);
}

// The folder an open dialog shows. The answer is written into a buffer that must lie in
// the dialog's process.
std::wstring dialog_folder(HWND dialog) {
  constexpr std::size_t kChars = 1024;
  RemoteMemory memory(dialog, kChars * sizeof(wchar_t));
  if (!memory.ok()) return {};
  const auto length = send(dialog, CDM_GETFOLDERPATH, kChars, memory.param());
  if (length <= 1 || static_cast<std::size_t>(length) > kChars) return {};
  std::wstring path(static_cast<std::size_t>(length) - 1, L'\0');  // the count holds the 0
  memory.read(path.data(), path.size() * sizeof(wchar_t));
  return path;
}

bool same_path(std::wstring a, std::wstring b) {
  for (auto* path : {&a, &b})
    while (!path->empty() && path->back() == L'\\') path->pop_back();
  return !a.empty() && ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Replaces the text of an edit box by typing it. The box gets the focus through a real
// click, its old text is selected so that typing replaces it, and when the keys did not
// arrive (no keyboard focus to be had) the text is set directly.
bool enter_text(HWND box, std::wstring_view value) {
  click(box);
  wait_until([&] { return focus_in_thread_of(box) == box; }, std::chrono::milliseconds(5000));
  send(box, EM_SETSEL, 0, -1);
  type(value);
  if (wait_until([&] { return text_of(box) == value; }, std::chrono::milliseconds(5000)))
    return true;
  std::fprintf(stderr, "typing did not reach the box; setting its text\n");
  const std::wstring copy(value);
  send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  return text_of(box) == value;
}

bool fail(const std::string& why) {
  std::fprintf(stderr, "%s\n", why.c_str());
  return false;
}

}  // namespace

bool wait_until(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return condition();
    std::this_thread::sleep_for(kPoll);
  }
}

std::string utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring wide(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), size);
  return out;
}

std::wstring program_path() { return environment(L"MORVALE_GUI_PROGRAM"); }
std::wstring screenshot_folder() { return environment(L"MORVALE_GUI_SCREENSHOTS"); }

// --- Folder -------------------------------------------------------------------------------

Folder::Folder(std::wstring_view name) {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
  std::wstring base(temp, length);
  // The long form, as the open dialog and the program's own paths spell it.
  wchar_t long_form[MAX_PATH + 1];
  const DWORD long_length = ::GetLongPathNameW(base.c_str(), long_form, MAX_PATH + 1);
  if (long_length > 0 && long_length <= MAX_PATH) base.assign(long_form, long_length);
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  path_ = base + L"\\morvale-gui-" + std::wstring(name);
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
  std::filesystem::create_directories(std::filesystem::path(path_), ignored);
}

Folder::~Folder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

std::wstring Folder::path_of(std::wstring_view name) const {
  return path_ + L"\\" + std::wstring(name);
}

void Folder::write(std::wstring_view name, std::string_view bytes) const {
  std::ofstream(std::filesystem::path(path_of(name)), std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Folder::read(std::wstring_view name) const {
  std::ifstream in(std::filesystem::path(path_of(name)), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> Folder::names() const {
  std::vector<std::wstring> found;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(path_, ignored))
    found.push_back(entry.path().filename().wstring());
  std::sort(found.begin(), found.end());
  return found;
}

// --- Program ------------------------------------------------------------------------------

Program::Program(const std::wstring& folder) {
  const std::wstring source = program_path();
  const std::wstring copy = folder + L"\\morvalebt.exe";
  if (source.empty()) return;
  if (::GetFileAttributesW(copy.c_str()) == INVALID_FILE_ATTRIBUTES &&
      !::CopyFileW(source.c_str(), copy.c_str(), FALSE))
    return;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + copy + L"\"";
  if (!::CreateProcessW(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
    return;
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
}

Program::~Program() {
  terminate();
  if (process_) ::CloseHandle(process_);
}

bool Program::running() const {
  return process_ && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD Program::wait_exit(std::chrono::milliseconds deadline) const {
  if (!process_) return STILL_ACTIVE;
  if (::WaitForSingleObject(process_, static_cast<DWORD>(deadline.count())) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_, &code);
  return code;
}

HWND Program::wait_main_window() const {
  HWND found = nullptr;
  wait_until([&] {
    for (HWND window : windows())
      if (class_of(window) == L"MorvaleBT.MainWindow") found = window;
    return found != nullptr || !running();
  });
  return found;
}

std::vector<HWND> Program::windows() const { return visible_top_level(pid_); }

void Program::terminate() {
  if (!running()) return;
  ::TerminateProcess(process_, 1);
  // The next run may start only when this one is gone, with its single-instance marker.
  ::WaitForSingleObject(process_, static_cast<DWORD>(kDeadline.count()));
}

// --- Controls -----------------------------------------------------------------------------

HWND find_control(HWND root, int id) {
  for (HWND child : children(root))
    if (::GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

std::wstring text_of(HWND window) {
  const auto length = static_cast<std::size_t>(send(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

std::wstring class_of(HWND window) {
  wchar_t name[256];
  const int length = ::GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(std::max(length, 0)));
}

DWORD process_of(HWND window) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  return pid;
}

int shown_page(HWND main_window) {
  int shown = -1;
  for (int n = 0; n < 5; ++n) {
    HWND page = find_control(main_window, 1200 + n);
    if (page && ::IsWindowVisible(page)) {
      if (shown != -1) return -1;
      shown = n;
    }
  }
  return shown;
}

HWND focus_in_thread_of(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::pair<int, int> selection_of(HWND edit) {
  const auto both = static_cast<DWORD>(send(edit, EM_GETSEL, 0, 0));
  return {static_cast<int>(LOWORD(both)), static_cast<int>(HIWORD(both))};
}

LRESULT send_text(HWND window, UINT message, WPARAM wparam, std::wstring_view text) {
  const std::wstring copy(text);
  return send(window, message, wparam, reinterpret_cast<LPARAM>(copy.c_str()));
}

// --- Input --------------------------------------------------------------------------------

POINT centre_of(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void move_mouse(POINT at) {
  ::SetCursorPos(at.x, at.y);
  // A real move as well, so the window under the pointer sees it arrive.
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = static_cast<LONG>((at.x * 65536 + width / 2) / width);
  input.mi.dy = static_cast<LONG>((at.y * 65536 + height / 2) / height);
  send_inputs({input});
  wait_until(
      [&] {
        POINT now{};
        ::GetCursorPos(&now);
        if (now.x == at.x && now.y == at.y) return true;
        ::SetCursorPos(at.x, at.y);
        return false;
      },
      std::chrono::milliseconds(2000));
}

void left_button(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  send_inputs({input});
}

void press(HWND window) {
  move_mouse(centre_of(window));
  left_button(true);
}

void release(HWND window) {
  move_mouse(centre_of(window));
  left_button(false);
}

void click(HWND window) {
  move_mouse(centre_of(window));
  left_button(true);
  left_button(false);
}

void key(WORD virtual_key, bool down) {
  const WORD scan = static_cast<WORD>(::MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  send_inputs({key_input(virtual_key, scan, down ? 0 : KEYEVENTF_KEYUP)});
}

void keys(std::initializer_list<WORD> chord) {
  for (WORD k : chord) key(k, true);
  for (auto k = std::rbegin(chord); k != std::rend(chord); ++k) key(*k, false);
}

void type(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    inputs.push_back(key_input(0, static_cast<WORD>(c), KEYEVENTF_UNICODE));
    inputs.push_back(key_input(0, static_cast<WORD>(c), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  send_inputs(std::move(inputs));
}

bool bring_to_front(HWND window) {
  return wait_until(
      [&] {
        if (::GetForegroundWindow() == window) return true;
        ::SetForegroundWindow(window);
        return false;
      },
      std::chrono::milliseconds(5000));
}

// --- Dialogs ------------------------------------------------------------------------------

std::vector<HWND> dialogs(DWORD pid) {
  std::vector<HWND> found;
  for (HWND window : visible_top_level(pid))
    if (class_of(window) == L"#32770") found.push_back(window);
  return found;
}

HWND wait_dialog(DWORD pid, std::wstring_view title) {
  HWND found = nullptr;
  wait_until([&] {
    for (HWND dialog : dialogs(pid))
      if (title.empty() || text_of(dialog) == title) found = dialog;
    return found != nullptr;
  });
  return found;
}

MessageBoxTexts read_message_box(HWND box) {
  MessageBoxTexts texts;
  texts.title = text_of(box);
  for (HWND child : children(box)) {
    if (class_of(child) != L"Static") continue;
    const std::wstring text = text_of(child);
    if (!text.empty()) {
      texts.text = text;
      break;
    }
  }
  return texts;
}

bool answer(HWND box, int button_id) {
  HWND button = ::GetDlgItem(box, button_id);
  if (!button) return false;
  click(button);
  if (wait_until([&] { return !::IsWindow(box); }, std::chrono::milliseconds(5000))) return true;
  // The click did not reach it (the box lies under another window): press it by message.
  std::fprintf(stderr, "the click did not close the box; pressing its button by message\n");
  send(button, BM_CLICK, 0, 0);
  return wait_until([&] { return !::IsWindow(box); });
}

bool choose_files(HWND dialog, const std::wstring& folder, const std::vector<std::wstring>& names) {
  HWND box = file_name_box(dialog);
  if (!box) return fail("the open dialog has no file name box");
  // Typing a folder and Enter takes the dialog there (unless it shows that folder already,
  // as it does when it opens where it was last closed).
  const auto in_folder = [&] { return same_path(dialog_folder(dialog), folder); };
  if (!in_folder()) {
    if (!enter_text(box, folder)) return fail("the folder could not be typed");
    key(VK_RETURN, true);
    key(VK_RETURN, false);
    if (!wait_until(in_folder)) {
      save_screenshot(dialog, L"open-dialog-failure");
      return fail("the dialog did not go to the folder; it shows " + utf8(dialog_folder(dialog)));
    }
  }
  std::wstring chosen;
  for (const auto& name : names) chosen += (chosen.empty() ? L"\"" : L" \"") + name + L"\"";
  if (!enter_text(box, chosen)) return fail("the file names could not be typed");
  HWND open = ::GetDlgItem(dialog, IDOK);
  if (!open) return fail("the open dialog has no Open button");
  click(open);
  if (wait_until([&] { return !::IsWindow(dialog); })) return true;
  return fail("the dialog stayed open; its box holds " + utf8(text_of(box)));
}

// --- The list view ------------------------------------------------------------------------

int row_count(HWND list) { return static_cast<int>(send(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring cell_text(HWND list, int row, int column) {
  constexpr std::size_t kChars = 1024;
  RemoteMemory memory(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
  if (!memory.ok()) return L"<no memory in the program>";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(memory.address(sizeof(LVITEMW)));
  item.cchTextMax = static_cast<int>(kChars);
  const wchar_t none = L'\0';
  memory.write(&item, sizeof(item));
  memory.write(&none, sizeof(none), sizeof(LVITEMW));
  const auto length = static_cast<std::size_t>(
      send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), memory.param()));
  std::wstring text(std::min(length, kChars - 1), L'\0');
  if (!text.empty()) memory.read(text.data(), text.size() * sizeof(wchar_t), sizeof(LVITEMW));
  return text;
}

int check_state(HWND list, int row) {
  const auto state = static_cast<UINT>(
      send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return static_cast<int>(state >> 12) - 1;
}

int image_of(HWND list, int row) {
  RemoteMemory memory(list, sizeof(LVITEMW));
  if (!memory.ok()) return -2;
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = -2;
  memory.write(&item, sizeof(item));
  if (!send(list, LVM_GETITEMW, 0, memory.param())) return -2;
  memory.read(&item, sizeof(item));
  return item.iImage;
}

bool set_check(HWND list, int row, bool checked) {
  RemoteMemory memory(list, sizeof(LVITEMW));
  if (!memory.ok()) return false;
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  memory.write(&item, sizeof(item));
  return send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), memory.param()) != 0;
}

std::vector<ListRow> read_rows(HWND list, int columns) {
  std::vector<ListRow> rows;
  const int count = row_count(list);
  for (int row = 0; row < count; ++row) {
    ListRow r;
    for (int column = 0; column < columns; ++column)
      r.cells.push_back(cell_text(list, row, column));
    r.check = check_state(list, row);
    r.image = image_of(list, row);
    rows.push_back(std::move(r));
  }
  return rows;
}

// --- Screen -------------------------------------------------------------------------------

art::Image capture(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  art::Image image;
  if (bitmap && bits) {
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    image = art::Image(width, height);
    const auto* source = static_cast<const std::uint32_t*>(bits);
    // The screen has no alpha: every pixel is opaque.
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] = 0xFF000000u | (source[i] & 0x00FFFFFFu);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
  }
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return image;
}

bool save_screenshot(HWND window, std::wstring_view name) {
  const std::wstring folder = screenshot_folder();
  if (folder.empty()) return false;
  // Painting follows a change a little later: take the picture once two looks agree.
  art::Image image = capture(window);
  wait_until(
      [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        art::Image again = capture(window);
        const bool same = again.pixels == image.pixels;
        image = std::move(again);
        return same;
      },
      std::chrono::milliseconds(3000));
  if (image.pixels.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(folder), ignored);
  const std::string png = art::encode_png(image);
  std::ofstream out(std::filesystem::path(folder + L"\\" + std::wstring(name) + L".png"),
                    std::ios::binary);
  out.write(png.data(), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(out);
}

}  // namespace gui
