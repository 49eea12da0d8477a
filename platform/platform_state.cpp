#include "platform_state.h"

#include <utility>

namespace platform::detail {

PlatformState& State() {
  static PlatformState state;
  return state;
}

void RecordUserEvent(UserEvent::Kind kind, std::u16string text) {
  auto& user = State().user;
  user.events.push_back(UserEvent{kind, std::move(text)});
  // The observer may record more (a message box of its own); hand it a copy.
  if (user.observer) {
    const UserEvent event = user.events.back();
    user.observer(event);
  }
}

}  // namespace platform::detail
