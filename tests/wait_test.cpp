// Waiting while window messages are dispatched: the wait lasts at least its time, and what
// arrives meanwhile is handled before it returns.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "shell/wait_win.h"

namespace {

double milliseconds_since(LARGE_INTEGER start) {
  LARGE_INTEGER now;
  LARGE_INTEGER frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now() {
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return t;
}

std::atomic<int> handled{0};

LRESULT CALLBACK counting_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) {
    ++handled;
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

// A message-only window of this thread that counts the WM_APP messages it handles.
HWND counting_window() {
  static const HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = counting_proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MorvaleBT.WaitTest";
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             wc.hInstance, nullptr);
  }();
  return window;
}

TEST(WaitPumpingEvents, WaitsAtLeastTheRequestedTimeWhenNothingArrives) {
  ASSERT_NE(counting_window(), nullptr);
  handled = 0;
  for (int microseconds : {1000, 20000, 60000}) {
    const LARGE_INTEGER start = now();
    shell::wait_pumping_events(microseconds);
    // Allow the half millisecond by which clocks of different resolution may disagree.
    EXPECT_GE(milliseconds_since(start) + 0.5, microseconds / 1000.0) << microseconds;
  }
  EXPECT_EQ(handled, 0);
}

TEST(WaitPumpingEvents, HandlesWhatArrivesDuringTheWaitAndStillWaitsItsTime) {
  HWND window = counting_window();
  ASSERT_NE(window, nullptr);
  handled = 0;
  const LARGE_INTEGER start = now();
  // A steady stream of messages from another thread, as mouse moves would come.
  std::thread sender([window] {
    for (int i = 0; i < 10; ++i) {
      ::PostMessageW(window, WM_APP, 0, 0);
      ::Sleep(5);
    }
  });
  shell::wait_pumping_events(150000);
  const double waited = milliseconds_since(start);
  sender.join();
  EXPECT_GE(waited + 0.5, 150.0);
  EXPECT_EQ(handled, 10) << "every message posted during the wait is handled before it ends";
}

TEST(WaitPumpingEvents, ZeroOrNegativeTimeReturnsAfterTheFirstWait) {
  HWND window = counting_window();
  ASSERT_NE(window, nullptr);
  for (int microseconds : {0, -1, -200000}) {
    const LARGE_INTEGER start = now();
    shell::wait_pumping_events(microseconds);
    // A time already past: the call comes back at once rather than waiting or hanging.
    EXPECT_LT(milliseconds_since(start), 1000.0) << microseconds;
  }
}

}  // namespace
