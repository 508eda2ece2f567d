#pragma once

namespace kx {

class TksSkinData;

// What the frame's two skin-change walks ask of every skinned control of its
// window: which skin it draws with, to forget it, and to take it up again.
class TksSkinnedControl {
 public:
  virtual ~TksSkinnedControl() = default;
  virtual TksSkinData* SkinData() const = 0;
  // The skin is about to change: drop everything read from it (SkinIndex -1).
  virtual void ForgetSkin() = 0;
  virtual void ApplySkin() = 0;
};

}  // namespace kx
