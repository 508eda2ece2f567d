#include "platform/forms/menus.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "platform/forms/image_list.h"

namespace kx {

namespace {

struct KeyNameEntry {
  std::uint16_t key;
  const char* name;
};

constexpr std::array<KeyNameEntry, 15> kKeyNames{{
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_ESCAPE, "Esc"},
    {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
}};

std::string KeyName(std::uint16_t key) {
  for (const KeyNameEntry& k : kKeyNames) {
    if (k.key == key) return k.name;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
  return {};
}

constexpr std::array<std::pair<TShortCut, const char*>, 3> kModifiers{{
    {scShift, "Shift+"},
    {scCtrl, "Ctrl+"},
    {scAlt, "Alt+"},
}};

}  // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
  TShortCut result = key & 0xFF;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

std::string ShortCutToText(TShortCut shortCut) {
  std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return {};
  std::string text;
  for (const auto& [flag, prefix] : kModifiers) {
    if (shortCut & flag) text += prefix;
  }
  return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
  TShortCut modifiers = 0;
  std::string rest = text;
  for (bool found = true; found;) {
    found = false;
    for (const auto& [flag, prefix] : kModifiers) {
      std::string p = prefix;
      if (rest.size() > p.size() && rest.compare(0, p.size(), p) == 0) {
        modifiers |= flag;
        rest.erase(0, p.size());
        found = true;
      }
    }
  }
  for (std::uint16_t key = 1; key < 0x100; ++key) {
    if (KeyName(key) == rest) return static_cast<TShortCut>(modifiers | key);
  }
  return scNone;
}

char GetHotkey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return caption[i + 1];
  }
  return 0;
}

bool IsAccel(char key, const std::string& caption) {
  char hot = GetHotkey(caption);
  return hot != 0 && std::toupper(static_cast<unsigned char>(hot)) ==
                         std::toupper(static_cast<unsigned char>(key));
}

std::string StripHotkey(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

std::vector<TMenuItem*> ReduceLines(const std::vector<TMenuItem*>& items) {
  std::vector<TMenuItem*> out;
  for (TMenuItem* item : items) {
    if (!item->Visible) continue;
    if (item->IsLine() && (out.empty() || out.back()->IsLine())) continue;
    out.push_back(item);
  }
  while (!out.empty() && out.back()->IsLine()) out.pop_back();
  return out;
}

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  if (m_parent) m_parent->Remove(this);
  Clear();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(m_items.begin(), m_items.end(), item);
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int TMenuItem::MenuIndex() const {
  return m_parent ? m_parent->IndexOf(this) : -1;
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->m_parent) item->m_parent->Remove(item);
  index = std::clamp(index, 0, Count());
  m_items.insert(m_items.begin() + index, item);
  item->m_parent = this;
  if (TMenu* menu = GetParentMenu()) item->AssignCommands(*menu);
}

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index >= 0) Delete(index);
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  TMenuItem* item = m_items[static_cast<std::size_t>(index)];
  m_items.erase(m_items.begin() + index);
  item->m_parent = nullptr;
}

void TMenuItem::Clear() {
  while (!m_items.empty()) delete m_items.back();  // each removes itself
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->m_parent) root = root->m_parent;
  return root->m_menu;
}

void TMenuItem::AssignCommands(TMenu& menu) {
  if (m_command == 0) m_command = menu.NextCommand();
  for (TMenuItem* child : m_items) child->AssignCommands(menu);
}

std::vector<TMenuItem*> TMenuItem::ShownItems() const {
  TMenu* menu = GetParentMenu();
  if (menu && menu->AutoLineReduction == TMenuAutoFlag::maAutomatic) return ReduceLines(m_items);
  std::vector<TMenuItem*> out;
  for (TMenuItem* item : m_items) {
    if (item->Visible) out.push_back(item);
  }
  return out;
}

void TMenuItem::Click() {
  if (Enabled && OnClick) OnClick(this);
}

// ---- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), m_items(std::make_unique<TMenuItem>(nullptr)) {
  m_items->m_menu = this;
}

TMenu::~TMenu() = default;

void TMenu::SetImages(TCustomImageList* images) {
  m_images = images;
  if (images) images->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_images) m_images = nullptr;
}

TMenuItem* TMenu::FindItemByCommand(UINT command) const {
  std::vector<TMenuItem*> pending{m_items.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item->Command() == command && item != m_items.get()) return item;
    pending.insert(pending.end(), item->m_items.begin(), item->m_items.end());
  }
  return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = command ? FindItemByCommand(command) : nullptr;
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  std::vector<TMenuItem*> pending{m_items.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != m_items.get() && !(item->Visible && item->Enabled)) continue;
    if (item->ShortCut == shortCut && item != m_items.get()) {
      item->Click();
      return true;
    }
    pending.insert(pending.end(), item->m_items.rbegin(), item->m_items.rend());
  }
  return false;
}

// ---- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

}  // namespace kx
