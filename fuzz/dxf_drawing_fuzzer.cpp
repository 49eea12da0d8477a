// The DXF reader and writer. Any file either loads or fails with DrawingFileError; a drawing
// that loads writes DXF that loads again and writes the same text.
#include "drawing_files.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  host::Drawing drawing;
  try {
    host::ReadDxfContent(std::string(fuzz::Bytes(data, size)), "fuzz.dxf", drawing);
  } catch (const host::DrawingFileError&) {
    return 0;
  }
  const std::string text = host::DxfText(drawing);
  host::Drawing again;
  try {
    host::ReadDxfContent(text, "written.dxf", again);
  } catch (const host::DrawingFileError&) {
    fuzz::Broken("a written DXF file reads back");
  }
  if (host::DxfText(again) != text) fuzz::Broken("a written DXF file reads back to the same text");
  return 0;
}
