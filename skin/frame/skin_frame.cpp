#include "skin/frame/skin_frame.h"

#include <algorithm>
#include <utility>

#include "platform/base/assert.h"
#include "platform/window/api.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_default_buttons.h"
#include "skin/frame/skinned_control.h"
#include "skin/menu/skin_popup_menu.h"

namespace kx {

namespace {

// Style bits of the platform's own frame, which the skinned frame replaces.
constexpr std::uint32_t kFrameStyles = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_BORDER;

template <typename Fn>
void WalkControls(TControl& control, Fn&& fn) {
  fn(control);
  if (auto* parent = dynamic_cast<TWinControl*>(&control)) {
    std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) WalkControls(*child, fn);
  }
}

// Whether a button with this command is disabled by the border icons.
bool DisabledByIcons(TksStdCommand command, TBorderIcons icons) {
  switch (command) {
    case TksStdCommand::cmMaximize:
      return !(icons & biMaximize);
    case TksStdCommand::cmMinimize:
      return !(icons & biMinimize);
    case TksStdCommand::cmRollUp:
      return !(icons & biRollUp);
    case TksStdCommand::cmMinimizeToTray:
      return !(icons & biMinimizeToTray);
    case TksStdCommand::cmSysMenu:
      return !(icons & biSystemMenu);
    case TksStdCommand::cmClose:
    case TksStdCommand::cmDefault:
      return false;
  }
  return false;
}

// Animated, standard and default buttons; HideCaptionButtons takes these away.
bool IsCommandButton(const TksActiveSkinObject& o) {
  return o.IsDefaultButton() || dynamic_cast<const TksSkinAnimateObject*>(&o) ||
         dynamic_cast<const TksSkinStdButtonObject*>(&o);
}

}  // namespace

TksSkinFrame::TksSkinFrame(TComponent* owner) : TComponent(owner) {
  m_form = dynamic_cast<TCustomForm*>(owner);
  KX_ASSERT(m_form && "a skinned window frame belongs to a form");
  m_form->BorderIcons = 0;
  m_form->OnShortCut = [this](TMsg& msg, bool& handled) { ShortCut(msg, handled); };
  m_previousProc = m_form->WindowProc;
  m_form->WindowProc = [this](TMessage& m) { FrameWndProc(m); };
  m_systemMenu = new TksSkinPopupMenu(this);  // owned by the frame
  m_systemMenu->PopupForm = m_form;
  m_systemMenu->OnMenuClose = [this](TObject*) {
    m_systemMenuOpen = false;
    if (TksActiveSkinObject* opener = std::exchange(m_menuOpener, nullptr)) opener->MenuClosed();
  };
  if (m_form->HandleAllocated()) {
    RemoveFrameStyles(m_form->Handle());
    RecalculateFrame(m_form->Handle());
  }
}

TksSkinFrame::~TksSkinFrame() {
  m_menuOpener = nullptr;
  if (m_menuMode) LeaveMenuMode();
  m_menu.CloseSilently();
  StopTimers();
  m_objects.clear();
  if (m_form && !m_form->Destroying()) {
    m_form->WindowProc = m_previousProc;
    m_form->OnShortCut = nullptr;
  }
}

void TksSkinFrame::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == m_skinData) {
    m_skinData = nullptr;
    if (!Destroying()) Rebuild();
  }
  if (component == m_menusSkinData) m_menusSkinData = nullptr;
  if (component == m_systemMenu) m_systemMenu = nullptr;
  m_menu.ForgetControl(component);
}

void TksSkinFrame::RemoveFrameStyles(HWND h) {
  WindowSystem().SetStyle(h, WindowSystem().GetStyle(h) & ~kFrameStyles);
}

HWND TksSkinFrame::Handle() const {
  return m_form->HandleAllocated() ? m_form->Handle() : nullptr;
}

HWND TksSkinFrame::MenuWindow() {
  return Handle();
}

void TksSkinFrame::WatchPopupControl(TControl& control) {
  FreeNotification(&control);
}

