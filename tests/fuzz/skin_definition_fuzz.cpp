// A definition text of any content: reading it either builds records or ends
// with a conversion error, and the records' values, however large, drive the
// drawing routines without leaving their bitmaps.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/base/exception.h"
#include "platform/base/mem_ini_file.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_drawing.h"

namespace {

void Draw(const kx::TksDataSkinCustomControl& r, const kx::TBitmap& picture) {
  using namespace kx;
  TksPieceGeometry g = GeometryOf(r);
  const int W = 37, H = 23;
  TksPieceGeometry resized = ResizedGeometry(g, r.SkinRect.Width(), r.SkinRect.Height(), W, H);
  TksStretchFlags flags{r.StretchEffect, r.LeftStretch, r.TopStretch, r.RightStretch,
                        r.BottomStretch};
  BuildFramedImage(picture, r.SkinRect, g, resized, W, H, flags, true);
  BuildHStripImage(picture, r.SkinRect, r.LeftTopPoint.X, r.RightTopPoint.X, r.StretchEffect, W);
  BuildVStripImage(picture, r.SkinRect, r.LeftTopPoint.Y, r.LeftBottomPoint.Y, r.StretchEffect, H);
  BuildBorderStrips(picture, r.SkinRect, g, resized, W, H, flags);
  BuildFramedRegion(picture, g, resized, W, H);
  PlaceFrameObject(r.ClientRect, g, 20, 20, W, H);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::TksSkinData skin(nullptr);
  try {
    skin.LoadDefinition(
        kx::TMemIniFile(std::string_view(reinterpret_cast<const char*>(data), size)));
  } catch (const kx::EConvertError&) {
  }
  kx::TBitmap picture(16, 12);
  for (const auto& control : skin.SkinControls) {
    (void)skin.GetControlIndex(control->IDName);
    if (auto* framed = dynamic_cast<const kx::TksDataSkinCustomControl*>(control.get()))
      Draw(*framed, picture);
  }
  for (const auto& object : skin.SkinObjects) (void)skin.GetObjectIndex(object->IDName);
  return 0;
}
