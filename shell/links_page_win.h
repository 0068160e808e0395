// The about and links page, and every link of MainWindow that opens a web page.
#pragma once

#include <windows.h>

#include <string_view>

namespace shell {

void create_links_page(HWND page);

// Asks the shell to open the address with the given show mode; failures are not reported.
void open_link(std::string_view address, int show_mode);

// Runs the link behind a pressed label; false when the id is not a link.
bool press_link(int id);

}  // namespace shell
