// What the user can do to a shown form: the actions that a user agent answers with.
//
// Each action works the way the user's hand would: it addresses a visible, enabled control by
// name, and it raises the events that the user's input raises (a check box's Click when its value
// changes, a list's Click when an entry is chosen, the form's Resize). An action that does not fit
// the form (no such control, a control of another kind, a disabled or read-only one, an index off
// the list, resizing a fixed frame) fails with UserAgentError, naming the form.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform_export.h"
#include "window_system.h"

namespace platform {

class Form;

namespace action {

// Enters `text` the way the control takes typed input: a check box takes "0", "1" or "2"; a text
// box, combo box or spin edit takes the text (a spin edit's value follows a numeric text).
struct Set {
  std::u16string control;
  std::u16string text;
};

// Sets a number: a check box's value (0, 1, 2) or a spin edit's value (as its spin buttons do;
// the text shows the number).
struct SetNumber {
  std::u16string control;
  double value = 0;
};

// Chooses entry `index` (from 0) of a list box or combo box, then fires its Click.
struct Choose {
  std::u16string control;
  std::int32_t index = 0;
};

// Clicks a control: a button fires its Click; a check box toggles (checked becomes unchecked,
// anything else checked) and fires its Click.
struct Click {
  std::u16string control;
};

// Drags the frame of a resizable form to this outer size in twips; fires Resize.
struct Resize {
  double width = 0;
  double height = 0;
};

enum class Key { kEnter, kEscape };

// Enter clicks the default button, Esc the cancel button; without one the key does nothing.
struct PressKey {
  Key key = Key::kEnter;
};

// Moves the cursor to `point` (screen pixels) and presses a mouse button there: `message` is
// WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_LBUTTONDOWN, ... The mouse hooks see it first
// (window_system.h).
struct MousePress {
  std::int32_t message = win::WM_NCLBUTTONDOWN;
  win::POINT point;
};

}  // namespace action

using UserAction = std::variant<action::Set, action::SetNumber, action::Choose, action::Click,
                                action::Resize, action::PressKey, action::MousePress>;

enum class MouseButton { kLeft, kRight };

// A press of the left or right button on a non-client area (a frame or caption) at `point`.
PLATFORM_API UserAction NonClientPress(MouseButton button, win::POINT point);

// Carries out `action` on `form` as its user. The form need not be shown.
PLATFORM_API void PerformUserAction(Form& form, const UserAction& action);

}  // namespace platform
