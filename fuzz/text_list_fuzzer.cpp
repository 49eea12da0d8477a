// Quenzel's text list: the file's lines as the dialog lists them, and the first word of each as a
// click on it takes it. A line holds no CR; a first word is a blank-free part of its line.
#include "code_page.h"
#include "fuzz_input.h"
#include "runtime_error.h"
#include "text_file.h"
#include "trim_text_list.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::KeepConvertersLoaded();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::ScratchFile("TextList.TXT", fuzz::Bytes(data, size));
  std::vector<std::u16string> lines;
  try {
    lines = platform::ReadTextLines(platform::FromUtf8(path));
  } catch (const platform::RuntimeError&) {
    return 0;
  }
  for (const auto& line : lines) {
    if (line.find(u'\r') != std::u16string::npos) fuzz::Broken("a line holds no CR");
    const std::u16string word = quenzel::FirstWord(line);
    if (word.find_first_of(u" \u3000") != std::u16string::npos)
      fuzz::Broken("a first word holds no blank");
    if (line.find(word) == std::u16string::npos) fuzz::Broken("a first word is part of its line");
  }
  return 0;
}
