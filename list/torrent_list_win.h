// The torrent list: the list view on the first page and the operations every other part
// of the program uses on it. Rows hold three texts (name, location, size text), an icon
// and a check state, and nothing else.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace list {

HWND create_torrent_list(HWND parent, int id, int x, int y, int width, int height);

int row_count(HWND list);
int column_count(HWND list);
// Empty for a row that does not exist (-1 included).
std::string cell_text(HWND list, int row, int column);
int check_state(HWND list, int row);  // 0 unchecked, 1 checked
int current_row(HWND list);           // the selected row, -1 when none
// Inserts before `index` (at or past the end appends); the new row is unchecked and has
// no icon. Returns its index.
int insert_row(HWND list, int index, std::string_view name);
void set_icon(HWND list, int row, int image);
void set_cell_text(HWND list, int row, int column, std::string_view text);
void remove_row(HWND list, int row);
void remove_all_rows(HWND list);

// The open button: the files chosen in the open dialog replace the list's rows.
void open_torrent_files(HWND list);

// Appends the rows kept in the list file; `image` is the icon each loaded row gets (-1
// for none).
void load_list_file(std::string_view path, HWND list, std::string_view password, int image);
// Writes every row's cell texts to the list file. True when it was written.
bool save_list_file(HWND list, std::string_view path, std::string_view password);

}  // namespace list
