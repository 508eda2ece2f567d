#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/window/plain_frame_geometry.h"
#include "skin/draw/skin_drawing.h"
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
  // Whether the window counts as active: it is the platform's active window and
  // has not been let go by an inactive activate message since it became so.
  bool WindowActive() const;
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
  bool ShowsActive() const override;
  TksWindowState WindowState() const override { return m_windowState; }
  bool RolledUp() const override { return m_rolledUp; }
  std::string CaptionText() const override;
  bool ShowsWindowIcon() const override { return ShowIcon; }
  const TBitmap* WindowIcon() const override;
  const TFont& CaptionFont() const override { return DefCaptionFont; }
  void RedrawObject(TksActiveSkinObject& object) override;
  void StartAnimation() override;
  void RunCommand(TksStdCommand command) override;
  void OpenSystemMenu(const TRect& below, TksActiveSkinObject* opener) override;
  bool MouseOver(const TksActiveSkinObject& object) const override;
  void ObjectEvent(TksObjectEvent event, const std::string& idName) override;
  void ReleaseGroup(int groupIndex, const TksActiveSkinObject& except) override;

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
  using MessageHandler = void (TksSkinFrame::*)(TMessage&);
  struct MessageRoute {
    UINT msg;
    MessageHandler handler;
  };
  static const MessageRoute kMessageRoutes[];

  TCustomForm& Form() const { return *m_form; }
  HWND Handle() const;
  static void RemoveFrameStyles(HWND h);
  // Asks the platform for the window's non-client size again.
  static void RecalculateFrame(HWND h);
  bool HasBorder() const { return Form().BorderStyle != TFormBorderStyle::bsNone; }
  bool IsToolWindow() const;
  bool Folded() const { return m_rolledUp || m_windowState == TksWindowState::wsMinimized; }

  // Message dispatch (skin_frame_messages.cpp): one short handler per message.
  void FrameWndProc(TMessage& m);
  void Previous(TMessage& m) { m_previousProc(m); }
  bool HandleSkinMessage(TMessage& m);
  void WmCreate(TMessage& m);
  void WmNCCalcSize(TMessage& m);
  void WmNCPaint(TMessage& m);
  void WmPaintFrameInto(TMessage& m);
  void WmNCActivate(TMessage& m);
  void WmActivate(TMessage& m);
  void WmNCHitTest(TMessage& m);
  void WmEraseBackground(TMessage& m);
  void WmSize(TMessage& m);
  void WmEnterSizeMove(TMessage& m);
  void WmExitSizeMove(TMessage& m);
  void WmGetMinMaxInfo(TMessage& m);
  void WmSetText(TMessage& m);
  void WmShowWindow(TMessage& m);
  void WmSysCommand(TMessage& m);
  void WmDestroy(TMessage& m);
  void WmMenuClosingMessage(TMessage& m);
  void WmClientButtonUp(TMessage& m);
  void WmClientMouseMove(TMessage& m);
  void WmNonClientMouse(TMessage& m);

  // Rebuilding and the objects (skin_frame.cpp).
  void Rebuild();
  void ClearObjects();
  void CreateObjects();
  // The six default command buttons, in place of the objects or after them.
  void PutDefaultButtons(bool besideSkinObjects);
  void ApplyButtonRules();
  void ApplyDefaultHints();
  TksActiveSkinObject* FirstEnabled(TksStdCommand command) const;
  void ForgetSkinOfControls(TksSkinData* skinData);
  void ApplySkinToControls(TksSkinData* skinData);

  // Geometry and placement (skin_frame_placement.cpp): computed when the size, the skin
  // or the state changes; painting and hit testing read it.
  bool PaintsSkin() const;
  void Relayout();
  void RecordWindowSize();
  void FitToMinimum();
  void SizeChanged();
  void UpdateRegion();
  PlainFrameGeometry PlainGeometry(TSize window) const;
  TRect ClientInWindow(const TRect& window) const;
  void SetSizeLimits(MINMAXINFO& info) const;
  void PositionOnFirstShow();
  TPoint ToWindow(TPoint screen) const;
  TPoint CursorInWindow() const;

  // Painting (skin_frame_painting.cpp).
  void PaintNonClient();
  void PaintNonClientInto(TCanvas& canvas);
  void DrawObjectsOnStrips(TksBorderStrips& strips);
  void PaintPlainFrame(TCanvas& canvas);
  void PaintClientBackground(TCanvas& canvas);

  // Hit testing, hover and the mouse (skin_frame_mouse.cpp).
  int HitTest(TPoint window) const;
  int SizingZone(TPoint window) const;
  bool OnSizingBorder(TPoint window) const;
  bool InCaptionObject(TPoint window) const;
  int ObjectAt(TPoint window) const;
  TksActiveSkinObject* ObjectOf(int index) const;
  void DetectHover(TPoint window);
  void ClearHover();
  void StartWatchdog();
  void StopWatchdog();
  void Watchdog();
  void StopTimers();
  void AnimationTick();
  void PressObject(TPoint window, TMouseButton button);
  void ReleaseObject(TPoint window, TMouseButton button);
  void DoubleClickObject(TPoint window, TMouseButton button);
  void CaptionDoubleClicked();

  // Activation, commands, the system menu and menu mode (skin_frame_commands.cpp).
  void Activation();
  void Maximize();
  void Restore();
  void Minimize();
  void PlatformRestored();
  void ToggleRollUp();
  void RebuildSystemMenu();
  void CloseOpenMenus();
  bool MenuModeHook(TMsg& msg);
  // Whether a press falls on the system-menu button while the system menu is open.
  bool PressOnSystemMenuButton(const TMsg& msg) const;
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
  // Indexes into m_objects; -1 for none.
  int m_hover = -1, m_previousHover = -1, m_pressed = -1;
  TksWindowState m_windowState = TksWindowState::wsNormal;
  bool m_rolledUp = false;
  std::optional<TRect> m_savedBounds;
  // The active state the last activation message reported.
  std::optional<bool> m_reportedActive;
  // An inactive activate message let the window go; the next activating message takes it back.
  bool m_letGo = false;
  bool m_movingOrSizing = false;
  // The default handling of a button-down runs; a move or size loop that ends
  // inside it marks the press as spent (m_moveSizeEnded), so no object takes it.
  bool m_handlingButtonDown = false;
  bool m_moveSizeEnded = false;
  bool m_shownOnce = false;
  std::uintptr_t m_animationTimer = 0;
  std::uintptr_t m_watchdogTimer = 0;
  TksSkinMenu m_menu{*this};
  TksSkinPopupMenu* m_systemMenu = nullptr;  // owned by this component
  TksActiveSkinObject* m_menuOpener = nullptr;
  bool m_systemMenuOpen = false;
  bool m_menuMode = false;
  int m_menuHook = 0;
};

}  // namespace kx
