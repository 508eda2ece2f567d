#pragma once

#include <memory>
#include <unordered_map>

#include "platform/window/backend.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace kx {

// SDL2: one borderless OS window per top-level window, shaped by its window
// region, popups as override-redirect popup windows that take no focus.
class SdlBackend final : public WindowBackend {
 public:
  SdlBackend();  // raises Exception when SDL's video cannot start
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  // True when a display is there and SDL's video starts on it.
  static bool DisplayAvailable();

  const char* Name() const override { return "sdl"; }
  void Attach(TWindowSystem& system) override { m_system = &system; }
  void Detach() override { m_system = nullptr; }
  TRect ScreenRect() const override;
  TRect WorkArea(TPoint nearPoint) const override;
  void CreateNative(HWND topLevel) override;
  void DestroyNative(HWND topLevel) override;
  void SetNativeBounds(HWND topLevel, const TRect& screenRect) override;
  void ShowNative(HWND topLevel, bool visible) override;
  void MinimizeNative(HWND topLevel) override;
  void SetNativeShape(HWND topLevel, const TRegion* region) override;
  void SetNativeAlpha(HWND topLevel, std::uint8_t alpha) override;
  void RaiseNative(HWND topLevel) override;
  void FocusNative(HWND topLevel) override;
  void Present(HWND topLevel, const TBitmap& buffer, const TRect& dirty) override;
  void SetCursor(const HCURSOR& cursor) override;
  void SetClipboardText(const std::string& utf8) override;
  std::string ClipboardText() const override;
  bool HasClipboardText() const override;
  TPoint CursorPos(TPoint lastSeen) const override;
  void SetCursorPos(TPoint screenPoint) override;
  void CaptureMouse(bool on) override;
  void Pump() override;
  void Wait(int timeoutMs) override;

  // Used by the hit-test callback.
  int HitTest(SDL_Window* window, int x, int y);

 private:
  struct NativeWindow {
    SDL_Window* window = nullptr;
    bool popup = false;
    std::unique_ptr<TRegion> region;
  };
  void Handle(const SDL_Event& event);
  HWND FromWindowId(unsigned id) const;
  NativeWindow* Find(HWND hwnd);
  void MakeWindow(HWND hwnd, NativeWindow& native);
  void ApplyShape(HWND hwnd, NativeWindow& native);
  // After a batch of events: when the keyboard left our windows and went to no
  // other of ours, another program has it.
  void SettleFocus();
  TPoint ToScreen(unsigned windowId, int x, int y) const;

  TWindowSystem* m_system = nullptr;
  std::unordered_map<HWND, NativeWindow> m_natives;
  std::unordered_map<unsigned, HWND> m_byId;
  SDL_Cursor* m_cursor = nullptr;
  TPoint m_lastPointer;
  // One of our windows lost the keyboard in the events being handled.
  bool m_focusLost = false;
  // Every window is presented at this integer scale (high-DPI screens); the
  // window system sees logical pixels, the display physical ones.
  int m_scale = 1;
  int Physical(int logical) const { return logical * m_scale; }
  int Logical(int physical) const;
};

}  // namespace kx
