#include "platform/window/backend/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/base/exception.h"
#include "platform/base/strings.h"
#include "platform/window/backend/sdl/x11_shape.h"
#include "platform/window/key_translation.h"
#include "platform/window/window_system.h"

namespace kx {

namespace {
int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD0 + 1 + (key - SDLK_KP_1);
  switch (key) {
    case SDLK_KP_0:
      return VK_NUMPAD0;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_PAGEUP:
      return VK_PRIOR;
    case SDLK_PAGEDOWN:
      return VK_NEXT;
    case SDLK_END:
      return VK_END;
    case SDLK_HOME:
      return VK_HOME;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_INSERT:
      return VK_INSERT;
    case SDLK_DELETE:
      return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    case SDLK_CAPSLOCK:
      return VK_CAPITAL;
    case SDLK_PAUSE:
      return VK_PAUSE;
    case SDLK_APPLICATION:
      return VK_APPS;
    case SDLK_SEMICOLON:
      return VK_OEM_1;
    case SDLK_EQUALS:
      return VK_OEM_PLUS;
    case SDLK_COMMA:
      return VK_OEM_COMMA;
    case SDLK_MINUS:
      return VK_OEM_MINUS;
    case SDLK_PERIOD:
      return VK_OEM_PERIOD;
    case SDLK_SLASH:
      return VK_OEM_2;
    case SDLK_BACKQUOTE:
      return VK_OEM_3;
    case SDLK_LEFTBRACKET:
      return VK_OEM_4;
    case SDLK_BACKSLASH:
      return VK_OEM_5;
    case SDLK_RIGHTBRACKET:
      return VK_OEM_6;
    case SDLK_QUOTE:
      return VK_OEM_7;
    case SDLK_KP_MULTIPLY:
      return VK_MULTIPLY;
    case SDLK_KP_PLUS:
      return VK_ADD;
    case SDLK_KP_MINUS:
      return VK_SUBTRACT;
    case SDLK_KP_PERIOD:
      return VK_DECIMAL;
    case SDLK_KP_DIVIDE:
      return VK_DIVIDE;
    default:
      return 0;
  }
}

// Text that arrives while Ctrl or Alt is held belongs to a shortcut, which the
// key events carry. AltGr (right Alt, or the mode key) composes characters on
// many layouts and is no shortcut, even where it reports Ctrl as well.
bool ShortcutText(SDL_Keymod mods) {
  if (mods & (KMOD_RALT | KMOD_MODE)) return false;
  return (mods & (KMOD_CTRL | KMOD_LALT)) != 0;
}

// Keys whose characters SDL reports as text input of its own.
bool MakesText(int vk) {
  return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == VK_SPACE ||
         (vk >= VK_OEM_1 && vk <= VK_OEM_3) || (vk >= VK_OEM_4 && vk <= VK_OEM_7) ||
         (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE);
}

SDL_SystemCursor SystemCursorOf(TStandardCursor c) {
  switch (c) {
    case TStandardCursor::IBeam:
      return SDL_SYSTEM_CURSOR_IBEAM;
    case TStandardCursor::Wait:
      return SDL_SYSTEM_CURSOR_WAIT;
    case TStandardCursor::Cross:
      return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case TStandardCursor::SizeNWSE:
      return SDL_SYSTEM_CURSOR_SIZENWSE;
    case TStandardCursor::SizeNESW:
      return SDL_SYSTEM_CURSOR_SIZENESW;
    case TStandardCursor::SizeWE:
      return SDL_SYSTEM_CURSOR_SIZEWE;
    case TStandardCursor::SizeNS:
      return SDL_SYSTEM_CURSOR_SIZENS;
    case TStandardCursor::SizeAll:
      return SDL_SYSTEM_CURSOR_SIZEALL;
    case TStandardCursor::No:
      return SDL_SYSTEM_CURSOR_NO;
    case TStandardCursor::Hand:
      return SDL_SYSTEM_CURSOR_HAND;
    case TStandardCursor::AppStarting:
      return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
      return SDL_SYSTEM_CURSOR_ARROW;
  }
}

SDL_HitTestResult SDLCALL HitTestCallback(SDL_Window* window, const SDL_Point* area, void* data) {
  int hit = static_cast<SdlBackend*>(data)->HitTest(window, area->x, area->y);
  switch (hit) {
    case HTCAPTION:
      return SDL_HITTEST_DRAGGABLE;
    case HTLEFT:
      return SDL_HITTEST_RESIZE_LEFT;
    case HTRIGHT:
      return SDL_HITTEST_RESIZE_RIGHT;
    case HTTOP:
      return SDL_HITTEST_RESIZE_TOP;
    case HTBOTTOM:
      return SDL_HITTEST_RESIZE_BOTTOM;
    case HTTOPLEFT:
      return SDL_HITTEST_RESIZE_TOPLEFT;
    case HTTOPRIGHT:
      return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HTBOTTOMLEFT:
      return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HTBOTTOMRIGHT:
      return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    default:
      return SDL_HITTEST_NORMAL;
  }
}

bool IsPopup(HWND hwnd) {
  return (hwnd->Style & WS_POPUP) &&
         (hwnd->Owner || (hwnd->ExStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)));
}
}  // namespace

