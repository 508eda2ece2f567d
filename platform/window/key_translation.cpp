#include "platform/window/key_translation.h"

#include "platform/base/strings.h"
#include "platform/window/messages.h"

namespace kx {

namespace {
struct KeyChars {
  int vk;
  char16_t plain;
  char16_t shifted;
};

constexpr KeyChars kKeys[] = {
    {'0', u'0', u')'},
    {'1', u'1', u'!'},
    {'2', u'2', u'@'},
    {'3', u'3', u'#'},
    {'4', u'4', u'$'},
    {'5', u'5', u'%'},
    {'6', u'6', u'^'},
    {'7', u'7', u'&'},
    {'8', u'8', u'*'},
    {'9', u'9', u'('},
    {VK_SPACE, u' ', u' '},
    {VK_OEM_1, u';', u':'},
    {VK_OEM_PLUS, u'=', u'+'},
    {VK_OEM_COMMA, u',', u'<'},
    {VK_OEM_MINUS, u'-', u'_'},
    {VK_OEM_PERIOD, u'.', u'>'},
    {VK_OEM_2, u'/', u'?'},
    {VK_OEM_3, u'`', u'~'},
    {VK_OEM_4, u'[', u'{'},
    {VK_OEM_5, u'\\', u'|'},
    {VK_OEM_6, u']', u'}'},
    {VK_OEM_7, u'\'', u'"'},
    {VK_MULTIPLY, u'*', u'*'},
    {VK_ADD, u'+', u'+'},
    {VK_SUBTRACT, u'-', u'-'},
    {VK_DECIMAL, u'.', u'.'},
    {VK_DIVIDE, u'/', u'/'},
    {VK_RETURN, 13, 13},
    {VK_BACK, 8, 8},
    {VK_TAB, 9, 9},
    {VK_ESCAPE, 27, 27},
};
}  // namespace

char16_t VirtualKeyToChar(int vk, bool shift, bool ctrl) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<char16_t>(vk - 'A' + 1);
    return static_cast<char16_t>(shift ? vk : vk + ('a' - 'A'));
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
    return static_cast<char16_t>(u'0' + vk - VK_NUMPAD0);
  for (const KeyChars& k : kKeys) {
    if (k.vk != vk) continue;
    if (ctrl && k.plain > 32) return 0;
    return shift ? k.shifted : k.plain;
  }
  return 0;
}

bool CharToVirtualKey(char16_t ch, int& vk, bool& shift) {
  if (ch >= u'a' && ch <= u'z') {
    vk = ch - u'a' + 'A';
    shift = false;
    return true;
  }
  if (ch >= u'A' && ch <= u'Z') {
    vk = ch;
    shift = true;
    return true;
  }
  if (ch == u'\n') ch = 13;
  for (const KeyChars& k : kKeys) {
    if (k.vk >= VK_MULTIPLY && k.vk <= VK_DIVIDE) continue;  // prefer the main keys
    if (k.plain == ch) {
      vk = k.vk;
      shift = false;
      return true;
    }
    if (k.shifted == ch) {
      vk = k.vk;
      shift = true;
      return true;
    }
  }
  return false;
}

std::vector<RawInput> CharInputsFromText(std::string_view utf8) {
  std::vector<RawInput> inputs;
  for (char32_t ch : Utf16ToUtf32(Utf8ToUtf16(utf8))) {
    if (ch < 0x20 || ch == 0x7F) continue;
    RawInput in;
    in.kind = RawInput::Kind::Char;
    in.ch = ch;
    inputs.push_back(in);
  }
  return inputs;
}

}  // namespace kx
