// A test that runs the program from a folder of its own and finds its MainWindow.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/control_ids.h"
#include "tests/gui/driver.h"

namespace gui {

class ProgramTest : public testing::Test {
 protected:
  // The folders have Chinese names, so the program and its list file live at a path that
  // only code page 936 can hold.
  ProgramTest() : folder_(test_name() + L"-种子管理") {}

  static std::wstring test_name() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    return wide(std::string(info->test_suite_name()) + "-" + info->name());
  }

  // Starts the program (again, after an earlier run ended) and waits for MainWindow.
  void start() {
    ASSERT_FALSE(program_path().empty()) << "MORVALE_GUI_PROGRAM names no program";
    program_ = std::make_unique<Program>(folder_.path());
    ASSERT_TRUE(program_->started()) << "could not start " << utf8(program_path());
    main_ = program_->wait_main_window();
    ASSERT_NE(main_, nullptr) << "MainWindow did not show";
  }

  HWND control(int id) const {
    HWND found = find_control(main_, id);
    EXPECT_NE(found, nullptr) << "no control with id " << id;
    return found;
  }

  bool page_shows(int page) const {
    return wait_until([&] { return shown_page(main_) == page; });
  }

  // Brings another page forward by its link. Once it shows, the program has handled the
  // input given before, and it is taking input.
  void change_page() {
    const int target = shown_page(main_) == 2 ? 0 : 2;
    click(control(target == 2 ? shell::id::kNavAbout : shell::id::kNavList));
    ASSERT_TRUE(page_shows(target));
  }

  Folder folder_;
  std::unique_ptr<Program> program_;
  HWND main_ = nullptr;
};

}  // namespace gui