bool SdlBackend::DisplayAvailable() {
  const char* x = std::getenv("DISPLAY");
  const char* wl = std::getenv("WAYLAND_DISPLAY");
  if ((!x || !*x) && (!wl || !*wl)) return false;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return true;
}

namespace {
// KESTRIX_SCALE=1|2|3, else 2 from 192 dpi on, else 1.
int PresentationScale() {
  if (const char* value = std::getenv("KESTRIX_SCALE")) {
    int scale = std::atoi(value);
    if (scale >= 1 && scale <= 3) return scale;
  }
  float dpi = 0;
  if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) == 0 && dpi >= 192.0f) return 2;
  return 1;
}
}  // namespace

int SdlBackend::Logical(int physical) const {
  // Rounds toward minus infinity, so that negative coordinates map the same way.
  return physical >= 0 ? physical / m_scale : -((-physical + m_scale - 1) / m_scale);
}

SdlBackend::SdlBackend() {
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The window surface goes straight to the window system. Through a renderer
  // (SDL's default where OpenGL exists) a window resized before its first
  // presentation keeps the viewport of its first size, and shows a shifted,
  // cut-off picture until something repaints it.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw Exception(std::string("Cannot start the display: ") + SDL_GetError());
  }
  SDL_StartTextInput();
  m_scale = PresentationScale();
}

SdlBackend::~SdlBackend() {
  for (auto& [hwnd, native] : m_natives) {
    if (native.window) SDL_DestroyWindow(native.window);
  }
  if (m_cursor) SDL_FreeCursor(m_cursor);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TRect SdlBackend::ScreenRect() const {
  SDL_Rect r{0, 0, 1920, 1080};
  SDL_GetDisplayBounds(0, &r);
  return Bounds(Logical(r.x), Logical(r.y), r.w / m_scale, r.h / m_scale);
}

TRect SdlBackend::WorkArea(TPoint nearPoint) const {
  int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect b;
    if (SDL_GetDisplayBounds(i, &b) != 0) continue;
    if (Bounds(b.x, b.y, b.w, b.h).Contains(TPoint{Physical(nearPoint.X), Physical(nearPoint.Y)})) {
      SDL_Rect u = b;
      SDL_GetDisplayUsableBounds(i, &u);
      return Bounds(Logical(u.x), Logical(u.y), u.w / m_scale, u.h / m_scale);
    }
  }
  SDL_Rect u{0, 0, 1920, 1080};
  SDL_GetDisplayUsableBounds(0, &u);
  return Bounds(Logical(u.x), Logical(u.y), u.w / m_scale, u.h / m_scale);
}

SdlBackend::NativeWindow* SdlBackend::Find(HWND hwnd) {
  auto it = m_natives.find(hwnd);
  return it == m_natives.end() ? nullptr : &it->second;
}

HWND SdlBackend::FromWindowId(unsigned id) const {
  auto it = m_byId.find(id);
  return it == m_byId.end() ? nullptr : it->second;
}

