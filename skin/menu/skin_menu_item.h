#pragma once

#include "platform/forms/menus.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"

namespace kx {

class TksSkinData;
class TksDataSkinMenuItem;
struct TksDataSkinPopupWindow;

// How the items of one popup look: skinned from the "menuitem" record, or in
// the flat system-coloured look when itemRecord is null.
struct TksMenuLook {
  const TksDataSkinMenuItem* itemRecord = nullptr;
  const TBitmap* itemPicture = nullptr;
  TFont font;
  TCustomImageList* images = nullptr;
  int glyphColumn = 16;
  int itemHeight = 20;  // the unskinned item height
};

// One shown entry of a skinned popup: its menu item, place and state.
class TksSkinMenuItem {
 public:
  explicit TksSkinMenuItem(TMenuItem& item) : m_item(item) {}

  TMenuItem& Item() const { return m_item; }
  bool IsSeparator() const { return m_item.Caption == cLineCaption; }
  bool Enabled() const { return m_item.Enabled; }
  bool HasChildren() const { return m_item.Count() > 0; }
  // Enabled and not a separator: the keyboard and the mouse may stop on it.
  bool Selectable() const { return Enabled() && !IsSeparator(); }

  // The height the item takes in a popup of this look.
  int Height(const TksMenuLook& look) const;
  // The width its caption (and shortcut text) needs, plus 2.
  int TextWidth(const TksMenuLook& look) const;
  // The item's picture at the size of its rectangle.
  TBitmap Render(const TksMenuLook& look) const;

  TRect Rect;
  bool Shown = false;
  bool ActiveFlag = false;
  bool DownFlag = false;
  bool KeyboardActivated = false;
  bool Highlighted() const { return ActiveFlag || DownFlag; }

 private:
  TBitmap RenderSkinned(const TksMenuLook& look) const;
  TBitmap RenderPlain(const TksMenuLook& look) const;
  // The caption, shortcut, submenu arrow and glyph inside the text area t.
  void DrawContent(TCanvas& canvas, const TksMenuLook& look, const TRect& t, int glyphOffset,
                   TColor color, TColor imageColor, int shortCutInset, bool imageArea) const;
  TMenuItem& m_item;
};

}  // namespace kx
