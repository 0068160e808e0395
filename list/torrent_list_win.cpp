#include "list/torrent_list_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "art/artwork.h"
#include "list/list_file.h"
#include "list/torrent_rows.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "shell/controls_win.h"
#include "shell/ui_texts.h"
#include "shell/ui_win.h"

namespace list {
namespace {

using shell::UiText;
using shell::ui_text;

HIMAGELIST make_image_list(int size, const std::vector<art::Image>& images) {
  HIMAGELIST list = ::ImageList_Create(size, size, ILC_COLOR32, static_cast<int>(images.size()), 0);
  for (const art::Image& image : images) {
    HBITMAP bitmap = shell::controls::make_bitmap(image);
    ::ImageList_Add(list, bitmap, nullptr);
    ::DeleteObject(bitmap);
  }
  return list;
}

void add_column(HWND list, int index, UiText title, int width) {
  std::wstring text = platform::cp936_to_wide(ui_text(title));
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = shell::ui::scaled(width);
  column.iSubItem = index;
  ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

// The paths the open dialog returns: one full path, or a folder followed by names.
std::vector<std::wstring> chosen_paths(const std::vector<wchar_t>& buffer) {
  std::vector<std::wstring> parts;
  for (const wchar_t* p = buffer.data(); *p; p += wcslen(p) + 1) parts.emplace_back(p);
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

// The cells of the list control, read at the moment the save asks for them.
class ListCells : public CellSource {
 public:
  explicit ListCells(HWND list) : list_(list) {}
  int row_count() const override { return list::row_count(list_); }
  int column_count() const override { return list::column_count(list_); }
  std::string cell_text(int row, int column) const override {
    return list::cell_text(list_, row, column);
  }

 private:
  HWND list_;
};

}  // namespace

HWND create_torrent_list(HWND parent, int id, int x, int y, int width, int height) {
  HWND list = shell::ui::create_child(
      parent, WC_LISTVIEWW, "",
      WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
          LVS_NOSORTHEADER,
      id, x, y, width, height);
  ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
  ::SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
  ::SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
  ::SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));

  int icon_size = shell::ui::scaled(16);
  int check_size = shell::ui::scaled(14);
  ::SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(make_image_list(icon_size, {art::row_icon(icon_size)})));
  // State image 1 is the unchecked box, state image 2 the checked one.
  ::SendMessageW(list, LVM_SETIMAGELIST, LVSIL_STATE,
                 reinterpret_cast<LPARAM>(make_image_list(
                     check_size, {art::check_box(false, check_size),
                                  art::check_box(true, check_size)})));

  add_column(list, 0, UiText::kColumnName, 180);
  add_column(list, 1, UiText::kColumnLocation, 200);
  add_column(list, 2, UiText::kColumnSize, 60);
  return list;
}

int row_count(HWND list) {
  return static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int column_count(HWND list) {
  HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string cell_text(HWND list, int row, int column) {
  if (row < 0 || row >= row_count(list)) return {};
  std::vector<wchar_t> buffer(260);
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    auto length = static_cast<std::size_t>(::SendMessageW(
        list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < buffer.size())
      return platform::wide_to_cp936(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 4);
  }
}

int check_state(HWND list, int row) {
  auto state = static_cast<UINT>(
      ::SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state >> 12) == 2 ? 1 : 0;
}

int current_row(HWND list) {
  return static_cast<int>(
      ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int insert_row(HWND list, int index, std::string_view name) {
  std::wstring text = platform::cp936_to_wide(name);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
  item.iItem = index < 0 ? 0 : index;
  item.pszText = text.data();
  item.iImage = I_IMAGENONE;
  item.state = INDEXTOSTATEIMAGEMASK(1);
  item.stateMask = LVIS_STATEIMAGEMASK;
  if (item.iItem > row_count(list)) item.iItem = row_count(list);
  return static_cast<int>(
      ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void set_icon(HWND list, int row, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = image;
  ::SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void set_cell_text(HWND list, int row, int column, std::string_view text) {
  std::wstring wide = platform::cp936_to_wide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void remove_row(HWND list, int row) {
  if (row < 0 || row >= row_count(list)) return;
  ::SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void remove_all_rows(HWND list) { ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0); }

void open_torrent_files(HWND list) {
  std::wstring title = platform::cp936_to_wide(ui_text(UiText::kOpenDialogTitle));
  // "description|pattern" becomes the dialog's pairs of texts ended by two zeros.
  std::wstring filter = platform::cp936_to_wide(ui_text(UiText::kOpenDialogFilter));
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');

  std::vector<wchar_t> buffer(1 << 20, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                 OFN_HIDEREADONLY;
  if (!::GetOpenFileNameW(&dialog)) return;
  std::vector<std::wstring> paths = chosen_paths(buffer);
  if (paths.empty()) return;

  ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  remove_all_rows(list);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    platform::dispatch_pending_messages();
    ::Sleep(1);
    std::string path = platform::wide_to_cp936(paths[i]);
    std::int64_t size = platform::file_size(path);
    RowPathParts parts = split_row_path(path);
    if (!accepts_opened_file(size, parts.name)) continue;
    int row = insert_row(list, static_cast<int>(i), parts.name);
    set_icon(list, row, 0);
    set_cell_text(list, row, 1, parts.location);
    set_cell_text(list, row, 2, size_text(size, ui_text(UiText::kSizeSuffix)));
  }
}

void load_list_file(std::string_view path, HWND list, std::string_view password, int image) {
  ListFileContent file = read_list_file(path, password);
  if (file.state != ListFileState::kRead) return;
  const int columns = column_count(list);
  for (const std::vector<std::string>& cells : parse_list_text(file.content)) {
    int row = insert_row(list, row_count(list), "");
    for (std::size_t k = 0; k < cells.size(); ++k) {
      // Pieces beyond the list's columns have no cell to show them.
      if (static_cast<int>(k) < columns)
        set_cell_text(list, row, static_cast<int>(k), cells[k]);
      if (image != -1) set_icon(list, row, image);
    }
  }
}

bool save_list_file(HWND list, std::string_view path, std::string_view password) {
  ListCells cells(list);
  return write_list_file(path, password, build_list_text(cells));
}

}  // namespace list
