#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/exception.h"
#include "platform/forms/forms.h"
#include "platform/forms/hint_window.h"

namespace kx {

// The title rule: the file name without its directory, cut at its first ".",
// the first letter in upper case and every later one in lower case
// ("/opt/x/KESTRIX.EXE" gives "Kestrix", "my.app.bin" gives "My").
std::string ApplicationTitleFromPath(const std::string& executablePath);

// The application object: the main form, the message loop and the error box
// for exceptions that escape an event handler.
class TApplication : public TComponent {
 public:
  TApplication(TWindowSystem& system, const std::string& executablePath);
  ~TApplication() override;

  std::string Title;
  bool ShowHint = true;
  TColor HintColor = clInfoBk;
  std::uint32_t HintPause = 500;
  std::uint32_t HintHidePause = 2500;
  THintWindow& HintWindow() { return m_hint; }
  void CancelHint();
  std::function<void(TObject* sender, const Exception& e)> OnException;
  // Sees key-down messages first; setting handled keeps them from the forms.
  TShortCutEvent OnShortCut;
  // A hook sees every message before it is dispatched and may take it (true).
  using TMessageHook = std::function<bool(TMsg& msg)>;
  int HookMessages(TMessageHook hook);
  void UnhookMessages(int id);

  void Initialize() {}
  // Creates a form owned by the application; the first one becomes the main form.
  template <typename T>
  void CreateForm(T*& reference) {
    reference = new T(this);  // owned by the application
    if (!m_mainForm) m_mainForm = reference;
    reference->DoCreate();
  }
  TCustomForm* MainForm() const { return m_mainForm; }
  void Run();
  void Terminate();
  bool Terminated() const { return m_terminated; }
  // Handles every waiting message; exceptions from handlers show the error box.
  void ProcessMessages();
  // Handles one message, waiting for it; false on WM_QUIT.
  bool HandleMessage();
  void HandleException(const Exception& e);
  // Dialog keys, translation and dispatch of one message, with the error box.
  void DispatchOne(TMsg& msg) { Dispatch(msg); }
  TWindowSystem& System() { return m_system; }

 private:
  void Dispatch(TMsg& msg);
  void HintMouseMessage(const TMsg& msg);
  void ShowHintNow();
  void Notification(TComponent* component, TOperation operation) override;
  TWindowSystem& m_system;
  THintWindow m_hint;
  TControl* m_hintControl = nullptr;
  std::uintptr_t m_hintTimer = 0;
  TCustomForm* m_mainForm = nullptr;
  bool m_terminated = false;
  std::vector<std::pair<int, TMessageHook>> m_hooks;
  int m_lastHook = 0;
};

bool HasApplication();
TApplication& Application();

}  // namespace kx
