// Text files as the commands use them: read or written whole, in code page 932, with lines ended
// by CR LF or CR.
//
// Stands in for the language runtime's sequential file statements and its file-existence test, on
// POSIX files. Paths are UTF-16 and may separate folders with "\" as on the original system: a "\"
// counts as "/". Failures are RuntimeErrors with the runtime's numbers: 53 file not found, 76 path
// not found, 75 path/file access error, 61 disk full, 57 device I/O error, 68 device unavailable.
// Not provided: record or binary files, file locking, sharing modes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform_export.h"

namespace platform {

// True when a file (not a folder) exists at `path`.
PLATFORM_API bool FileExists(const std::u16string& path);

// The whole text of a file.
PLATFORM_API std::u16string ReadTextFile(const std::u16string& path);

// The lines of a text: each ends at CR LF or at a CR alone; a LF alone stays inside its line.
// A last line without a line end is a line too; an empty text has no lines.
PLATFORM_API std::vector<std::u16string> SplitTextLines(std::u16string_view text);

// SplitTextLines(ReadTextFile(path)).
PLATFORM_API std::vector<std::u16string> ReadTextLines(const std::u16string& path);

// Creates the file, or empties it, and writes `text` (line ends included, as given).
PLATFORM_API void WriteTextFile(const std::u16string& path, std::u16string_view text);

// Writes `text` to a new file beside `path`, then renames it over `path` in one step: readers see
// the old content or the new one, and a failure leaves the old file as it was
// (ReplaceFileContent).
PLATFORM_API void ReplaceTextFile(const std::u16string& path, std::u16string_view text);

// Replaces the file at the UTF-8 path `path` ("/" separated) with `bytes`: they are written to a
// new file beside it, forced to the disk and checked, and the new file is renamed over the old
// in one step; a failure removes the new file and leaves the old one as it was. A symbolic link
// is written through: the file it finally names is replaced and the link stays. The replaced
// file keeps its permissions; a new file gets the usual ones. A path naming a folder or a
// device is refused (75).
PLATFORM_API void ReplaceFileContent(const std::string& path, std::string_view bytes);

}  // namespace platform
