// The user of the headless platform: who answers modal forms and message boxes, and what the user
// has seen.
//
// Stands in for the person at the screen. Whoever hosts the process (a test, the reference host)
// installs an agent: a modal form asks it for one action after another until the form is hidden
// or unloaded, and a message box tells it its text (the box has only an OK button). Every form
// shown and hidden, every message box and every beep is recorded in order and passed to the
// observer, so that a host can journal them among its other events. Not provided: timing (the
// user acts at once), message boxes with buttons other than OK.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform_export.h"
#include "user_action.h"

namespace platform {

class Form;

struct UserAgent {
  // The user's next action on the shown modal form `form` (the topmost one); nothing when the
  // user has nothing left to do, which fails the modal show with UserAgentError.
  std::function<std::optional<UserAction>(Form& form)> next_action;
  // The user reads a message box and presses OK.
  std::function<void(const std::u16string& text)> read_message_box;
};

// Installs the agent; an empty agent leaves modal forms without a user.
PLATFORM_API void SetUserAgent(UserAgent agent);

// A modal form without a user or an action, or an action that does not fit its form. This is a
// failure of whoever drives the platform, not a run-time error of the program: it derives from
// std::runtime_error, not from RuntimeError, so the program's error handlers let it pass.
class PLATFORM_API UserAgentError : public std::runtime_error {
 public:
  UserAgentError(std::u16string form, const std::string& what);
  const std::u16string& form() const noexcept { return form_; }

 private:
  std::u16string form_;
};

struct UserEvent {
  enum class Kind { kFormShown, kFormHidden, kMessageBox, kBeep };
  Kind kind;
  // The form's name, the message box's text, empty for a beep.
  std::u16string text;

  friend bool operator==(const UserEvent&, const UserEvent&) = default;
};

// Called with every event as it happens, after it has been recorded.
using UserEventObserver = std::function<void(const UserEvent& event)>;
PLATFORM_API void SetUserEventObserver(UserEventObserver observer);

// What the user has seen so far, in order (message_box.h has the message boxes alone).
PLATFORM_API const std::vector<UserEvent>& UserEvents();
PLATFORM_API void ClearUserEvents();

// Back to the state at start: no agent, no observer, nothing recorded, no mouse hooks, cursor at
// 0, 0, the default screen, the system's fonts for text measuring. Loaded forms stay loaded.
PLATFORM_API void ResetHeadlessPlatform();

}  // namespace platform
