// Waiting while the windows stay alive.
#pragma once

#include <cstdint>

namespace shell {

// Waits at least `microseconds`, dispatching every window message that arrives meanwhile,
// so any handler (even one that ends the program) can run during the wait.
void wait_pumping_events(std::int32_t microseconds);

}  // namespace shell
