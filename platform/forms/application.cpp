#include "platform/forms/application.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

#include "platform/forms/dialogs.h"
#include "platform/window/dialog_keys.h"

namespace kx {

namespace {
TApplication* g_application = nullptr;  // the framework's application object
}  // namespace

bool HasApplication() {
  return g_application != nullptr;
}

TApplication& Application() {
  if (!g_application) throw std::logic_error("no application object exists");
  return *g_application;
}

std::string ApplicationTitleFromPath(const std::string& executablePath) {
  std::string name = executablePath;
  std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  std::size_t dot = name.find('.');
  if (dot != std::string::npos) name.resize(dot);
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  for (std::size_t i = 1; i < name.size(); ++i) {
    name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
  }
  return name;
}

TApplication::TApplication(TWindowSystem& system, const std::string& executablePath)
    : TComponent(nullptr), Title(ApplicationTitleFromPath(executablePath)), m_system(system) {
  g_application = this;
}

TApplication::~TApplication() {
  CancelHint();
  std::vector<TComponent*> owned = Components();
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) delete *it;
  if (g_application == this) g_application = nullptr;
}

void TApplication::Terminate() {
  m_terminated = true;
  m_system.PostQuitMessage(0);
}

void TApplication::HandleException(const Exception& e) {
  if (OnException) {
    OnException(this, e);
    return;
  }
  ShowErrorBox(e.Message());
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_hintControl) CancelHint();
}

void TApplication::CancelHint() {
  if (m_hintTimer) m_system.KillTimer(nullptr, std::exchange(m_hintTimer, 0));
  if (m_hintControl) RemoveFreeNotification(std::exchange(m_hintControl, nullptr));
  m_hint.ReleaseHandle();
}

void TApplication::HintMouseMessage(const TMsg& msg) {
  if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_KEYDOWN ||
      msg.message == WM_SYSKEYDOWN || msg.message == WM_MOUSEWHEEL) {
    CancelHint();
    return;
  }
  if (msg.message != WM_MOUSEMOVE) return;
  TWinControl* window = FindControl(msg.hwnd);
  TControl* control = window ? window->ControlAtPos(PointFromLParam(msg.lParam)) : nullptr;
  if (control == m_hintControl) return;
  CancelHint();
  if (!ShowHint || !control || !control->ShowHint || control->Hint.empty()) return;
  m_hintControl = control;
  FreeNotification(control);
  m_hintTimer = m_system.SetTimer(nullptr, 0, HintPause, [this] { ShowHintNow(); });
}

void TApplication::ShowHintNow() {
  if (m_hintTimer) m_system.KillTimer(nullptr, std::exchange(m_hintTimer, 0));
  if (!m_hintControl) return;
  TRect r = m_hint.CalcHintRect(300, m_hintControl->Hint);
  TPoint at = m_system.GetCursorPos() + TPoint{0, 20};
  m_hint.Color = HintColor;
  m_hint.ActivateHint(r.Offset(at), m_hintControl->Hint);
  m_hintTimer = m_system.SetTimer(nullptr, 0, HintHidePause, [this] {
    if (m_hintTimer) m_system.KillTimer(nullptr, std::exchange(m_hintTimer, 0));
    m_hint.ReleaseHandle();
  });
}

int TApplication::HookMessages(TMessageHook hook) {
  m_hooks.emplace_back(++m_lastHook, std::move(hook));
  return m_lastHook;
}

void TApplication::UnhookMessages(int id) {
  std::erase_if(m_hooks, [id](const auto& entry) { return entry.first == id; });
}

void TApplication::Dispatch(TMsg& msg) {
  try {
    // A hook may remove hooks: each is looked up again before it runs.
    std::vector<int> ids;
    for (const auto& entry : m_hooks) ids.push_back(entry.first);
    for (int id : ids) {
      auto it = std::find_if(m_hooks.begin(), m_hooks.end(),
                             [id](const auto& entry) { return entry.first == id; });
      if (it == m_hooks.end()) continue;
      TMessageHook hook = it->second;
      if (hook(msg)) return;
    }
    HintMouseMessage(msg);
    TCustomForm* form = Screen().ActiveForm();
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
      bool handled = false;
      if (OnShortCut) OnShortCut(msg, handled);
      if (!handled && form && form->OnShortCut) form->OnShortCut(msg, handled);
      if (handled) return;
    }
    if (form && form->HandleAllocated() && IsDialogMessage(m_system, form->Handle(), msg)) return;
    m_system.TranslateMessage(msg);
    m_system.DispatchMessage(msg);
  } catch (const Exception& e) {
    HandleException(e);
  }
}

bool TApplication::HandleMessage() {
  TMsg msg;
  if (!m_system.GetMessage(msg)) {
    m_terminated = true;
    return false;
  }
  Dispatch(msg);
  return true;
}

void TApplication::ProcessMessages() {
  TMsg msg;
  while (m_system.PeekMessage(msg, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      m_terminated = true;
      m_system.PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void TApplication::Run() {
  if (m_mainForm) m_mainForm->Show();
  while (!m_terminated && HandleMessage()) {
  }
}

}  // namespace kx
