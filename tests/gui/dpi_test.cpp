// At a higher DPI the program lays out its design at that scale itself, rather than being
// drawn small or stretched by the system.
#include <gtest/gtest.h>

#include "tests/gui/fixture.h"

namespace gui {
namespace {

namespace id = shell::id;

// Sets the DPI that programs started from now on run at, and puts back what was there.
class SystemDpi {
 public:
  explicit SystemDpi(DWORD dpi) {
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                          nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    DWORD size = sizeof old_;
    had_value_ = ::RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
    set_ = ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi),
                            sizeof dpi) == ERROR_SUCCESS;
  }
  ~SystemDpi() {
    if (!key_) return;
    if (had_value_) {
      ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&old_),
                       sizeof old_);
    } else {
      ::RegDeleteValueW(key_, L"LogPixels");
    }
    ::RegCloseKey(key_);
  }
  bool set() const { return set_; }

 private:
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool had_value_ = false;
  bool set_ = false;
};

// Where a control lies in MainWindow, in device pixels.
RECT place_in(HWND main_window, HWND control) {
  RECT window;
  RECT r;
  ::GetWindowRect(main_window, &window);
  ::GetWindowRect(control, &r);
  ::OffsetRect(&r, -window.left, -window.top);
  return r;
}

class HighDpiTest : public ProgramTest {};

TEST_F(HighDpiTest, MainWindowScalesItsDesignAt144Dpi) {
  // Read the program's windows in device pixels, as they are drawn.
  ::SetProcessDPIAware();
  SystemDpi dpi(144);
  ASSERT_TRUE(dpi.set());
  start();
  if (HasFatalFailure()) return;

  const auto at = [](int design) { return ::MulDiv(design, 144, 96); };
  RECT window;
  ::GetWindowRect(main_, &window);
  EXPECT_EQ(window.right - window.left, at(500));
  EXPECT_EQ(window.bottom - window.top, at(400));

  // The torrent list lies at 7,31 on the pages, which lie at 8,107 on the window.
  const RECT list = place_in(main_, control(id::kTorrentList));
  EXPECT_EQ(list.left, at(8) + at(7));
  EXPECT_EQ(list.top, at(107) + at(31));
  EXPECT_EQ(list.right - list.left, at(469));
  EXPECT_EQ(list.bottom - list.top, at(207));

  const RECT close = place_in(main_, control(id::kCloseLabel));
  EXPECT_EQ(close.left, at(478));
  EXPECT_EQ(close.right - close.left, at(16));
  EXPECT_TRUE(save_screenshot(main_, L"main-window-144dpi"));
}

}  // namespace
}  // namespace gui
