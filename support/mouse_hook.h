// The option dialog's click-outside shortcut: while the dialog is shown modally, a left or right
// button press on a non-client area outside it acts as the dialog's OK or Cancel and is swallowed.
#pragma once

#include <cstdint>

#include "form.h"
#include "vb_bool.h"
#include "window_system.h"

namespace support {

// A form that can be hooked: MouseDown(0) for a left press outside it, MouseDown(1) for a right
// one; answers true when it acted.
class MouseDownTarget {
 public:
  virtual qiv::VbBool MouseDown(std::int16_t sw) = 0;

 protected:
  ~MouseDownTarget() = default;
};

// The hook's state, one per loaded plug-in.
struct HookState {
  platform::Form* HookForm = nullptr;
  platform::win::HHOOK HookHandle = 0;
};

// Hooks `form` (replacing an earlier hook). When the window system refuses the hook, HookHandle
// stays 0 and the dialog works without the shortcut.
void InstallMouseHook(HookState& state, platform::Form& form);
// Removes the hook if there is one; HookForm keeps its value.
void RemoveMouseHook(HookState& state);
// The hook procedure: always passes the message on first; then, for a non-client left or right
// press outside the active hooked form, calls its MouseDown and swallows the press when it acted.
std::int32_t MouseHookProc(HookState& state, std::int32_t nCode, std::int32_t wParam,
                           std::intptr_t lParam);
// True when `pt` (screen pixels) lies outside the hooked form's window rectangle; the edges count
// as inside. `message` is not used.
qiv::VbBool IsPointOutsideForm(const HookState& state, std::int32_t message,
                               platform::win::POINT pt);

}  // namespace support
