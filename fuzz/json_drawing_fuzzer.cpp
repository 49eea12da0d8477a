// The JSON drawing reader. Any file either loads or fails with DrawingFileError; a drawing that
// loads dumps to JSON that loads again to the same dump.
#include "drawing_files.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  host::Drawing drawing;
  try {
    host::ReadJson(fuzz::ScratchFile("drawing.json", fuzz::Bytes(data, size)), drawing);
  } catch (const host::DrawingFileError&) {
    return 0;
  }
  const std::string dump = host::DumpJson(drawing);
  host::Drawing again;
  try {
    host::ReadJson(fuzz::ScratchFile("again.json", dump), again);
  } catch (const host::DrawingFileError&) {
    fuzz::Broken("the dump of a loaded drawing loads again");
  }
  if (host::DumpJson(again) != dump) fuzz::Broken("a dump loads back to the same dump");
  return 0;
}
