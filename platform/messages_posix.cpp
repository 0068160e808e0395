#include <time.h>

#include "platform/messages.h"

namespace platform {

// No window system here: nothing is waiting to be dispatched.
void dispatch_native_messages() {}

void sleep_milliseconds(unsigned milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&remaining, &remaining) != 0) {
  }
}

}  // namespace platform
