// The skinned frame's commands, activation, the system menu and menu mode.
#include <utility>

#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"
#include "skin/frame/skin_frame.h"
#include "skin/menu/skin_popup_menu.h"

namespace kx {

void TksSkinFrame::Activation() {
  for (auto& o : m_objects) {
    if (!o->IsCaption() || !o->Shown()) continue;
    o->ActivationChanged();
    RedrawObject(*o);
  }
  if (WindowActive()) {
    if (OnActivate) OnActivate(this);
  } else if (OnDeActivate) {
    OnDeActivate(this);
  }
}

// ---- commands

void TksSkinFrame::RunCommand(TksStdCommand command) {
  HWND h = Handle();
  if (!h) return;
  const bool minimized = m_windowState == TksWindowState::wsMinimized;
  const bool maximized = m_windowState == TksWindowState::wsMaximized;
  switch (command) {
    case TksStdCommand::cmClose:
      // After the pressing object has finished: closing frees the frame and its objects.
      PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case TksStdCommand::cmMaximize:
      maximized ? Restore() : Maximize();
      break;
    case TksStdCommand::cmMinimize:
      minimized ? Restore() : Minimize();
      break;
    case TksStdCommand::cmSysMenu:
      if (TksActiveSkinObject* button = FirstEnabled(TksStdCommand::cmSysMenu))
        OpenSystemMenu(button->ObjectRect, nullptr);
      break;
    case TksStdCommand::cmRollUp:
      ToggleRollUp();
      break;
    case TksStdCommand::cmMinimizeToTray:
      Minimize();
      break;
    case TksStdCommand::cmDefault:
      break;
  }
}

void TksSkinFrame::Maximize() {
  HWND h = Handle();
  if (!h) return;
  if (!m_savedBounds) m_savedBounds = GetWindowRect(h);
  m_windowState = TksWindowState::wsMaximized;
  const TRect area = GetWorkArea(h, !MaximizeOnFullScreen);
  m_form->SetBounds(area.Left, area.Top, area.Width(), area.Height());
  if (OnMaximize) OnMaximize(this);
  PaintNonClient();
}

void TksSkinFrame::Restore() {
  HWND h = Handle();
  if (!h) return;
  // Normal before the platform restores, so the restore's new size fires nothing more.
  const bool minimized =
      std::exchange(m_windowState, TksWindowState::wsNormal) == TksWindowState::wsMinimized;
  if (minimized) ShowWindow(h, SW_RESTORE);
  if (std::optional<TRect> saved = std::exchange(m_savedBounds, std::nullopt)) {
    m_form->SetBounds(saved->Left, saved->Top, saved->Width(), saved->Height());
  }
  if (OnRestore) OnRestore(this);
  PaintNonClient();
}

// The platform brought a window the frame minimized back (its task bar entry, say).
void TksSkinFrame::PlatformRestored() {
  HWND h = Handle();
  if (!h || m_windowState != TksWindowState::wsMinimized || WindowSystem().IsIconic(h)) return;
  m_windowState = TksWindowState::wsNormal;
  if (OnRestore) OnRestore(this);
  PaintNonClient();
}

void TksSkinFrame::Minimize() {
  HWND h = Handle();
  if (!h) return;
  // The main window stands for the application: it goes and comes back in its normal state.
  const bool mainForm = HasApplication() && Application().MainForm() == m_form;
  if (!mainForm) m_windowState = TksWindowState::wsMinimized;
  ShowWindow(h, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TksSkinFrame::ToggleRollUp() {
  if (!(m_borderIcons & biRollUp)) return;
  m_rolledUp = !m_rolledUp;
  HWND h = Handle();
  if (!h) return;
  if (m_rolledUp) {
    if (!m_savedBounds) m_savedBounds = GetWindowRect(h);
    m_form->SetHeight(MinimumSize().cy);
  } else if (std::optional<TRect> saved = std::exchange(m_savedBounds, std::nullopt)) {
    m_form->SetHeight(saved->Height());
  }
  PaintNonClient();
}

// ---- the system menu

void TksSkinFrame::RebuildSystemMenu() {
  if (!m_systemMenu || !UseDefaultSysMenu) return;
  const bool minimized = m_windowState == TksWindowState::wsMinimized;
  const bool maximized = m_windowState == TksWindowState::wsMaximized;
  struct Entry {
    const char* name;
    const char* key;
    const char* caption;
    bool shown;
    std::function<void()> run;
  };
  const Entry entries[] = {
      {"KSF_MINITEM", "MI_MINCAPTION", "Mi&nimize", (m_borderIcons & biMinimize) && !minimized,
       [this] { RunCommand(TksStdCommand::cmMinimize); }},
      {"KSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", (m_borderIcons & biMaximize) && !maximized,
       [this] { RunCommand(TksStdCommand::cmMaximize); }},
      {"KSF_RESTORE", "MI_RESTORECAPTION", "&Restore", minimized || maximized || m_rolledUp,
       [this] { m_rolledUp ? ToggleRollUp() : Restore(); }},
      {"KSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp",
       (m_borderIcons & biRollUp) && !m_rolledUp && !minimized,
       [this] { RunCommand(TksStdCommand::cmRollUp); }},
      {"KSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
       (m_borderIcons & biMinimizeToTray) != 0,
       [this] { RunCommand(TksStdCommand::cmMinimizeToTray); }},
  };
  TMenuItem& root = m_systemMenu->Items();
  root.Clear();
  const TksResourceStrData* strings = m_skinData ? m_skinData->ResourceStrData() : nullptr;
  auto add = [&](const char* name, const std::string& caption, std::function<void()> run) {
    auto* item = new TMenuItem(m_systemMenu);  // owned by the menu's root item below
    item->SetName(name);
    item->Caption = caption;
    item->OnClick = [run = std::move(run)](TObject*) { run(); };
    root.Add(item);
    return item;
  };
  for (const Entry& e : entries) {
    if (e.shown) add(e.name, SkinString(strings, e.key, e.caption), e.run);
  }
  if (root.Count() > 0) {
    auto* line = new TMenuItem(m_systemMenu);
    line->Caption = cLineCaption;
    root.Add(line);
  }
  add("KSF_CLOSE", SkinString(strings, "MI_CLOSECAPTION", "&Close"), [this] {
    RunCommand(TksStdCommand::cmClose);
  })->ShortCut = TextToShortCut("Alt+F4");
}

void TksSkinFrame::OpenSystemMenu(const TRect& below, TksActiveSkinObject* opener) {
  HWND h = Handle();
  if (!h || !m_systemMenu) return;
  RebuildSystemMenu();
  m_menuOpener = opener;
  const TPoint origin = GetWindowRect(h).TopLeft();
  // A rectangle of the window (a button) opens the menu below it; a screen point at it.
  const bool point = below.Width() == 0 && below.Height() == 0 && !opener;
  const TPoint at = point ? below.TopLeft() : origin + TPoint{below.Left, below.Bottom};
  m_systemMenu->Popup(at.X, at.Y);
  m_systemMenuOpen = m_menu.Visible();
  if (!m_menu.Visible() && opener) {
    m_menuOpener = nullptr;
    opener->MenuClosed();
  }
}

void TksSkinFrame::OpenSystemMenuFromKeyboard() {
  if (TksActiveSkinObject* button = FirstEnabled(TksStdCommand::cmSysMenu)) {
    OpenSystemMenu(button->ObjectRect, nullptr);
  } else if (HWND h = Handle()) {
    const TRect r = GetWindowRect(h);
    OpenSystemMenu({r.Left, r.Top + 20, r.Left, r.Top + 20}, nullptr);
  }
}

void TksSkinFrame::ShortCut(TMsg& msg, bool& handled) {
  const bool alt = msg.message == WM_SYSKEYDOWN && (GetKeyState(VK_MENU) & 0x8000);
  if (alt && msg.wParam == VK_SPACE && (m_borderIcons & biSystemMenu)) {
    OpenSystemMenuFromKeyboard();
    handled = true;
  }
}

// ---- menu mode

void TksSkinFrame::CloseOpenMenus() {
  if (m_menu.Visible()) m_menu.CloseMenus();
}

void TksSkinFrame::EnterMenuMode() {
  if (m_menuMode) return;
  m_menuMode = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
  if (HasApplication())
    m_menuHook = Application().HookMessages([this](TMsg& msg) { return MenuModeHook(msg); });
}

void TksSkinFrame::LeaveMenuMode() {
  if (!m_menuMode) return;
  m_menuMode = false;
  if (m_menuHook && HasApplication()) Application().UnhookMessages(std::exchange(m_menuHook, 0));
  if (TksActiveSkinObject* opener = std::exchange(m_menuOpener, nullptr)) opener->MenuClosed();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

bool TksSkinFrame::MenuModeHook(TMsg& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      m_menu.MenuKeyDown(static_cast<std::uint16_t>(msg.wParam));
      if (!m_menu.Visible()) LeaveMenuMode();
      return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_MOUSEWHEEL:
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      // A press on one of the menu's popups is the menu's own; any other closes it.
      for (const auto& popup : m_menu.Popups()) {
        if (popup->Handle() == msg.hwnd) return false;
      }
      // A second click on the system-menu button only closes its menu.
      if (msg.message == WM_NCLBUTTONDOWN && PressOnSystemMenuButton(msg)) {
        CloseOpenMenus();
        return true;
      }
      CloseOpenMenus();
      return false;
    default:
      return false;
  }
}

bool TksSkinFrame::PressOnSystemMenuButton(const TMsg& msg) const {
  if (!m_systemMenuOpen || !m_skinUsable || !Handle() || msg.hwnd != Handle()) return false;
  const TksActiveSkinObject* o = ObjectOf(ObjectAt(ToWindow(PointFromLParam(msg.lParam))));
  return o && o->Command() == TksStdCommand::cmSysMenu;
}

}  // namespace kx
