#include "platform/messages.h"

namespace platform {

void dispatch_native_messages();  // messages_win.cpp / messages_posix.cpp

namespace {
std::uint64_t g_dispatches = 0;
DispatchHook g_hook = nullptr;
}  // namespace

void dispatch_pending_messages() {
  ++g_dispatches;
  dispatch_native_messages();
  if (g_hook != nullptr) g_hook();
}

std::uint64_t dispatch_count() { return g_dispatches; }

void set_dispatch_hook(DispatchHook hook) { g_hook = hook; }

}  // namespace platform
