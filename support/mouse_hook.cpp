#include "mouse_hook.h"

#include <array>
#include <cstring>

namespace support {

namespace win = platform::win;

void InstallMouseHook(HookState& state, platform::Form& form) {
  state.HookForm = &form;
  RemoveMouseHook(state);
  state.HookHandle = win::SetWindowsHookEx(
      win::WH_MOUSE,
      [&state](std::int32_t code, std::int32_t wparam, std::intptr_t lparam) {
        return MouseHookProc(state, code, wparam, lparam);
      },
      0, win::GetCurrentThreadId());
}

void RemoveMouseHook(HookState& state) {
  if (state.HookHandle != 0) win::UnhookWindowsHookEx(state.HookHandle);
  state.HookHandle = 0;
}

qiv::VbBool IsPointOutsideForm(const HookState& state, std::int32_t /*message*/, win::POINT pt) {
  win::RECT rect;
  win::GetWindowRect(state.HookForm->hWnd(), rect);
  const bool inside =
      rect.left <= pt.x && pt.x <= rect.right && rect.top <= pt.y && pt.y <= rect.bottom;
  return qiv::ToVbBool(!inside);
}

std::int32_t MouseHookProc(HookState& state, std::int32_t nCode, std::int32_t wParam,
                           std::intptr_t lParam) {
  const std::int32_t passed_on = win::CallNextHookEx(state.HookHandle, nCode, wParam, lParam);
  if (state.HookForm == nullptr || !state.HookForm->IsLoaded() ||
      win::GetActiveWindow() != state.HookForm->hWnd() || nCode != win::HC_ACTION ||
      (wParam != win::WM_NCLBUTTONDOWN && wParam != win::WM_NCRBUTTONDOWN))
    return passed_on;

  std::array<unsigned char, win::kMouseHookStructSize> data{};
  win::CopyMemory(data.data(), lParam, data.size());
  win::POINT pt;
  std::memcpy(&pt.x, data.data(), 4);  // the hook data is little-endian, as this machine is
  std::memcpy(&pt.y, data.data() + 4, 4);
  if (!IsPointOutsideForm(state, wParam, pt)) return passed_on;

  auto* target = dynamic_cast<MouseDownTarget*>(state.HookForm);
  if (target == nullptr) return passed_on;
  const std::int16_t button = wParam == win::WM_NCLBUTTONDOWN ? 0 : 1;
  return target->MouseDown(button) ? 1 : passed_on;
}

}  // namespace support
