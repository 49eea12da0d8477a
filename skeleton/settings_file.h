// The settings file: the option dialog's state as a fixed sequence of double-quoted values, one a
// line, in code page 932, named after the command ("Sarvik.ini") and kept beside the host program.
//
// A value is written between double quotes with any double quote inside it doubled, so values that
// hold quotes or line breaks (the trim text "G" + CR LF) read back unchanged; a quoted value may
// span lines. The file is replaced in one step, so a failed write leaves the old file whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace skeleton {

// One value of the file: how to take it from its control, and how to put it back (the conversion
// fails with a run-time error when the text does not fit the control).
struct SettingItem {
  std::function<std::u16string()> save;
  std::function<void(const std::u16string&)> load;
};

// The file's text for these values, in the line format.
std::u16string FormatSettings(const std::vector<std::u16string>& values);

// The first `count` values of a file's text: a quoted value is the text between its quotes (a
// doubled quote inside stands for one quote); an unquoted one runs to the next comma or line end.
// Values missing at the end of the text are empty.
std::vector<std::u16string> ParseSettings(std::u16string_view text, std::size_t count);

// Writes the items' values to `path`, replacing the file in one step. Errors pass to the caller.
void SaveSettings(const std::u16string& path, const std::vector<SettingItem>& items);

// Reads `path` into the items, in order, and then runs `after_values` (a command's further
// loading). A missing file assigns nothing but still runs `after_values`. The first error ends the
// loading: the values assigned before it stay; "device unavailable" (68) sounds the beep and shows
// "ドライブの準備ができていません．", every other error ends it silently.
void LoadSettings(const std::u16string& path, const std::vector<SettingItem>& items,
                  const std::function<void()>& after_values);

}  // namespace skeleton
