// The headless window system, standing in for the desktop's window manager: forms are the windows,
// the host sets the cursor and the screen, and mouse presses reach the thread's hooks.
#include "window_system.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>

#include "form.h"
#include "form_access.h"
#include "platform_state.h"

namespace platform::win {
namespace {

std::int32_t ToPixels(double twips, std::int32_t twips_per_pixel) {
  return static_cast<std::int32_t>(std::lround(twips / twips_per_pixel));
}

RECT RectOf(const Form& form) {
  const Place& place = detail::FormAccess::OuterPlace(form);
  return RECT{ToPixels(place.left, kTwipsPerPixelX), ToPixels(place.top, kTwipsPerPixelY),
              ToPixels(place.left + place.width, kTwipsPerPixelX),
              ToPixels(place.top + place.height, kTwipsPerPixelY)};
}

const Form* LoadedForm(HWND window) {
  for (const Form* form : detail::State().windows.loaded) {
    if (detail::FormAccess::Handle(*form) == window) return form;
  }
  return nullptr;
}

bool Contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

// The topmost shown window under `point`, else the host's window behind them all.
HWND WindowAt(POINT point) {
  const auto& shown = detail::State().windows.shown;
  for (auto form = shown.rbegin(); form != shown.rend(); ++form) {
    if (Contains(RectOf(**form), point)) return detail::FormAccess::Handle(**form);
  }
  return kHostWindow;
}

bool IsNonClient(std::int32_t message) {
  return message >= 0x00A0 && message <= 0x00AD;
}

void PutLittleEndian(std::uint8_t* out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int byte = 0; byte < 4; ++byte) out[byte] = static_cast<std::uint8_t>(bits >> (8 * byte));
}

// Calls the newest hook of the calling thread older than `newer_than` (0: the newest of all), and
// answers its result, or 0 when the chain ends.
std::int32_t CallHookOlderThan(HHOOK newer_than, std::int32_t code, std::int32_t wparam,
                               std::intptr_t lparam) {
  auto& screen = detail::State().screen;
  const std::uint32_t thread = GetCurrentThreadId();
  const detail::MouseHook* next = nullptr;
  for (const auto& hook : screen.mouse_hooks) {
    if (hook.thread == thread && (newer_than == 0 || hook.handle < newer_than)) next = &hook;
  }
  if (next == nullptr) return 0;
  // Copied: the procedure may unhook itself while it runs.
  const HOOKPROC proc = next->proc;
  screen.running_hooks.push_back(next->handle);
  struct Pop {
    std::vector<HHOOK>& running;
    ~Pop() { running.pop_back(); }
  } pop{screen.running_hooks};
  return proc(code, wparam, lparam);
}

}  // namespace

std::int32_t GetCursorPos(POINT& point) {
  point = detail::State().screen.cursor;
  return 1;
}

std::int32_t GetSystemMetrics(std::int32_t index) {
  const auto& screen = detail::State().screen;
  if (index == SM_CXFULLSCREEN) return screen.full_screen_width;
  if (index == SM_CYFULLSCREEN) return screen.full_screen_height;
  return 0;
}

HWND GetActiveWindow() {
  return detail::State().windows.active;
}

std::int32_t GetWindowRect(HWND window, RECT& rect) {
  if (window == kHostWindow) {
    const auto& screen = detail::State().screen;
    rect = RECT{0, 0, screen.full_screen_width, screen.full_screen_height};
    return 1;
  }
  const Form* form = LoadedForm(window);
  if (form == nullptr) return 0;
  rect = RectOf(*form);
  return 1;
}

HHOOK SetWindowsHookEx(std::int32_t id, HOOKPROC proc, std::intptr_t /*module*/,
                       std::uint32_t thread_id) {
  if (id != WH_MOUSE || !proc || thread_id == 0) return 0;
  auto& screen = detail::State().screen;
  const HHOOK handle = screen.next_hook++;
  screen.mouse_hooks.push_back(detail::MouseHook{handle, thread_id, std::move(proc)});
  return handle;
}

std::int32_t CallNextHookEx(HHOOK /*hook*/, std::int32_t code, std::int32_t wparam,
                            std::intptr_t lparam) {
  const auto& running = detail::State().screen.running_hooks;
  if (running.empty()) return 0;
  return CallHookOlderThan(running.back(), code, wparam, lparam);
}

std::int32_t UnhookWindowsHookEx(HHOOK hook) {
  auto& hooks = detail::State().screen.mouse_hooks;
  const auto found = std::find_if(hooks.begin(), hooks.end(),
                                  [hook](const detail::MouseHook& h) { return h.handle == hook; });
  if (found == hooks.end()) return 0;
  hooks.erase(found);
  return 1;
}

std::uint32_t GetCurrentThreadId() {
  static std::atomic<std::uint32_t> next_id{1};
  thread_local const std::uint32_t id = next_id++;
  return id;
}

void CopyMemory(void* destination, std::intptr_t source, std::size_t length) {
  std::memmove(destination, reinterpret_cast<const void*>(source), length);
}

void SetCursorPos(POINT point) {
  detail::State().screen.cursor = point;
}

void SetFullScreenSize(std::int32_t width, std::int32_t height) {
  auto& screen = detail::State().screen;
  screen.full_screen_width = width;
  screen.full_screen_height = height;
}

HWND SetActiveWindow(HWND window) {
  auto& windows = detail::State().windows;
  const HWND previous = windows.active;
  windows.active = window;
  return previous;
}

bool DeliverMouseMessage(std::int32_t message, POINT point) {
  std::array<std::uint8_t, kMouseHookStructSize> data{};
  PutLittleEndian(&data[0], point.x);
  PutLittleEndian(&data[4], point.y);
  PutLittleEndian(&data[8], WindowAt(point));
  PutLittleEndian(&data[12], IsNonClient(message) ? HTCAPTION : HTCLIENT);
  PutLittleEndian(&data[16], 0);
  const auto address = reinterpret_cast<std::intptr_t>(data.data());
  return CallHookOlderThan(0, HC_ACTION, message, address) == 0;
}

}  // namespace platform::win
