#pragma once

#include <map>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/gfx/bitmap.h"

namespace kx {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TBorderIcons = std::uint8_t;
inline constexpr TBorderIcons biSystemMenu = 1;
inline constexpr TBorderIcons biMinimize = 2;
inline constexpr TBorderIcons biMaximize = 4;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// A top-level window of the framework.
// A key-down message before the controls see it; handled keeps it from them.
using TShortCutEvent = std::function<void(TMsg& msg, bool& handled)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = TPosition::poDesigned;
  // The window's icon; empty for none.
  TBitmap Icon;
  TNotifyEvent OnCreate;
  TCloseEvent OnClose;
  TShortCutEvent OnShortCut;
  // The result a button of the window set when it was clicked (0: none). The
  // framework's forms are never shown modally, so nothing closes on it.
  int ModalResult = 0;

  void SetClientWidth(int width);
  void SetClientHeight(int height);
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }

  void Show();
  void Hide() { SetVisible(false); }
  void Close();
  bool Active() const;
  TWinControl* ActiveControl() const { return m_activeControl; }
  void SetActiveControl(TWinControl* control);
  // Runs OnCreate (the application calls it after the definition is loaded).
  void DoCreate();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;

 private:
  friend class TWinControl;
  TWinControl* m_activeControl = nullptr;
  // The control that last had the keyboard focus in this form; only compared, since
  // it is kept while the window is inactive.
  const TWinControl* m_focusedControl = nullptr;
  int m_pendingClientWidth = -1;
  int m_pendingClientHeight = -1;
  bool m_positioned = false;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// Cursor identifiers of the cursor table.
inline constexpr int crDefault = 0;
inline constexpr int crArrow = -2;
inline constexpr int crCross = -3;
inline constexpr int crIBeam = -4;
inline constexpr int crSizeNESW = -6;
inline constexpr int crSizeNS = -7;
inline constexpr int crSizeNWSE = -8;
inline constexpr int crSizeWE = -9;
inline constexpr int crHourGlass = -11;
inline constexpr int crNo = -18;
inline constexpr int crHandPoint = -21;

// The screen object: the open forms, the active form, the cursor table, the work area.
class TScreen {
 public:
  TScreen();
  const std::vector<TCustomForm*>& Forms() const { return m_forms; }
  TCustomForm* ActiveForm() const;
  HCURSOR Cursor(int id) const;
  void SetCursor(int id, HCURSOR cursor) { m_cursors[id] = std::move(cursor); }
  TRect WorkAreaRect() const;

 private:
  friend class TCustomForm;
  std::vector<TCustomForm*> m_forms;
  std::map<int, HCURSOR> m_cursors;
};

TScreen& Screen();

}  // namespace kx
