// Internal: what the window system and the user's actions reach inside a form without loading it.
#pragma once

#include "form.h"
#include "user_action.h"

namespace platform::detail {

struct FormAccess {
  static const Place& OuterPlace(const Form& form) { return form.place_; }
  static win::HWND Handle(const Form& form) { return form.hwnd_; }
  static void ResizeByUser(Form& form, double width, double height) {
    form.ResizeByUser(width, height);
  }
};

// The agent's next action on the modal form `form`; UserAgentError when there is none.
UserAction NextUserAction(Form& form);

}  // namespace platform::detail
