#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/forward.h"
#include "platform/gfx/bitmap.h"

namespace kx {

// A key with its modifiers: the virtual key in the low byte, scShift/scCtrl/scAlt above.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(std::uint16_t key, TShiftState shift);
// "Ctrl+C", "Alt+F4", "Shift+Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText; scNone for a text it does not know.
TShortCut TextToShortCut(const std::string& text);

// The accelerator of a caption: the character after a single "&" ("&&" is a
// literal "&"), or 0 when there is none.
char GetHotkey(const std::string& caption);
// Whether the key character is the caption's accelerator, ignoring case.
bool IsAccel(char key, const std::string& caption);
// The caption without its accelerator marks.
std::string StripHotkey(const std::string& caption);

inline constexpr const char* cLineCaption = "-";

// One entry of a menu; its children form a submenu. A parent item destroys its
// children with it.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  std::string Caption;
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  bool RadioItem = false;
  int ImageIndex = -1;
  TBitmap Bitmap;
  TShortCut ShortCut = scNone;
  TNotifyEvent OnClick;

  bool IsLine() const { return Caption == cLineCaption; }
  int Count() const { return static_cast<int>(m_items.size()); }
  TMenuItem* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  TMenuItem* Parent() const { return m_parent; }
  int MenuIndex() const;
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int index);  // detaches without destroying
  void Clear();            // destroys the children
  // The menu whose tree holds this item, or nullptr.
  TMenu* GetParentMenu() const;
  // The identifier under which the menu dispatches this item.
  UINT Command() const { return m_command; }
  // The children a popup shows: the visible ones, without redundant separators
  // when the menu reduces lines automatically.
  std::vector<TMenuItem*> ShownItems() const;

  // The item was chosen; the base runs OnClick.
  virtual void Click();

 private:
  friend class TMenu;
  void AssignCommands(TMenu& menu);
  std::vector<TMenuItem*> m_items;
  TMenuItem* m_parent = nullptr;
  TMenu* m_menu = nullptr;  // set on the root item
  UINT m_command = 0;
};

// The visible children of the list without separators at the start, at the end
// and directly after another separator.
std::vector<TMenuItem*> ReduceLines(const std::vector<TMenuItem*>& items);

enum class TMenuAutoFlag { maManual, maAutomatic, maParent };

// A menu: the root of an item tree, its image list and its command dispatch.
class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem& Items() { return *m_items; }
  const TMenuItem& Items() const { return *m_items; }
  TCustomImageList* Images() const { return m_images; }
  void SetImages(TCustomImageList* images);
  TMenuAutoFlag AutoLineReduction = TMenuAutoFlag::maAutomatic;

  // Runs the item with this command identifier; false when no item has it.
  bool DispatchCommand(UINT command);
  TMenuItem* FindItemByCommand(UINT command) const;
  // Runs the first enabled, visible item whose ShortCut matches; false when none.
  bool IsShortCut(TShortCut shortCut);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuItem;
  UINT NextCommand() { return ++m_lastCommand; }
  std::unique_ptr<TMenuItem> m_items;
  TCustomImageList* m_images = nullptr;
  UINT m_lastCommand = 0;
};

// A menu shown at a point, for a control's context menu.
class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);

  TNotifyEvent OnPopup;
  TComponent* PopupComponent = nullptr;
  // Raises OnPopup and shows the menu at the screen point until an item is
  // chosen or the menu is dismissed; a chosen item runs after the menu closed.
  virtual void Popup(int x, int y);
};

}  // namespace kx
