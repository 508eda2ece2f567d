#pragma once

#include <string>

#include "platform/forms/controls.h"
#include "platform/gfx/alignment.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_window_records.h"
#include "skin/draw/skin_drawing.h"
#include "skin/frame/skinned_control.h"

namespace kx {

class TksSkinData;
struct TksSkinFont;

// The link between a skinned control and its skin: the skin data (watched for
// its removal), the section name and the index of the record found. It is the
// one place where a control attaches to a skin, lets go of it, takes it up and
// reads its record, so every skinned control treats an empty skin alike.
class TksSkinLink {
 public:
  TksSkinLink(TControl& owner, TksSkinnedControl& control, std::string sectionName)
      : SkinDataName(std::move(sectionName)), m_owner(owner), m_control(control) {}
  TksSkinData* Data = nullptr;
  std::string SkinDataName;
  int SkinIndex = -1;

  // Attaches the control to skinData, watching it for its removal, and takes
  // the skin up (ApplySkin). With no skin data or an empty one the control has
  // no record and takes up its own look.
  void Attach(TksSkinData* skinData);
  // Passed on from the owner's Notification: a removed skin data is let go.
  void Notification(TComponent* component, TOperation operation);
  void Forget() { SkinIndex = -1; }
  bool Skinned() const { return SkinIndex >= 0; }
  // The colours to paint plain surfaces and texts with: the skin's ten while
  // the control has a record, else the system colours they stand for.
  TksSkinColors Colors() const;

  // Looks the record up again. It counts only when it is of kind T; otherwise,
  // and without a loaded skin or section, the control has no record (SkinIndex -1).
  template <typename T = TksDataSkinControl>
  const T* Read() {
    const T* record = dynamic_cast<const T*>(FindRecord());
    if (!record) SkinIndex = -1;
    return record;
  }
  // The record found by the last look-up when it is of kind T, else null.
  template <typename T>
  const T* Record() const {
    return Skinned() ? dynamic_cast<const T*>(Current()) : nullptr;
  }

 private:
  // The record of the section when the skin is loaded and has one, else null.
  const TksDataSkinControl* FindRecord();
  const TksDataSkinControl* Current() const;
  TControl& m_owner;
  TksSkinnedControl& m_control;
};

// A skin font as a TFont.
TFont SkinFont(const TksSkinFont& font);

// The self-drawn skinned control: every paint reads the skin record again and
// draws the whole control into a bitmap, skinned or in its plain look.
class TksSkinControl : public TCustomControl, public TksSkinnedControl {
 public:
  TksSkinControl(TComponent* owner, const std::string& skinDataName);

  TksSkinData* SkinData() const override { return m_skin.Data; }
  void SetSkinData(TksSkinData* skinData);
  const std::string& SkinDataName() const { return m_skin.SkinDataName; }
  void SetSkinDataName(const std::string& name);
  int SkinIndex() const { return m_skin.SkinIndex; }
  // Whether an unskinned control draws its plain look.
  bool DrawDefault() const { return m_drawDefault; }
  void SetDrawDefault(bool value);
  std::string AreaName;
  bool AlphaBlend = false;
  int AlphaBlendValue = 200;
  bool UseSkinCursor = false;

  void ForgetSkin() override { m_skin.Forget(); }
  void ApplySkin() override;

 protected:
  // Looks the record up again and copies what the control draws with.
  virtual void ReadSkinRecord();
  virtual void DrawPlain(TBitmap& bitmap);
  virtual void DrawSkinned(TBitmap& bitmap) { DrawPlain(bitmap); }
  void Paint() override;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component, TOperation operation) override;
  TksSkinLink m_skin;
  bool m_drawDefault = true;
};

// The skinned control with a framed skin image: geometry from a record of the
// common control kind, sized by the skin, fonts from the section or DefaultFont.
class TksSkinCustomControl : public TksSkinControl {
 public:
  TksSkinCustomControl(TComponent* owner, const std::string& skinDataName);

  // The font of an unskinned control, or of a skinned one without UseSkinFont;
  // a change is drawn at once.
  const TFont& DefaultFont() const { return m_defaultFont; }
  void SetDefaultFont(const TFont& font);
  // Whether the skin section's font is drawn; changing it takes the skin up again.
  bool UseSkinFont() const { return m_useSkinFont; }
  void SetUseSkinFont(bool value);
  // The size an unskinned control takes when above 0; set, it applies at once.
  int DefaultWidth() const { return m_defaultWidth; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return m_defaultHeight; }
  void SetDefaultHeight(int value);
  void ApplySkin() override;

  // What ReadSkinRecord found.
  TksPieceKind PieceKind() const { return m_kind; }
  const TRect& SkinRect() const { return m_skinRect; }
  // The client rectangle stretched to the control's size.
  const TRect& StretchedClient() const { return m_resized.C; }

 protected:
  void ReadSkinRecord() override;
  // The size a skinned control takes for an asked size.
  virtual void CalcSkinSize(int& width, int& height);
  virtual void UpdateRegion();
  // After DefaultFont changed (not while loading): the base repaints.
  virtual void DefaultFontChanged() { Invalidate(); }
  // The skin image of a state rectangle (the size of "skinrect") at the control's size.
  TBitmap SkinImage(const TRect& state) const;
  void BoundsChanged(const TRect& old) override;
  const TBitmap* m_picture = nullptr;
  const TBitmap* m_mask = nullptr;
  TRect m_skinRect;
  TksPieceGeometry m_geometry;  // the record's corner points and client rectangle
  TksPieceGeometry m_resized;   // stretched to the control's size
  TksStretchFlags m_stretch;
  TksPieceKind m_kind = TksPieceKind::pkNone;

 private:
  void TakeDefaultSize();
  TFont m_defaultFont{"Arial", 14, {}, clWindowText};
  bool m_useSkinFont = true;
  int m_defaultWidth = 0;
  int m_defaultHeight = 0;
  bool m_sizing = false;
};

// The windowless skinned control (the shadow label).
class TksGraphicSkinControl : public TGraphicControl, public TksSkinnedControl {
 public:
  TksGraphicSkinControl(TComponent* owner, const std::string& skinDataName);
  TksSkinData* SkinData() const override { return m_skin.Data; }
  void SetSkinData(TksSkinData* skinData);
  bool DrawDefault = true;
  std::string AreaName;
  bool AlphaBlend = false;
  int AlphaBlendValue = 200;
  bool UseSkinCursor = false;
  void ForgetSkin() override { m_skin.Forget(); }
  void ApplySkin() override;

 protected:
  virtual void ReadSkinRecord() { m_skin.Read(); }
  void Notification(TComponent* component, TOperation operation) override;
  TksSkinLink m_skin;
};

}  // namespace kx
