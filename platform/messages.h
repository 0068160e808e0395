// Dispatching the window messages that are waiting, so long work keeps the windows alive.
#pragma once

#include <cstdint>

namespace platform {

// Dispatches every window message waiting for this thread, stopping early at a quit
// request (which stays queued for the message loop). Where there are no windows (POSIX)
// this only runs the hook below.
void dispatch_pending_messages();

// How many times dispatch_pending_messages has run in this process.
std::uint64_t dispatch_count();

// A function run at every dispatch, after the messages; nullptr for none. Tests use it
// to act while a long operation is in progress.
using DispatchHook = void (*)();
void set_dispatch_hook(DispatchHook hook);

}  // namespace platform