void SdlBackend::MakeWindow(HWND hwnd, NativeWindow& native) {
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  native.popup = IsPopup(hwnd);
  if (native.popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  if (hwnd->ExStyle & WS_EX_TOPMOST) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  int w = std::max(1, hwnd->Width());
  int h = std::max(1, hwnd->Height());
  SDL_Window* window = SDL_CreateWindow(hwnd->Text.c_str(), Physical(hwnd->Rect.Left),
                                        Physical(hwnd->Rect.Top), Physical(w), Physical(h), flags);
  if (!window) throw Exception(std::string("Cannot create a window: ") + SDL_GetError());
  native.window = window;
  // SDL replaces the X window behind an SDL window when it first gives out the
  // window's surface, which would drop a shape set before; settle it now.
  SDL_GetWindowSurface(window);
  SDL_SetWindowPosition(window, Physical(hwnd->Rect.Left), Physical(hwnd->Rect.Top));
  SDL_SetWindowHitTest(window, HitTestCallback, this);
  m_byId[SDL_GetWindowID(window)] = hwnd;
}

void SdlBackend::CreateNative(HWND hwnd) {
  NativeWindow native;
  MakeWindow(hwnd, native);
  m_natives.emplace(hwnd, std::move(native));
}

void SdlBackend::DestroyNative(HWND hwnd) {
  NativeWindow* native = Find(hwnd);
  if (!native) return;
  m_byId.erase(SDL_GetWindowID(native->window));
  SDL_DestroyWindow(native->window);
  m_natives.erase(hwnd);
}

void SdlBackend::SetNativeBounds(HWND hwnd, const TRect& r) {
  NativeWindow* native = Find(hwnd);
  if (!native) return;
  SDL_SetWindowPosition(native->window, Physical(r.Left), Physical(r.Top));
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(native->window, &w, &h);
  const int width = Physical(std::max(1, r.Width())), height = Physical(std::max(1, r.Height()));
  if (w != width || h != height) {
    SDL_SetWindowSize(native->window, width, height);
    if (native->region) ApplyShape(hwnd, *native);
  }
}

void SdlBackend::ShowNative(HWND hwnd, bool visible) {
  NativeWindow* native = Find(hwnd);
  if (!native) return;
  if (visible) {
    SDL_ShowWindow(native->window);
    if (SDL_GetWindowFlags(native->window) & SDL_WINDOW_MINIMIZED)
      SDL_RestoreWindow(native->window);
    if (m_system) m_system->MarkDirty(hwnd, hwnd->WindowBounds());
  } else {
    SDL_HideWindow(native->window);
  }
}

void SdlBackend::MinimizeNative(HWND hwnd) {
  if (NativeWindow* native = Find(hwnd)) SDL_MinimizeWindow(native->window);
}

void SdlBackend::ApplyShape(HWND hwnd, NativeWindow& native) {
  if (!native.region) {
    SetX11WindowShape(native.window, nullptr);
    return;
  }
  const TRect bounds{0, 0, std::max(1, hwnd->Width()), std::max(1, hwnd->Height())};
  std::vector<TRect> rects;
  for (const TRect& r : native.region->Rects()) {
    TRect c = r.Intersected(bounds);
    if (c.IsEmpty()) continue;
    rects.push_back({Physical(c.Left), Physical(c.Top), Physical(c.Right), Physical(c.Bottom)});
  }
  SetX11WindowShape(native.window, &rects);
}

void SdlBackend::SetNativeShape(HWND hwnd, const TRegion* region) {
  NativeWindow* native = Find(hwnd);
  if (!native) return;
  native->region = region ? std::make_unique<TRegion>(*region) : nullptr;
  ApplyShape(hwnd, *native);
  if (m_system) m_system->MarkDirty(hwnd, hwnd->WindowBounds());
}

void SdlBackend::SetNativeAlpha(HWND hwnd, std::uint8_t alpha) {
  if (NativeWindow* native = Find(hwnd)) SDL_SetWindowOpacity(native->window, alpha / 255.0f);
}

void SdlBackend::RaiseNative(HWND hwnd) {
  NativeWindow* native = Find(hwnd);
  if (native && (SDL_GetWindowFlags(native->window) & SDL_WINDOW_SHOWN) &&
      SDL_GetKeyboardFocus() != native->window) {
    SDL_RaiseWindow(native->window);
  }
}

void SdlBackend::FocusNative(HWND hwnd) {
  NativeWindow* native = Find(hwnd);
  if (!native || !(SDL_GetWindowFlags(native->window) & SDL_WINDOW_SHOWN)) return;
  // Raising asks the window manager to activate the window. A window that has
  // the keyboard already was activated by it: asking again would queue another
  // activation behind the next one, and two windows would take turns for ever.
  if (!native->popup) {
    if (SDL_GetKeyboardFocus() != native->window) SDL_RaiseWindow(native->window);
    return;
  }
  // The desktop gives no keyboard to a popup (a dialog): its first owner that is
  // a desktop window holds it for it, so that keys reach us again after another
  // program had them.
  NativeWindow* owner = nullptr;
  for (HWND o = hwnd->Owner; o && !owner; o = o->Owner) {
    NativeWindow* candidate = Find(o);
    if (candidate && !candidate->popup) owner = candidate;
  }
  if (owner && (SDL_GetWindowFlags(owner->window) & SDL_WINDOW_SHOWN) &&
      SDL_GetKeyboardFocus() != owner->window) {
    SDL_SetWindowInputFocus(owner->window);
  }
}

void SdlBackend::Present(HWND hwnd, const TBitmap& buffer, const TRect& dirty) {
  NativeWindow* native = Find(hwnd);
  if (!native || !m_system) return;
  SDL_Surface* surface = SDL_GetWindowSurface(native->window);
  if (!surface) return;
  const int k = m_scale;
  Uint32 format = surface->format->format;
  bool direct = format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888;
  TRect area = dirty.Intersected(
      {0, 0, std::min(surface->w / k, buffer.Width()), std::min(surface->h / k, buffer.Height())});
  if (area.IsEmpty()) return;
  TRegion caret = m_system->CaretOverlay(hwnd);
  const bool withCaret = !caret.IsEmpty();
  std::vector<Pixel32> row(static_cast<std::size_t>(area.Width()) * k);
  SDL_LockSurface(surface);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const Pixel32* src = buffer.ScanLine(y) + area.Left;
    // Each logical pixel becomes a k x k block: nearest neighbour, no smoothing.
    for (int x = 0; x < area.Width(); ++x) {
      Pixel32 p = src[x];
      if (withCaret && caret.Contains(area.Left + x, y)) p ^= 0x00FFFFFFu;
      std::fill_n(row.begin() + static_cast<std::ptrdiff_t>(x) * k, k, p);
    }
    for (int dy = 0; dy < k; ++dy) {
      auto* dest = static_cast<std::uint8_t*>(surface->pixels) +
                   static_cast<std::ptrdiff_t>(y * k + dy) * surface->pitch;
      if (direct) {
        std::copy(row.begin(), row.end(), reinterpret_cast<Pixel32*>(dest) + area.Left * k);
      } else {
        SDL_ConvertPixels(area.Width() * k, 1, SDL_PIXELFORMAT_ARGB8888, row.data(),
                          area.Width() * k * 4, format,
                          dest + area.Left * k * surface->format->BytesPerPixel, surface->pitch);
      }
    }
  }
  SDL_UnlockSurface(surface);
  SDL_Rect rect{area.Left * k, area.Top * k, area.Width() * k, area.Height() * k};
  SDL_UpdateWindowSurfaceRects(native->window, &rect, 1);
}

