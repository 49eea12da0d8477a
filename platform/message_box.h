// OK-only message boxes and the system beep.
//
// Headless: a message box is recorded and handed to the installed user agent, which reads it and
// presses OK (user_agent.h). Without an agent the box is recorded and closes at once.
#pragma once

#include <string>
#include <vector>

#include "platform_export.h"

namespace platform {

// Shows an OK-only message box with the default title and returns when the user closes it.
PLATFORM_API void MessageBox(const std::u16string& text);

// Sounds the system beep.
PLATFORM_API void Beep();

// The message boxes and beeps among what the user has seen (user_agent.h), for tests and journals.
PLATFORM_API std::vector<std::u16string> MessageBoxesShown();
PLATFORM_API int BeepCount();
// Forgets the message boxes and beeps seen so far; the forms' records stay.
PLATFORM_API void ClearMessageBoxRecord();

}  // namespace platform
