#include "platform_state.h"

namespace platform::detail {

PlatformState& State() {
  static PlatformState state;
  return state;
}

}  // namespace platform::detail
