// The list of trim texts the option dialog offers: the lines of "TextList.TXT" next to the
// plug-in. An entry may carry a remark after its first blank; only its first word is written.
#pragma once

#include <string>
#include <string_view>

namespace quenzel {

// The text list file's path in the plug-in's folder.
std::u16string TextListPath(const std::u16string& plugin_folder);

// The first word of an entry: leading half-width blanks are dropped (a full-width blank at the
// start stays), then the text runs up to the first half-width or full-width blank. May be empty.
std::u16string FirstWord(std::u16string_view entry);

}  // namespace quenzel
