// The help window's text: every line of the help file followed by CR LF. Whatever the file holds,
// the text is its lines, each ended by the one CR LF.
#include <algorithm>

#include "code_page.h"
#include "fuzz_input.h"
#include "help_dialog.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::KeepConvertersLoaded();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string path =
      platform::FromUtf8(fuzz::ScratchFile("help.txt", fuzz::Bytes(data, size)));
  const std::u16string text = support::HelpText(path);
  std::size_t line_ends = 0;
  for (std::size_t at = text.find(u"\r\n"); at != std::u16string::npos;
       at = text.find(u"\r\n", at + 2))
    ++line_ends;
  if (std::count(text.begin(), text.end(), u'\r') != static_cast<std::ptrdiff_t>(line_ends))
    fuzz::Broken("a CR in the help text only ends a line");
  if (!text.empty() && !text.ends_with(u"\r\n"))
    fuzz::Broken("the help text ends with its line end");
  return 0;
}
