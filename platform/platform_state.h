// Internal: the headless backend's state, one struct for the whole process reached through one
// accessor, as the operating system's window services are one per process.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "text_backend.h"
#include "user_agent.h"
#include "window_system.h"

namespace platform {
class Form;
}

namespace platform::detail {

struct UserState {
  UserAgent agent;
  UserEventObserver observer;
  std::vector<UserEvent> events;
};

struct MouseHook {
  win::HHOOK handle = 0;
  std::uint32_t thread = 0;
  win::HOOKPROC proc;
};

// What the host sets and the hooks installed on it.
struct ScreenState {
  win::POINT cursor;
  std::int32_t full_screen_width = 1920;
  std::int32_t full_screen_height = 1050;
  std::vector<MouseHook> mouse_hooks;  // oldest first
  win::HHOOK next_hook = 1;
  std::vector<win::HHOOK> running_hooks;  // the hook procedures now running, innermost last
};

// The forms' windows.
struct WindowState {
  std::vector<Form*> loaded;
  std::vector<Form*> shown;  // bottom to top
  win::HWND active = win::kHostWindow;
  win::HWND next_handle = 0x1000;
};

struct PlatformState {
  UserState user;
  ScreenState screen;
  WindowState windows;
  std::unique_ptr<TextBackend> text_backend;  // made on first use
};

PlatformState& State();

// Records a user event and tells the observer.
void RecordUserEvent(UserEvent::Kind kind, std::u16string text);

}  // namespace platform::detail
