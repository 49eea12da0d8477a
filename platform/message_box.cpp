#include "message_box.h"

#include <algorithm>

#include "platform_state.h"

namespace platform {

void MessageBox(const std::u16string& text) {
  detail::RecordUserEvent(UserEvent::Kind::kMessageBox, text);
  // Copied: the agent may replace itself while it reads.
  const auto read = detail::State().user.agent.read_message_box;
  if (read) read(text);
}

void Beep() {
  detail::RecordUserEvent(UserEvent::Kind::kBeep, {});
}

std::vector<std::u16string> MessageBoxesShown() {
  std::vector<std::u16string> texts;
  for (const auto& event : detail::State().user.events) {
    if (event.kind == UserEvent::Kind::kMessageBox) texts.push_back(event.text);
  }
  return texts;
}

int BeepCount() {
  const auto& events = detail::State().user.events;
  return static_cast<int>(std::count_if(events.begin(), events.end(), [](const UserEvent& event) {
    return event.kind == UserEvent::Kind::kBeep;
  }));
}

void ClearMessageBoxRecord() {
  std::erase_if(detail::State().user.events, [](const UserEvent& event) {
    return event.kind == UserEvent::Kind::kMessageBox || event.kind == UserEvent::Kind::kBeep;
  });
}

}  // namespace platform
