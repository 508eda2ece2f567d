#include "skin/controls/skin_control.h"

#include "platform/window/api.h"
#include "skin/data/skin_data.h"

namespace kx {

void TksSkinLink::Attach(TksSkinData* skinData) {
  if (Data) m_owner.RemoveFreeNotification(Data);
  Data = skinData;
  if (skinData) m_owner.FreeNotification(skinData);
  if (skinData && !skinData->Empty()) {
    m_control.ApplySkin();
    return;
  }
  // Without a loaded skin the control takes up its own look at once (its default
  // size, font and tab height); a definition being loaded does that in Loaded.
  m_control.ForgetSkin();
  if (!m_owner.Loading()) m_control.ApplySkin();
}

void TksSkinLink::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || component != Data || !component) return;
  Data = nullptr;
  m_control.ForgetSkin();
}

TksSkinColors TksSkinLink::Colors() const {
  return Skinned() ? Data->SkinColors : TksSkinColors();
}

const TksDataSkinControl* TksSkinLink::FindRecord() {
  SkinIndex = -1;
  if (!Data || Data->Empty()) return nullptr;
  SkinIndex = Data->GetControlIndex(SkinDataName);
  return SkinIndex < 0 ? nullptr : Current();
}

const TksDataSkinControl* TksSkinLink::Current() const {
  return Data->SkinControls[static_cast<std::size_t>(SkinIndex)].get();
}

TFont SkinFont(const TksSkinFont& font) {
  return TFont(font.Name, font.Height, font.Style, font.Color);
}

// ---- TksSkinControl

TksSkinControl::TksSkinControl(TComponent* owner, const std::string& skinDataName)
    : TCustomControl(owner), m_skin(*this, *this, skinDataName) {}

void TksSkinControl::SetSkinData(TksSkinData* skinData) {
  m_skin.Attach(skinData);
}

void TksSkinControl::SetSkinDataName(const std::string& name) {
  m_skin.SkinDataName = name;
  ApplySkin();
}

void TksSkinControl::SetDrawDefault(bool value) {
  m_drawDefault = value;
  Invalidate();
}

void TksSkinControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  m_skin.Notification(component, operation);
}

void TksSkinControl::ReadSkinRecord() {
  m_skin.Read();
}

void TksSkinControl::ApplySkin() {
  ReadSkinRecord();
  Invalidate();
}

void TksSkinControl::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBtnFace;
  c.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

void TksSkinControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  ReadSkinRecord();
  TBitmap bitmap(Width(), Height());
  if (m_skin.Skinned()) {
    DrawSkinned(bitmap);
  } else if (m_drawDefault) {
    DrawPlain(bitmap);
  } else {
    return;
  }
  Canvas().Draw(0, 0, bitmap);
}

void TksSkinControl::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;  // the whole control is painted from its bitmap
    return;
  }
  TCustomControl::WndProc(m);
}

// ---- TksSkinCustomControl

TksSkinCustomControl::TksSkinCustomControl(TComponent* owner, const std::string& skinDataName)
    : TksSkinControl(owner, skinDataName) {}

void TksSkinCustomControl::ReadSkinRecord() {
  const TksDataSkinControl* record = m_skin.Read();
  m_picture = m_mask = nullptr;
  m_skinRect = {};
  m_geometry = {};
  m_stretch = {};
  m_kind = TksPieceKind::pkNone;
  if (!record) return;
  m_picture = m_skin.Data->ActivePicture(record->PictureIndex);
  m_mask = m_skin.Data->ActivePicture(record->MaskPictureIndex);
  m_skinRect = record->SkinRect;
  if (auto* custom = dynamic_cast<const TksDataSkinCustomControl*>(record)) {
    m_geometry = GeometryOf(*custom);
    m_stretch = {custom->StretchEffect, custom->LeftStretch, custom->TopStretch,
                 custom->RightStretch, custom->BottomStretch};
    m_kind = PieceKindOf(m_skinRect, m_geometry);
  } else {
    m_picture = nullptr;
    m_kind = TksPieceKind::pkFixed;
  }
  int w = Width(), h = Height();
  switch (m_kind) {
    case TksPieceKind::pkFramed:
      m_resized = ResizedGeometry(m_geometry, m_skinRect.Width(), m_skinRect.Height(), w, h);
      break;
    case TksPieceKind::pkHorizontal:
      m_resized = ResizedHorizontally(m_geometry, m_skinRect.Width(), w);
      break;
    case TksPieceKind::pkVertical:
      m_resized = ResizedVertically(m_geometry, m_skinRect.Height(), h);
      break;
    default:
      m_resized = m_geometry;
      break;
  }
}

