#include "skin/frame/frame_default_buttons.h"

#include "skin/draw/skin_graphics.h"

namespace kx {

namespace {

struct DefaultButton {
  TksStdCommand command;
  const char* name;
  TksCaptionGlyph glyph;
};

constexpr DefaultButton kDefaultButtons[] = {
    {TksStdCommand::cmClose, "closebutton", TksCaptionGlyph::Close},
    {TksStdCommand::cmMaximize, "maxbutton", TksCaptionGlyph::Maximize},
    {TksStdCommand::cmMinimize, "minbutton", TksCaptionGlyph::Minimize},
    {TksStdCommand::cmRollUp, "rollupbutton", TksCaptionGlyph::RollUp},
    {TksStdCommand::cmMinimizeToTray, "traybutton", TksCaptionGlyph::Minimize},
    {TksStdCommand::cmSysMenu, "sysmenubutton", TksCaptionGlyph::SysMenu},
};

const DefaultButton& Of(TksStdCommand command) {
  for (const DefaultButton& b : kDefaultButtons) {
    if (b.command == command) return b;
  }
  return kDefaultButtons[0];
}

}  // namespace

TksDefaultButtonObject::TksDefaultButtonObject(TksFrameObjectHost& frame, TksStdCommand command)
    : TksActiveSkinObject(frame, Of(command).name), m_command(command) {}

void TksDefaultButtonObject::Draw(TCanvas& canvas, bool) {
  if (ObjectRect.IsEmpty()) return;
  const bool active = Frame().ShowsActive();
  TksCaptionGlyph glyph = Of(m_command).glyph;
  const bool restoring = (m_command == TksStdCommand::cmMaximize &&
                          Frame().WindowState() == TksWindowState::wsMaximized) ||
                         (m_command == TksStdCommand::cmMinimize &&
                          Frame().WindowState() == TksWindowState::wsMinimized);
  if (restoring) glyph = TksCaptionGlyph::Restore;
  if (m_command == TksStdCommand::cmRollUp && Frame().RolledUp()) glyph = TksCaptionGlyph::RollDown;
  const int offset = Down && MouseIn ? 1 : 0;
  DrawCaptionGlyph(canvas, ObjectRect.Left + ObjectRect.Width() / 2 - 4 + offset,
                   ObjectRect.Top + ObjectRect.Height() / 2 - 4 + offset,
                   Enabled ? (active ? clCaptionText : clInactiveCaptionText) : clGrayText, glyph);
}

void TksDefaultButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && Enabled && !Down) {
    Down = true;
    Frame().RedrawObject(*this);
    if (m_command == TksStdCommand::cmSysMenu) Frame().OpenSystemMenu(ObjectRect, this);
  }
  TksActiveSkinObject::MouseDown(x, y, button);
}

void TksDefaultButtonObject::MouseUp(int x, int y, TMouseButton button) {
  const bool run = button == TMouseButton::mbLeft && Down && Frame().MouseOver(*this) &&
                   m_command != TksStdCommand::cmSysMenu;
  if (button == TMouseButton::mbLeft && m_command != TksStdCommand::cmSysMenu) {
    Down = false;
    Frame().RedrawObject(*this);
  }
  TksActiveSkinObject::MouseUp(x, y, button);
  if (run) Frame().RunCommand(m_command);
}

void TksDefaultButtonObject::MenuClosed() {
  if (!Down) return;
  Down = false;
  Frame().RedrawObject(*this);
}

std::vector<std::unique_ptr<TksActiveSkinObject>> CreateDefaultButtons(TksFrameObjectHost& frame) {
  std::vector<std::unique_ptr<TksActiveSkinObject>> buttons;
  for (const DefaultButton& b : kDefaultButtons) {
    buttons.push_back(std::make_unique<TksDefaultButtonObject>(frame, b.command));
  }
  return buttons;
}

}  // namespace kx