bool TksSkinFrame::IsToolWindow() const {
  return Form().BorderStyle == TFormBorderStyle::bsToolWindow ||
         Form().BorderStyle == TFormBorderStyle::bsSizeToolWin;
}

// ---- properties

void TksSkinFrame::SetSkinData(TksSkinData* skinData) {
  if (m_skinData) RemoveFreeNotification(m_skinData);
  m_skinData = skinData;
  if (m_skinData) FreeNotification(m_skinData);
  Rebuild();
}

void TksSkinFrame::SetMenusSkinData(TksSkinData* skinData) {
  if (m_menusSkinData) RemoveFreeNotification(m_menusSkinData);
  m_menusSkinData = skinData;
  if (m_menusSkinData) FreeNotification(m_menusSkinData);
}

TksSkinData* TksSkinFrame::MenuSkinData() const {
  return m_menusSkinData ? m_menusSkinData : m_skinData;
}

// A usable skin keeps its objects, whose buttons follow the new icons; the plain
// frame's buttons stand in only where the skin brings no command buttons.
void TksSkinFrame::SetBorderIcons(TBorderIcons icons) {
  m_borderIcons = icons;
  if (SupportNCArea || m_skinUsable) {
    ClearHover();
    if (!m_skinUsable) {
      PutDefaultButtons(false);
    } else if (std::none_of(m_objects.begin(), m_objects.end(),
                            [](const auto& o) { return IsCommandButton(*o); })) {
      PutDefaultButtons(true);
    }
    ApplyButtonRules();
  }
  PaintNonClient();
}

TksActiveSkinObject* TksSkinFrame::FindObject(const std::string& idName) const {
  for (const auto& o : m_objects) {
    if (o->IDName == idName) return o.get();
  }
  return nullptr;
}

bool TksSkinFrame::WindowActive() const {
  HWND h = Handle();
  // The platform makes another window active only after this one has heard both
  // of its deactivation messages; the activate message is where the window lets go.
  return h && GetActiveWindow() == h && !m_letGo;
}

bool TksSkinFrame::ShowsActive() const {
  // The last activation message tells the state to draw, also while the platform
  // has not made the change yet; before the first one the window's own state does.
  return m_reportedActive ? *m_reportedActive : WindowActive();
}

const TBitmap* TksSkinFrame::WindowIcon() const {
  return m_form->Icon.Empty() ? nullptr : &m_form->Icon;
}

std::string TksSkinFrame::CaptionText() const {
  return m_form->Caption();
}

void TksSkinFrame::ObjectEvent(TksObjectEvent event, const std::string& idName) {
  const TksObjectNameEvent* handler = nullptr;
  switch (event) {
    case TksObjectEvent::MouseDown:
      handler = &OnMouseDownEvent;
      break;
    case TksObjectEvent::MouseUp:
      handler = &OnMouseUpEvent;
      break;
    case TksObjectEvent::MouseMove:
      handler = &OnMouseMoveEvent;
      break;
    case TksObjectEvent::MouseEnter:
      handler = &OnMouseEnterEvent;
      break;
    case TksObjectEvent::MouseLeave:
      handler = &OnMouseLeaveEvent;
      break;
  }
  if (handler && *handler) (*handler)(this, idName);
}

void TksSkinFrame::ReleaseGroup(int groupIndex, const TksActiveSkinObject& except) {
  for (auto& o : m_objects) {
    if (o.get() != &except) o->ReleaseInGroup(groupIndex);
  }
}

// ---- rebuilding

void TksSkinFrame::Rebuild() {
  m_skinUsable = m_skinData && !m_skinData->Empty();
  ClearObjects();
  if (m_skinUsable) {
    CreateObjects();
    ApplyButtonRules();
  } else if (HWND h = Handle()) {
    WindowSystem().SetWindowRgn(h, nullptr, true);
    RecalculateFrame(h);  // the plain frame's borders replace the skin's
  }
  FitToMinimum();
  RecordWindowSize();
  if (m_skinUsable) {
    Relayout();
    UpdateRegion();
    PaintNonClient();
  }
  m_form->Invalidate();
  Activation();
  if (m_skinUsable) StartWatchdog();
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (!m_rolledUp) {
    if (ClientWidth > 0) m_form->SetClientWidth(ClientWidth);
    if (ClientHeight > 0) m_form->SetClientHeight(ClientHeight);
  }
}