void TksSkinCustomControl::CalcSkinSize(int& width, int& height) {
  switch (m_kind) {
    case TksPieceKind::pkHorizontal:
      height = m_skinRect.Height();
      break;
    case TksPieceKind::pkVertical:
      width = m_skinRect.Width();
      break;
    case TksPieceKind::pkFixed:
      width = m_skinRect.Width();
      height = m_skinRect.Height();
      break;
    case TksPieceKind::pkFramed:
    case TksPieceKind::pkNone:
      break;
  }
}

void TksSkinCustomControl::UpdateRegion() {
  if (!HandleAllocated()) return;
  if (!m_mask || !m_skin.Skinned()) {
    WindowSystem().SetWindowRgn(Handle(), nullptr, true);
    return;
  }
  std::optional<TRegion> region;
  if (m_kind == TksPieceKind::pkFixed) {
    region = MaskToRegion(*m_mask, 0, 0);
  } else {
    region = BuildFramedRegion(*m_mask, m_geometry, m_resized, Width(), Height());
  }
  WindowSystem().SetWindowRgn(Handle(), region ? &*region : nullptr, true);
}

void TksSkinCustomControl::SetDefaultFont(const TFont& font) {
  m_defaultFont = font;
  if (!Loading()) DefaultFontChanged();
}

void TksSkinCustomControl::SetUseSkinFont(bool value) {
  if (m_useSkinFont == value) return;
  m_useSkinFont = value;
  if (!Loading()) ApplySkin();
}

void TksSkinCustomControl::SetDefaultWidth(int value) {
  m_defaultWidth = value;
  ReadSkinRecord();
  if (!m_skin.Skinned()) TakeDefaultSize();
}

void TksSkinCustomControl::SetDefaultHeight(int value) {
  m_defaultHeight = value;
  ReadSkinRecord();
  if (!m_skin.Skinned()) TakeDefaultSize();
}

void TksSkinCustomControl::TakeDefaultSize() {
  int w = m_defaultWidth > 0 ? m_defaultWidth : Width();
  int h = m_defaultHeight > 0 ? m_defaultHeight : Height();
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TksSkinCustomControl::ApplySkin() {
  ReadSkinRecord();
  if (!m_skin.Skinned()) {
    TakeDefaultSize();
    Invalidate();
    return;
  }
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (w != Width() || h != Height()) {
    SetBounds(Left(), Top(), w, h);  // the bounds change updates the region and repaints
    return;
  }
  UpdateRegion();
  Invalidate();
}

void TksSkinCustomControl::BoundsChanged(const TRect& old) {
  TksSkinControl::BoundsChanged(old);
  if (m_sizing) return;
  if (old.Width() == Width() && old.Height() == Height()) return;
  ReadSkinRecord();
  if (!m_skin.Skinned()) return;
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (w != Width() || h != Height()) {
    m_sizing = true;
    SetBounds(Left(), Top(), w, h);
    m_sizing = false;
    ReadSkinRecord();
  }
  UpdateRegion();
  Invalidate();
}

TBitmap TksSkinCustomControl::SkinImage(const TRect& state) const {
  const int w = std::max(1, Width()), h = std::max(1, Height());
  if (!m_picture || state.IsEmpty()) return TBitmap(w, h);
  switch (m_kind) {
    case TksPieceKind::pkFramed:
      return BuildFramedImage(*m_picture, state, m_geometry, m_resized, w, h, m_stretch, true);
    case TksPieceKind::pkHorizontal:
      return BuildHStripImage(*m_picture, state, m_geometry.LT.X,
                              m_skinRect.Width() - m_geometry.RT.X, m_stretch.Centre, w);
    case TksPieceKind::pkVertical:
      return BuildVStripImage(*m_picture, state, m_geometry.LT.Y,
                              m_skinRect.Height() - m_geometry.LB.Y, m_stretch.Centre, h);
    case TksPieceKind::pkFixed:
    case TksPieceKind::pkNone:
      break;
  }
  TBitmap image(state.Width(), state.Height());
  CopyPiece(image, {0, 0}, *m_picture, state);
  return image;
}

// ---- TksGraphicSkinControl

TksGraphicSkinControl::TksGraphicSkinControl(TComponent* owner, const std::string& skinDataName)
    : TGraphicControl(owner), m_skin(*this, *this, skinDataName) {}

void TksGraphicSkinControl::SetSkinData(TksSkinData* skinData) {
  m_skin.Attach(skinData);
}

void TksGraphicSkinControl::ApplySkin() {
  ReadSkinRecord();
  Invalidate();
}

void TksGraphicSkinControl::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  m_skin.Notification(component, operation);
}

}  // namespace kx
