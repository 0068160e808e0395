#include "platform/messages.h"

namespace platform {

// No window system here: nothing is waiting to be dispatched.
void dispatch_native_messages() {}

}  // namespace platform
