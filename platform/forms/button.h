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
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void SetPressed(bool pressed);
  bool m_pressed = false;
};

}  // namespace kx
