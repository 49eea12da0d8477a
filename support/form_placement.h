// Placing a form next to the mouse cursor, kept on the screen.
#pragma once

#include <cstdint>

#include "form.h"

namespace support {

// The cursor position in twips; answers what the window system's GetCursorPos answered.
std::int32_t GetCursorPosition(double& x, double& y);

// The top-left position (twips) for `form` next to the cursor by placement code 0 to 8:
// column = code mod 3 (0 left edge at the cursor, 1 centred, 2 right edge at the cursor),
// row = code / 3 (0 top edge at the cursor, 1 centred, 2 bottom edge at the cursor); then clamped
// so the form lies on the screen: left, right, top, bottom in this order, so a form larger than
// the screen ends with a negative position. The caller moves the form there.
void PlaceFormAtCursor(platform::Form& form, double& x, double& y, std::int16_t code);

}  // namespace support
