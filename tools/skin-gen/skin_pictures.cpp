#include "tools/skin-gen/skin_pictures.h"

#include "tools/skin-gen/controls_picture.h"
#include "tools/skin-gen/frame_pictures.h"
#include "tools/skin-gen/skin_layout.h"
#include "tools/skin-gen/window_pictures.h"

namespace kx::skingen {

using namespace layout;

SkinPictures DrawKestrixRed() {
  SkinPictures p;
  p.Main = DrawFramePicture();
  p.Mask = DrawFrameMask();
  p.Active.push_back(DrawActivePicture(p.Main));
  p.Active.push_back(DrawPopupWindow());
  p.Active.push_back(DrawMenuItems());
  p.Active.push_back(DrawHintWindow());
  p.Active.push_back(DrawControlsPicture());
  p.Active.push_back(DrawMdiBackground());
  p.Active.push_back(DrawRoundedMask(kPopupWidth, kPopupHeight, 3, TPixelFormat::pf8bit));
  p.Active.push_back(DrawRoundedMask(kHintWidth, kHintHeight, 4, TPixelFormat::pf8bit));
  p.Active.push_back(DrawRoundedMask(47, 25, 4, TPixelFormat::pf1bit));
  p.Active.push_back(DrawRoundedMask(25, 25, 4, TPixelFormat::pf1bit));
  p.Active.push_back(DrawRoundedMask(19, 19, 3, TPixelFormat::pf1bit));
  return p;
}

}  // namespace kx::skingen
