#pragma once

#include "platform/forms/controls.h"

namespace kx {

// A push button in the plain raised look: a left click released over it, Space
// or Enter while it has the focus run OnClick.
class TButton : public TCustomControl {
 public:
  explicit TButton(TComponent* owner);

 protected:
  void Paint() override;
  void WndProc(TMessage& m) override;

 private:
  void SetPressed(bool pressed);
  bool m_pressed = false;
};

}  // namespace kx
