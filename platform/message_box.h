// OK-only message boxes and the system beep.
//
// Headless: a message box is recorded and handed to the installed user agent, which answers it
// (there is only the OK button). Without an agent the box is recorded and closes at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform_export.h"

namespace platform {

// Shows an OK-only message box with the default title and returns when the user closes it.
PLATFORM_API void MessageBox(const std::u16string& text);

// Sounds the system beep.
PLATFORM_API void Beep();

// Who answers message boxes: called with the text of each box before it closes.
using MessageBoxAgent = std::function<void(const std::u16string& text)>;
PLATFORM_API void SetMessageBoxAgent(MessageBoxAgent agent);

// What the user has seen so far, for tests and journals.
PLATFORM_API const std::vector<std::u16string>& MessageBoxesShown();
PLATFORM_API int BeepCount();
PLATFORM_API void ClearMessageBoxRecord();

}  // namespace platform
