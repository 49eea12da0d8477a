#include "dialog_answer.h"

#include <stdexcept>

#include "control.h"
#include "form.h"
#include "window_system.h"

namespace host {
namespace {

// Clicks the button of this name; a form without one gets the key instead.
platform::UserAction ClickButton(platform::Form& form, const std::u16string& name,
                                 platform::action::Key key) {
  const platform::Control* control = form.FindControl(name);
  if (control != nullptr && control->Kind() == platform::ControlKind::kButton)
    return platform::action::Click{name};
  return platform::action::PressKey{key};
}

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
      return ClickButton(form, u"OK", Key::kEnter);
    case Verb::kDialogCancel:
      return ClickButton(form, u"Cancel", Key::kEscape);
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