void SdlBackend::SetCursor(const HCURSOR& cursor) {
  SDL_Cursor* made = nullptr;
  if (cursor && cursor->HasImage && !cursor->Image.Empty()) {
    const TBitmap& img = cursor->Image;
    const int k = m_scale;
    TBitmap scaled(img.Width() * k, img.Height() * k);
    for (int y = 0; y < scaled.Height(); ++y)
      for (int x = 0; x < scaled.Width(); ++x) scaled.SetPixelAt(x, y, img.PixelAt(x / k, y / k));
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Pixel32*>(scaled.ScanLine(0)), scaled.Width(), scaled.Height(), 32,
        scaled.Width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (s) {
      made = SDL_CreateColorCursor(s, cursor->HotSpot.X * k, cursor->HotSpot.Y * k);
      SDL_FreeSurface(s);
    }
  }
  if (!made)
    made =
        SDL_CreateSystemCursor(SystemCursorOf(cursor ? cursor->Standard : TStandardCursor::Arrow));
  if (!made) return;
  SDL_SetCursor(made);
  if (m_cursor) SDL_FreeCursor(m_cursor);
  m_cursor = made;
}

void SdlBackend::SetClipboardText(const std::string& utf8) {
  SDL_SetClipboardText(utf8.c_str());
}

std::string SdlBackend::ClipboardText() const {
  char* text = SDL_GetClipboardText();
  if (!text) return {};
  std::string out = text;
  SDL_free(text);
  return out;
}

bool SdlBackend::HasClipboardText() const {
  return SDL_HasClipboardText() == SDL_TRUE;
}

TPoint SdlBackend::CursorPos(TPoint) const {
  int x = 0;
  int y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return {Logical(x), Logical(y)};
}

void SdlBackend::SetCursorPos(TPoint p) {
  SDL_WarpMouseGlobal(Physical(p.X), Physical(p.Y));
}

void SdlBackend::CaptureMouse(bool on) {
  SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
}

int SdlBackend::HitTest(SDL_Window* window, int x, int y) {
  if (!m_system) return HTCLIENT;
  HWND hwnd = FromWindowId(SDL_GetWindowID(window));
  if (!m_system->IsWindow(hwnd)) return HTCLIENT;
  TPoint screen = hwnd->Rect.TopLeft() + TPoint{Logical(x), Logical(y)};
  return static_cast<int>(m_system->SendMessage(hwnd, WM_NCHITTEST, 0, LParamFromPoint(screen)));
}

