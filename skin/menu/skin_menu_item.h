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

// The state an item is drawn in: highlighted while active or while its submenu
// is open, else disabled or normal. A separator is never highlighted.
enum class TksMenuItemState { Normal, Highlighted, Disabled };

// Where and in which colours an item's caption, shortcut, submenu arrow and
// glyph go in the item's picture.
struct TksMenuItemContent {
  TRect textArea;
  int glyphOffset = 0;    // the caption starts this far right of the text area's left
  int shortCutInset = 0;  // the shortcut ends this far left of the text area's right
  TRect imageArea;        // where the skin centres the glyph; empty: at the text area's left
  int markOffset = 0;  // the check mark and the radio dot sit this far right of the glyph's place
  TColor color = clBlack;       // caption, shortcut and arrow
  TColor imageColor = clBlack;  // named glyphs, marks and the frame of a checked image
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
  TksMenuItemState State() const;

 private:
  TBitmap RenderSkinned(const TksMenuLook& look) const;
  TBitmap RenderPlain(const TksMenuLook& look) const;
  void DrawContent(TCanvas& canvas, const TksMenuLook& look,
                   const TksMenuItemContent& content) const;
  // The item's bitmap or image, else a named system glyph or the check mark.
  void DrawGlyph(TCanvas& canvas, const TksMenuLook& look, const TksMenuItemContent& content) const;
  TMenuItem& m_item;
};

}  // namespace kx
