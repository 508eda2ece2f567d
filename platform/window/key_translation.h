#pragma once

namespace kx {

// The character a key makes on the US layout, or 0 when it makes none.
// With ctrl, letters give the control codes 1 to 26.
char16_t VirtualKeyToChar(int vk, bool shift, bool ctrl);

// The key and Shift state that type ch on the US layout; false for characters
// that have no key there.
bool CharToVirtualKey(char16_t ch, int& vk, bool& shift);

}  // namespace kx
