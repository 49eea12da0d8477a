// The window services the support code calls, under the system's own names: cursor position,
// screen metrics, the active window, window rectangles, a thread mouse hook, the current thread's
// identifier and a raw memory copy.
//
// Stands in for the window manager of a desktop: there is no display. The host sets the cursor
// position and the screen size; forms are the windows (a form has a handle while it is loaded,
// and its rectangle is its twips position and size at 15 twips per pixel); the host's own main
// window is kHostWindow, active whenever no form is. Mouse presses exist only when the host or the
// user agent delivers one (DeliverMouseMessage): it passes through the calling thread's mouse
// hooks, most recent first, before the window would see it. Not provided: painting, keyboard
// focus, window messages other than mouse presses, hooks of other kinds, global hooks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform_export.h"

namespace platform::win {

using HWND = std::int32_t;
using HHOOK = std::int32_t;

struct POINT {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct RECT {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

inline constexpr std::int32_t kTwipsPerPixelX = 15;
inline constexpr std::int32_t kTwipsPerPixelY = 15;

// The host program's main window: the active window while no form is shown.
inline constexpr HWND kHostWindow = 0x0100;

inline constexpr std::int32_t SM_CXFULLSCREEN = 16;
inline constexpr std::int32_t SM_CYFULLSCREEN = 17;

inline constexpr std::int32_t WH_MOUSE = 7;
inline constexpr std::int32_t HC_ACTION = 0;
inline constexpr std::int32_t HTCLIENT = 1;
inline constexpr std::int32_t HTCAPTION = 2;

inline constexpr std::int32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr std::int32_t WM_NCRBUTTONDOWN = 0x00A4;
inline constexpr std::int32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr std::int32_t WM_RBUTTONDOWN = 0x0204;

// The hook data whose address a mouse hook receives in lParam: 20 bytes, little-endian, in this
// order: pt.x, pt.y (screen pixels, signed), hwnd, wHitTestCode, dwExtraInfo.
inline constexpr std::size_t kMouseHookStructSize = 20;

// A hook procedure: (nCode, wParam = the message, lParam = address of the hook data) -> a
// non-zero result swallows the message.
using HOOKPROC =
    std::function<std::int32_t(std::int32_t code, std::int32_t wparam, std::intptr_t lparam)>;

// Stores the cursor position in screen pixels; answers non-zero.
PLATFORM_API std::int32_t GetCursorPos(POINT& point);
// SM_CXFULLSCREEN / SM_CYFULLSCREEN: width and height of a full-screen window's client area in
// pixels; 0 for any other index.
PLATFORM_API std::int32_t GetSystemMetrics(std::int32_t index);
PLATFORM_API HWND GetActiveWindow();
// The window's rectangle in screen pixels; answers 0 (and leaves `rect`) for an unknown handle.
PLATFORM_API std::int32_t GetWindowRect(HWND window, RECT& rect);

// Installs `proc` at the head of the mouse hook chain of thread `thread_id`. Answers the hook's
// handle, or 0 when the hook cannot be installed: a kind other than WH_MOUSE, no procedure, or no
// thread (thread 0 would ask for a global hook). `module` is not used.
PLATFORM_API HHOOK SetWindowsHookEx(std::int32_t id, HOOKPROC proc, std::intptr_t module,
                                    std::uint32_t thread_id);
// Passes the message on to the next (older) hook of the chain and answers its result; 0 when there
// is none. As on the original system, the position in the chain is that of the hook procedure now
// running; `hook` is not used.
PLATFORM_API std::int32_t CallNextHookEx(HHOOK hook, std::int32_t code, std::int32_t wparam,
                                         std::intptr_t lparam);
// Removes a hook; answers 0 when there is no such hook.
PLATFORM_API std::int32_t UnhookWindowsHookEx(HHOOK hook);

PLATFORM_API std::uint32_t GetCurrentThreadId();

// Copies `length` bytes from the address `source` (as a hook receives it in lParam).
PLATFORM_API void CopyMemory(void* destination, std::intptr_t source, std::size_t length);

// --- The host's side: the state of the screen and the mouse ---

// Moves the cursor to `point`, screen pixels.
PLATFORM_API void SetCursorPos(POINT point);
// Sets what SM_CXFULLSCREEN and SM_CYFULLSCREEN answer (1920 x 1050 at start).
PLATFORM_API void SetFullScreenSize(std::int32_t width, std::int32_t height);
// Makes `window` the active window (as when the user switches to another program); answers the
// window that was active.
PLATFORM_API HWND SetActiveWindow(HWND window);
// A mouse button message (WM_NCLBUTTONDOWN, WM_LBUTTONDOWN, ...) at `point` in screen pixels:
// the calling thread's mouse hooks see it first. Answers true when it reached the window under
// the point, false when a hook swallowed it. The headless windows do nothing with it.
PLATFORM_API bool DeliverMouseMessage(std::int32_t message, POINT point);

}  // namespace platform::win
