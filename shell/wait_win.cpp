#include "shell/wait_win.h"

#include <windows.h>

#include "platform/messages.h"

namespace shell {
namespace {

// Used only when no waitable timer can be had: waits on the input queue with a time-out
// counted down from a monotonic clock, so it neither spins nor returns early.
void wait_by_clock(std::int32_t microseconds) {
  const ULONGLONG end = ::GetTickCount64() + (microseconds > 0 ? (microseconds + 999) / 1000 : 0);
  for (;;) {
    ULONGLONG now = ::GetTickCount64();
    if (now >= end) return;
    DWORD left = static_cast<DWORD>(end - now);
    DWORD result = ::MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) {
      platform::dispatch_pending_messages();
    } else if (result == WAIT_FAILED) {
      ::Sleep(left);
      return;
    }
  }
}

}  // namespace

void wait_pumping_events(std::int32_t microseconds) {
  // A negative due time in 100-nanosecond units is relative to now; zero or a negative
  // argument gives a time already past, so the timer fires at once.
  LARGE_INTEGER due;
  due.QuadPart = static_cast<LONGLONG>(static_cast<double>(microseconds) * -10.0);

  HANDLE timer = ::CreateWaitableTimerW(nullptr, FALSE, nullptr);
  if (!timer || !::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    if (timer) ::CloseHandle(timer);
    wait_by_clock(microseconds);
    return;
  }
  for (;;) {
    DWORD result = ::MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) break;
    if (result == WAIT_OBJECT_0 + 1) {
      platform::dispatch_pending_messages();
      continue;
    }
    // The wait itself failed: finish the remaining time without the timer.
    ::CloseHandle(timer);
    wait_by_clock(microseconds);
    return;
  }
  ::CloseHandle(timer);
}

}  // namespace shell
