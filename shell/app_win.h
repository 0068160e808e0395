// Program-wide state, the creation actions of MainWindow and the shutdown.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

struct ProgramState {
  std::string home_page_address;
  std::string site_base_address;
  bool stop_requested = false;  // the disk search's stop request
  bool search_stopped = false;
  std::string current_search_drive;
};

ProgramState& program();

// The folder of the program's executable, without a trailing backslash.
std::string program_directory();

// Fills MainWindow once its controls exist, before the user can act on it.
void run_creation_actions();

// Saves the list, lets pending messages run, and ends the process with exit code 0. A
// second request while one is running (from inside its dispatch) is ignored.
void shutdown();

}  // namespace shell
