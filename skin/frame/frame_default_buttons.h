#pragma once

#include <memory>
#include <vector>

#include "skin/frame/frame_objects.h"

namespace kx {

// A command button of the frame without a skin: a caption glyph, placed by the plain
// frame's geometry, that runs its command when released over it.
class TksDefaultButtonObject : public TksActiveSkinObject {
 public:
  TksDefaultButtonObject(TksFrameObjectHost& frame, TksStdCommand command);
  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  TksStdCommand Command() const override { return m_command; }
  bool IsDefaultButton() const override { return true; }
  void MenuClosed() override;
  bool Down = false;

 private:
  TksStdCommand m_command;
};

// The six default command buttons, in the order close, maximize, minimize, roll-up,
// minimize to tray, system menu.
std::vector<std::unique_ptr<TksActiveSkinObject>> CreateDefaultButtons(TksFrameObjectHost& frame);

}  // namespace kx