TPoint SdlBackend::ToScreen(unsigned windowId, int x, int y) const {
  HWND hwnd = FromWindowId(windowId);
  if (!hwnd || !m_system || !m_system->IsWindow(hwnd)) return {Logical(x), Logical(y)};
  return hwnd->Rect.TopLeft() + TPoint{Logical(x), Logical(y)};
}

void SdlBackend::Handle(const SDL_Event& e) {
  if (!m_system) return;
  RawInput in;
  switch (e.type) {
    case SDL_MOUSEMOTION:
      in.kind = RawInput::Kind::MouseMove;
      in.screen = m_lastPointer = ToScreen(e.motion.windowID, e.motion.x, e.motion.y);
      m_system->QueueInput(in);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      in.kind =
          e.type == SDL_MOUSEBUTTONDOWN ? RawInput::Kind::ButtonDown : RawInput::Kind::ButtonUp;
      in.screen = m_lastPointer = ToScreen(e.button.windowID, e.button.x, e.button.y);
      in.button = e.button.button == SDL_BUTTON_RIGHT    ? 1
                  : e.button.button == SDL_BUTTON_MIDDLE ? 2
                                                         : 0;
      m_system->QueueInput(in);
      break;
    case SDL_MOUSEWHEEL:
      in.kind = RawInput::Kind::Wheel;
      in.screen = m_lastPointer;
      in.delta = e.wheel.y * WHEEL_DELTA * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1);
      if (in.delta) m_system->QueueInput(in);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      in.vk = VirtualKeyFromSdl(e.key.keysym.sym);
      if (!in.vk) break;
      in.kind = e.type == SDL_KEYDOWN ? RawInput::Kind::KeyDown : RawInput::Kind::KeyUp;
      bool chord = (e.key.keysym.mod & (KMOD_CTRL | KMOD_ALT)) != 0;
      in.noTranslate = MakesText(in.vk) && !chord;
      m_system->QueueInput(in);
      break;
    }
    case SDL_TEXTINPUT:
      if (ShortcutText(SDL_GetModState())) break;
      for (const RawInput& c : CharInputsFromText(e.text.text)) m_system->QueueInput(c);
      break;
    case SDL_WINDOWEVENT: {
      HWND hwnd = FromWindowId(e.window.windowID);
      if (!m_system->IsWindow(hwnd)) break;
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          m_system->PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
          break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          // A new or resized window gets a new surface that holds nothing yet:
          // everything that was presented to the old one is presented again.
          m_system->MarkDirty(hwnd, hwnd->WindowBounds());
          break;
        case SDL_WINDOWEVENT_MINIMIZED:
          // Iconified by the window manager (or by us: then the window is already minimized).
          if (!hwnd->Minimized) m_system->ShowWindow(hwnd, SW_MINIMIZE);
          break;
        case SDL_WINDOWEVENT_RESTORED:
          if (hwnd->Minimized) m_system->ShowWindow(hwnd, SW_RESTORE);
          break;
        case SDL_WINDOWEVENT_MOVED:
          m_system->OnNativeMoved(hwnd, {Logical(e.window.data1), Logical(e.window.data2)});
          break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          m_system->NativeFocusChanged(hwnd);
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          // The desktop may be moving the keyboard to another window of ours,
          // whose gain follows: decided when the batch of events is handled.
          m_focusLost = true;
          break;
        case SDL_WINDOWEVENT_LEAVE:
          in.kind = RawInput::Kind::MouseLeft;
          m_system->QueueInput(in);
          break;
        default:
          break;
      }
      break;
    }
    case SDL_QUIT:
      m_system->PostQuitMessage(0);
      break;
    default:
      break;
  }
}

void SdlBackend::SettleFocus() {
  if (!m_focusLost || !m_system) return;
  m_focusLost = false;
  SDL_Window* focused = SDL_GetKeyboardFocus();
  if (!focused || !m_system->IsWindow(FromWindowId(SDL_GetWindowID(focused))))
    m_system->NativeFocusChanged(nullptr);
}

void SdlBackend::Pump() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) Handle(e);
  SettleFocus();
}

void SdlBackend::Wait(int timeoutMs) {
  SDL_Event e;
  int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeoutMs);
  if (got) Handle(e);
  Pump();
}

}  // namespace kx
