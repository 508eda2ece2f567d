#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_objects.h"
#include "skin/menu/skin_menu.h"

namespace kx {

class TksSkinData;
class TksSkinPopupMenu;

// The frame's own border icons besides the form's.
inline constexpr TBorderIcons biRollUp = 8;
inline constexpr TBorderIcons biMinimizeToTray = 16;

enum class TksPositionInMonitor { kspDefault, kspScreenCenter, kspDesktopCenter };

using TksObjectNameEvent = std::function<void(TObject* sender, const std::string& idName)>;
using TksClientRectEvent = std::function<void(TObject* sender, const TRect& clientRect)>;
using TksCustomObjectEvent =
    std::function<void(TObject* sender, const std::string& idName, bool& visible)>;

// The skinned window frame: placed on a form, it takes over the form's
// non-client area with a frame cut from the skin, its caption and buttons,
// the window shape of the skin's mask, the system menu and the size limits,
// and tells the form's skinned controls when the skin changes.
class TksSkinFrame : public TComponent, public TksFrameObjectHost, public TksSkinMenuHost {
 public:
  // The owner must be a form.
  explicit TksSkinFrame(TComponent* owner);
  ~TksSkinFrame() override;

  TksSkinData* SkinData() const { return m_skinData; }
  // Rebuilds the frame at once.
  void SetSkinData(TksSkinData* skinData);
  TksSkinData* MenusSkinData() const { return m_menusSkinData; }
  void SetMenusSkinData(TksSkinData* skinData);
  TBorderIcons BorderIcons() const { return m_borderIcons; }
  void SetBorderIcons(TBorderIcons icons);

  bool SupportNCArea = true;
  bool Sizeable = true;
  bool DraggAble = false;
  bool Magnetic = false;
  int MagneticSize = 10;
  bool UseDefaultSysMenu = true;
  bool ShowIcon = false;
  bool HideCaptionButtons = false;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int ClientWidth = 0, ClientHeight = 0;
  TksPositionInMonitor PositionInMonitor = TksPositionInMonitor::kspDefault;
  bool MaximizeOnFullScreen = false;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;
  TFont DefCaptionFont{"Arial", 14, {TFontStyle::fsBold}, clBtnText};
  TFont DefInActiveCaptionFont{"Arial", 14, {TFontStyle::fsBold}, clBtnShadow};
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  bool UseSkinCursors = false;
  bool UseFormCursorInNCArea = false;
  bool AlwaysMinimizeToTray = false;

  TksObjectNameEvent OnMouseDownEvent, OnMouseUpEvent, OnMouseMoveEvent, OnMouseEnterEvent,
      OnMouseLeaveEvent;
  TNotifyEvent OnActivate, OnDeActivate, OnMinimize, OnRestore, OnMaximize, OnChangeSkinData;
  TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;
  TksClientRectEvent OnChangeClientRect;
  TksCustomObjectEvent OnActivateCustomObject;

  // State a caller (and a test) may look at.
  bool SkinUsable() const { return m_skinUsable; }
  const std::vector<std::unique_ptr<TksActiveSkinObject>>& Objects() const { return m_objects; }
  TksActiveSkinObject* FindObject(const std::string& idName) const;
  int HoverIndex() const { return m_hover; }
  int PressedIndex() const { return m_pressed; }
  TSize MinimumSize() const;
  TksSkinPopupMenu& SystemMenu() { return *m_systemMenu; }
  // Opens the system menu below the first enabled system-menu button (Alt+Space).
  void OpenSystemMenuFromKeyboard();

  // TksFrameObjectHost.
  const TksSkinData& Skin() const override { return *m_skinData; }
  const TksFrameGeometry& Geometry() const override { return m_geometry; }
  bool WindowActive() const override;
  TksWindowState WindowState() const override { return m_windowState; }
  bool RolledUp() const override { return m_rolledUp; }
  std::string CaptionText() const override;
  bool ShowsWindowIcon() const override { return ShowIcon; }
  const TFont& CaptionFont() const override { return DefCaptionFont; }
  void RedrawObject(TksActiveSkinObject& object) override;
  void StartAnimation() override;
  void RunCommand(TksStdCommand command) override;
  void OpenSystemMenu(const TRect& below, TksActiveSkinObject* opener) override;
  bool MouseOver(const TksActiveSkinObject& object) const override;
  void ObjectEvent(TksObjectEvent event, const std::string& idName) override;

  // TksSkinMenuHost.
  TksSkinMenu& SkinMenu() override { return m_menu; }
  TksSkinData* MenuSkinData() const override;
  void EnterMenuMode() override;
  void LeaveMenuMode() override;
  bool InMenuMode() const override { return m_menuMode; }
  HWND MenuWindow() override;
  void WatchPopupControl(TControl& control) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomForm& Form() const { return *m_form; }
  HWND Handle() const;
  void FrameWndProc(TMessage& m);
  bool HandleSkinMessage(TMessage& m);
  bool HandleNonClientMouse(TMessage& m);
  void Rebuild();
  void CreateObjects();
  void ApplyButtonRules();
  void ApplyDefaultHints();
  void FitToMinimum();
  void SizeChanged();
  void UpdateRegion();
  bool PaintsSkin() const;
  bool HasBorder() const { return Form().BorderStyle != TFormBorderStyle::bsNone; }
  // The non-client drawing.
  void PaintNonClient();
  void PaintNonClientInto(TCanvas& canvas);
  void PaintPlainFrame(TCanvas& canvas);
  void PaintClientBackground(TCanvas& canvas);
  int HitTest(TPoint window) const;
  int PlainHitTest(TPoint window) const;
  TPoint CursorInWindow() const;
  // Hover.
  int ObjectAt(TPoint window) const;
  void DetectHover(TPoint window);
  void ClearHover();
  void StartWatchdog();
  void StopWatchdog();
  void Watchdog();
  void AnimationTick();
  void PressObject(TPoint window, TMouseButton button);
  void ReleaseObject(TPoint window, TMouseButton button);
  void Activation();
  void SetSizeLimits(MINMAXINFO& info) const;
  // The walks over the form and its controls.
  void ForgetSkinOfControls(TksSkinData* skinData);
  void ApplySkinToControls(TksSkinData* skinData);
  void RebuildSystemMenu();
  void Maximize();
  void Restore();
  void Minimize();
  void ToggleRollUp();
  bool MenuModeHook(TMsg& msg);
  void ShortCut(TMsg& msg, bool& handled);

  TCustomForm* m_form = nullptr;
  TWndMethod m_previousProc;
  TksSkinData* m_skinData = nullptr;
  TksSkinData* m_menusSkinData = nullptr;
  TBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool m_skinUsable = false;
  int m_width = 0, m_height = 0;
  TksFrameGeometry m_geometry;
  std::vector<std::unique_ptr<TksActiveSkinObject>> m_objects;
  int m_hover = -1, m_previousHover = -1, m_pressed = -1;
  TksWindowState m_windowState = TksWindowState::wsNormal;
  bool m_rolledUp = false;
  std::optional<TRect> m_savedBounds;
  // The active state the last activation message reported.
  std::optional<bool> m_reportedActive;
  bool m_movingOrSizing = false;
  bool m_moveSizeEnded = false;
  bool m_shownOnce = false;
  std::uintptr_t m_animationTimer = 0;
  std::uintptr_t m_watchdogTimer = 0;
  TksSkinMenu m_menu{*this};
  TksSkinPopupMenu* m_systemMenu = nullptr;  // owned by this component
  TksActiveSkinObject* m_menuOpener = nullptr;
  bool m_menuMode = false;
  int m_menuHook = 0;
};

}  // namespace kx
