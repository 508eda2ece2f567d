#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/color.h"
#include "tests/skin/skinned_form.h"

namespace kx {

// The Kestrix Red form with skinned controls placed straight on its client area.
class SkinControlsTest : public SkinnedFormTest {
 protected:
  // A control of class T at bounds (client coordinates of the form), with the
  // form's skin data or none.
  template <typename T>
  T* Place(const TRect& bounds, TksSkinData* skin) {
    auto* control = new T(form);  // owned by the form
    control->SetParent(form);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    if (skin) control->SetSkinData(skin);
    Settle();
    return control;
  }
  // A point of a control on the screen.
  TPoint OnScreen(const TControl& control, TPoint p) { return control.ClientToScreen(p); }
  // Where a control's top-left corner (its frame included) lies in the window's picture.
  TPoint OriginOf(const TControl& control) {
    return control.Parent()->ClientToScreen(control.BoundsRect().TopLeft()) -
           WindowRect().TopLeft();
  }
  // The pixel shown at a point of a control, from its top-left corner.
  TColor PixelOf(const TControl& control, TPoint p) {
    return session.driver.WindowPixel(Window(), OriginOf(control) + p);
  }
  // The pixels shown in a rectangle of a control (from its top-left corner), row by row.
  std::vector<TColor> PixelsOf(const TControl& control, const TRect& r) {
    const TBitmap window = session.driver.WindowImage(Window());
    const TPoint origin = OriginOf(control);
    std::vector<TColor> pixels;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        pixels.push_back(window.ColorAt(origin.X + x, origin.Y + y));
    return pixels;
  }
  // What a control shows, frame included, as a bitmap (one picture of the window).
  TBitmap ImageOf(const TControl& control) {
    const TBitmap window = session.driver.WindowImage(Window());
    const TPoint origin = OriginOf(control);
    TBitmap image(std::max(1, control.Width()), std::max(1, control.Height()));
    image.Canvas().Draw(-origin.X, -origin.Y, window);
    return image;
  }
  // The colour of a pixel of the skin's picture 4, which holds the controls' images.
  TColor SkinPixel(TPoint p) { return data->ActivePicture(4)->ColorAt(p.X, p.Y); }
  // How many pixels of a rectangle of a control show exactly this colour.
  int CountOf(const TControl& control, const TRect& r, TColor color) {
    int n = 0;
    for (TColor c : PixelsOf(control, r)) n += c == color ? 1 : 0;
    return n;
  }
  // Whether a pixel is text of this colour: anti-aliased text reaches its
  // colour only in the middle of its strokes, so every channel within 48 counts.
  static bool Near(TColor pixel, TColor color) {
    auto close = [](int a, int b) { return std::abs(a - b) <= 48; };
    return close(GetRValue(pixel), GetRValue(color)) && close(GetGValue(pixel), GetGValue(color)) &&
           close(GetBValue(pixel), GetBValue(color));
  }
  int CountNear(const TControl& control, const TRect& r, TColor color) {
    int n = 0;
    for (TColor c : PixelsOf(control, r)) n += Near(c, color) ? 1 : 0;
    return n;
  }
};

}  // namespace kx
