#include "message_box.h"

#include "platform_state.h"

namespace platform {

void MessageBox(const std::u16string& text) {
  auto& state = detail::State();
  state.message_boxes.push_back(text);
  if (state.message_box_agent) state.message_box_agent(text);
}

void Beep() { ++detail::State().beeps; }

void SetMessageBoxAgent(MessageBoxAgent agent) {
  detail::State().message_box_agent = std::move(agent);
}

const std::vector<std::u16string>& MessageBoxesShown() { return detail::State().message_boxes; }

int BeepCount() { return detail::State().beeps; }

void ClearMessageBoxRecord() {
  auto& state = detail::State();
  state.message_boxes.clear();
  state.beeps = 0;
}

}  // namespace platform
