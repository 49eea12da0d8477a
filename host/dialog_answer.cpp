#include "dialog_answer.h"

#include <stdexcept>

#include "form.h"
#include "window_system.h"

namespace host {
namespace {

platform::win::POINT OutsideOf(platform::Form& form) {
  platform::win::RECT rect;
  platform::win::GetWindowRect(form.hWnd(), rect);
  constexpr std::int32_t kAway = 20;
  const std::int32_t x = rect.left >= kAway ? rect.left - kAway : rect.right + kAway;
  return {x, (rect.top + rect.bottom) / 2};
}

}  // namespace

platform::UserAction ToUserAction(const ScriptStep& step, platform::Form& form) {
  using platform::action::Key;
  switch (step.verb) {
    case Verb::kDialogOk:
      return platform::action::PressKey{Key::kEnter};
    case Verb::kDialogCancel:
      return platform::action::PressKey{Key::kEscape};
    case Verb::kDialogKey:
      return platform::action::PressKey{step.number == 1 ? Key::kEscape : Key::kEnter};
    case Verb::kDialogSet:
      return platform::action::Set{step.name, step.value};
    case Verb::kDialogChoose:
      return platform::action::Choose{step.name, step.number};
    case Verb::kDialogClick:
      return platform::action::Click{step.name};
    case Verb::kHelpClose:
      return platform::action::Click{u"HClose"};
    case Verb::kDialogOutside:
      return platform::NonClientPress(
          step.number == 1 ? platform::MouseButton::kRight : platform::MouseButton::kLeft,
          OutsideOf(form));
    default:
      break;
  }
  throw std::logic_error("not a dialog answer");
}

}  // namespace host