// A button that opened the open menu goes with the objects: the menu's close tells nobody.
void TksSkinFrame::ClearObjects() {
  m_hover = m_previousHover = m_pressed = -1;
  m_menuOpener = nullptr;
  m_objects.clear();
}

void TksSkinFrame::CreateObjects() {
  for (const auto& record : m_skinData->SkinObjects) {
    if (auto object = CreateActiveObject(*this, *record)) m_objects.push_back(std::move(object));
  }
}

void TksSkinFrame::PutDefaultButtons(bool besideSkinObjects) {
  ClearHover();
  if (besideSkinObjects) {
    m_hover = m_previousHover = m_pressed = -1;
  } else {
    ClearObjects();
  }
  for (auto& button : CreateDefaultButtons(*this)) m_objects.push_back(std::move(button));
  RecordWindowSize();
  Relayout();
}

void TksSkinFrame::ApplyButtonRules() {
  bool anyDefault = false;
  TksSkinCaptionObject* firstCaption = nullptr;
  for (auto& o : m_objects) {
    if (auto* caption = dynamic_cast<TksSkinCaptionObject*>(o.get())) {
      anyDefault = anyDefault || caption->DefaultCaption;
      if (!firstCaption) firstCaption = caption;
      continue;
    }
    const TksStdCommand c = o->Command();
    const bool disabled =
        (HideCaptionButtons && IsCommandButton(*o)) || DisabledByIcons(c, m_borderIcons);
    o->Enabled = !disabled;
    o->Visible = disabled ? !o->SkinRectInAPicture : true;
    if (!disabled && c == TksStdCommand::cmDefault &&
        dynamic_cast<TksSkinStdButtonObject*>(o.get())) {
      bool visible = false;
      if (OnActivateCustomObject) OnActivateCustomObject(this, o->IDName, visible);
      o->Visible = visible;
    }
  }
  if (!anyDefault && firstCaption) firstCaption->DefaultCaption = true;
  if (UseDefaultObjectHint) ApplyDefaultHints();
}

void TksSkinFrame::ApplyDefaultHints() {
  struct DefaultHint {
    TksStdCommand command;
    const char* key;
    const char* text;
  };
  static constexpr DefaultHint kHints[] = {
      {TksStdCommand::cmClose, "CLOSEBUTTON_HINT", "Close"},
      {TksStdCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize"},
      {TksStdCommand::cmMinimize, "MINBUTTON_HINT", "Minimize"},
      {TksStdCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu"},
      {TksStdCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"},
      {TksStdCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"},
  };
  const TksResourceStrData* strings = m_skinData ? m_skinData->ResourceStrData() : nullptr;
  for (auto& o : m_objects) {
    for (const DefaultHint& hint : kHints) {
      if (o->Command() == hint.command) o->Hint = SkinString(strings, hint.key, hint.text);
    }
  }
}

TksActiveSkinObject* TksSkinFrame::FirstEnabled(TksStdCommand command) const {
  for (const auto& o : m_objects) {
    if (o->Command() == command && o->Enabled) return o.get();
  }
  return nullptr;
}

// ---- the walks over the form and its controls

void TksSkinFrame::ForgetSkinOfControls(TksSkinData* skinData) {
  WalkControls(*m_form, [skinData](TControl& c) {
    auto* skinned = dynamic_cast<TksSkinnedControl*>(&c);
    if (skinned && (!skinData || skinned->SkinData() == skinData)) skinned->ForgetSkin();
  });
}

void TksSkinFrame::ApplySkinToControls(TksSkinData* skinData) {
  WalkControls(*m_form, [skinData](TControl& c) {
    auto* skinned = dynamic_cast<TksSkinnedControl*>(&c);
    if (skinned && (!skinData || skinned->SkinData() == skinData)) skinned->ApplySkin();
  });
}

}  // namespace kx
