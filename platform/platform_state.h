// The headless backend's state: one struct for the whole process, reached through one accessor,
// as the operating system's window services are one per process.
#pragma once

#include <string>
#include <vector>

#include "message_box.h"

namespace platform::detail {

struct PlatformState {
  std::vector<std::u16string> message_boxes;
  MessageBoxAgent message_box_agent;
  int beeps = 0;
};

PlatformState& State();

}  // namespace platform::detail
