#include "platform/forms/forms.h"

#include <algorithm>
#include <utility>

#include "platform/forms/application.h"
#include "platform/window/api.h"

namespace kx {

namespace {
// Offers an accelerator character to the visible, enabled controls below parent,
// each parent's controls in creation order (their tab order), until one takes it.
bool OfferDialogChar(TWinControl& parent, WPARAM key) {
  for (TControl* control : parent.Controls()) {
    if (!control->Visible() || !control->Enabled()) continue;
    if (control->Perform(CM_DIALOGCHAR, key) != 0) return true;
    if (auto* windowed = dynamic_cast<TWinControl*>(control);
        windowed && OfferDialogChar(*windowed, key))
      return true;
  }
  return false;
}
}  // namespace

TScreen& Screen() {
  static TScreen screen;  // the framework's screen object
  return screen;
}

TScreen::TScreen() {
  m_cursors[crDefault] = LoadCursor(TStandardCursor::Arrow);
  m_cursors[crArrow] = LoadCursor(TStandardCursor::Arrow);
  m_cursors[crCross] = LoadCursor(TStandardCursor::Cross);
  m_cursors[crIBeam] = LoadCursor(TStandardCursor::IBeam);
  m_cursors[crSizeNESW] = LoadCursor(TStandardCursor::SizeNESW);
  m_cursors[crSizeNS] = LoadCursor(TStandardCursor::SizeNS);
  m_cursors[crSizeNWSE] = LoadCursor(TStandardCursor::SizeNWSE);
  m_cursors[crSizeWE] = LoadCursor(TStandardCursor::SizeWE);
  m_cursors[crHourGlass] = LoadCursor(TStandardCursor::Wait);
  m_cursors[crNo] = LoadCursor(TStandardCursor::No);
  m_cursors[crHandPoint] = LoadCursor(TStandardCursor::Hand);
}

HCURSOR TScreen::Cursor(int id) const {
  auto it = m_cursors.find(id);
  return it == m_cursors.end() ? m_cursors.at(crDefault) : it->second;
}

TCustomForm* TScreen::ActiveForm() const {
  if (!WindowSystemExists()) return nullptr;
  HWND active = WindowSystem().GetActiveWindow();
  for (TCustomForm* f : m_forms) {
    if (f->HandleAllocated() && f->Handle() == active) return f;
  }
  return nullptr;
}

TRect TScreen::WorkAreaRect() const {
  return WindowSystemExists() ? WindowSystem().Backend().WorkArea({0, 0}) : TRect{};
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  Screen().m_forms.push_back(this);
}

TCustomForm::~TCustomForm() {
  std::erase(Screen().m_forms, this);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = "TForm";
  params.Style = WS_CLIPCHILDREN | (Visible() ? WS_VISIBLE : 0);
  switch (BorderStyle) {
    case TFormBorderStyle::bsNone:
      params.Style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      params.Style |= WS_CAPTION;
      break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_CAPTION | WS_DLGFRAME;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    default:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
  }
  if (BorderStyle == TFormBorderStyle::bsToolWindow ||
      BorderStyle == TFormBorderStyle::bsSizeToolWin) {
    params.ExStyle |= WS_EX_TOOLWINDOW;
  }
  if (BorderStyle != TFormBorderStyle::bsNone && (BorderIcons & biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    if (BorderStyle != TFormBorderStyle::bsDialog) {
      if (BorderIcons & biMinimize) params.Style |= WS_MINIMIZEBOX;
      if (BorderIcons & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    }
  }
}

void TCustomForm::SetClientWidth(int width) {
  if (!HandleAllocated()) {
    m_pendingClientWidth = width;
    return;
  }
  SetWidth(Width() - ClientWidth() + width);
}

void TCustomForm::SetClientHeight(int height) {
  if (!HandleAllocated()) {
    m_pendingClientHeight = height;
    return;
  }
  SetHeight(Height() - ClientHeight() + height);
}

void TCustomForm::Show() {
  HandleNeeded();
  if (m_pendingClientWidth >= 0) SetClientWidth(std::exchange(m_pendingClientWidth, -1));
  if (m_pendingClientHeight >= 0) SetClientHeight(std::exchange(m_pendingClientHeight, -1));
  if (!m_positioned && Position == TPosition::poScreenCenter) {
    TRect work = Screen().WorkAreaRect();
    SetBounds(work.Left + (work.Width() - Width()) / 2, work.Top + (work.Height() - Height()) / 2,
              Width(), Height());
  }
  m_positioned = true;
  SetVisible(true);
  WindowSystem().ShowWindow(Handle(), SW_SHOW);
  if (m_activeControl && m_activeControl->CanFocus()) m_activeControl->SetFocus();
}

void TCustomForm::Close() {
  if (HandleAllocated()) WindowSystem().SendMessage(Handle(), WM_CLOSE);
}

bool TCustomForm::Active() const {
  return Screen().ActiveForm() == this;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  m_activeControl = control;
  if (control && HandleAllocated() && Active() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::DoCreate() {
  if (!OnCreate) return;
  // An error of the creation handler is reported, and the form is made all the same.
  try {
    OnCreate(this);
  } catch (const Exception& e) {
    if (!HasApplication()) throw;
    Application().HandleException(e);
  }
}

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE: {
      TCloseAction action = TCloseAction::caHide;
      if (OnClose) OnClose(this, action);
      if (action == TCloseAction::caNone) return;
      if (HasApplication() && Application().MainForm() == this) {
        Application().Terminate();
        return;
      }
      if (action == TCloseAction::caMinimize) {
        WindowSystem().ShowWindow(Handle(), SW_MINIMIZE);
      } else {
        Hide();
      }
      return;
    }
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_KEYMENU && m.LParam != 0 &&
          OfferDialogChar(*this, static_cast<WPARAM>(m.LParam))) {
        m.Result = 0;
        return;
      }
      break;
    case WM_SETFOCUS:
      if (m_activeControl && m_activeControl != this && m_activeControl->CanFocus()) {
        m_activeControl->SetFocus();
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace kx
