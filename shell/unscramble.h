// Turning a stored scrambled text back into plain text.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// Each pair of scrambled characters gives one byte: the first carries the low part (its
// position in the alphabet), the second the high part and a 3-bit mask. The result ends
// at its first zero byte.
std::string unscramble_text(std::string_view scrambled, std::string_view alphabet);

}  // namespace shell
