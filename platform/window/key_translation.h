#pragma once

#include <string_view>
#include <vector>

#include "platform/window/device_context.h"

namespace kx {

// The character a key makes on the US layout, or 0 when it makes none.
// With ctrl, letters give the control codes 1 to 26.
char16_t VirtualKeyToChar(int vk, bool shift, bool ctrl);

// The key and Shift state that type ch on the US layout; false for characters
// that have no key there.
bool CharToVirtualKey(char16_t ch, int& vk, bool& shift);

// Committed text of a text event (typed, composed or from a dead key) as one
// character input per code point; a byte that is not UTF-8 comes as U+FFFD, and
// control characters, which the keys make themselves, are left out.
std::vector<RawInput> CharInputsFromText(std::string_view utf8);

}  // namespace kx
