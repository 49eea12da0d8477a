// A script's dialog line as the user's action on the shown form.
#pragma once

#include "session_script.h"
#include "user_action.h"

namespace platform {
class Form;
}

namespace host {

// `step` must be a dialog answer (IsDialogAnswer). "dialog ok" and "dialog cancel" click the
// form's OK and Cancel buttons, which need not be its default and cancel buttons (a form
// whose Enter starts a new line in a text box); a form without a button of that name gets
// Enter or Esc instead. "dialog key" presses the key; "help close" clicks the help window's
// HClose; a press outside lands left of the form's window, or right of it when the form
// touches the screen's left edge.
platform::UserAction ToUserAction(const ScriptStep& step, platform::Form& form);

}  // namespace host
