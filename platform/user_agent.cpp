#include "user_agent.h"

#include <utility>

#include "code_page.h"
#include "form.h"
#include "form_access.h"
#include "platform_state.h"

namespace platform {

void SetUserAgent(UserAgent agent) {
  detail::State().user.agent = std::move(agent);
}

UserAgentError::UserAgentError(std::u16string form, const std::string& what)
    : std::runtime_error("form " + ToUtf8(form) + ": " + what), form_(std::move(form)) {}

void SetUserEventObserver(UserEventObserver observer) {
  detail::State().user.observer = std::move(observer);
}

const std::vector<UserEvent>& UserEvents() {
  return detail::State().user.events;
}

void ClearUserEvents() {
  detail::State().user.events.clear();
}

void ResetHeadlessPlatform() {
  auto& state = detail::State();
  state.user = detail::UserState{};
  state.screen = detail::ScreenState{};
  state.text_backend.reset();
  auto& windows = state.windows;
  windows.active =
      windows.shown.empty() ? win::kHostWindow : detail::FormAccess::Handle(*windows.shown.back());
}

namespace detail {

UserAction NextUserAction(Form& form) {
  // Copied: the agent may replace itself while it answers.
  const auto next = State().user.agent.next_action;
  if (!next) throw UserAgentError(form.Name(), "shown modally, but no user agent is installed");
  auto action = next(form);
  if (!action) throw UserAgentError(form.Name(), "shown modally, but the user has no action left");
  return std::move(*action);
}

}  // namespace detail
}  // namespace platform
