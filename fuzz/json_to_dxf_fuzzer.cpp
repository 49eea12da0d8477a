// A JSON drawing written as DXF: whatever a JSON file loads, the DXF writer writes text that the
// DXF reader takes back.
#include "drawing_files.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  host::Drawing drawing;
  try {
    host::ReadJson(fuzz::ScratchFile("drawing.json", fuzz::Bytes(data, size)), drawing);
  } catch (const host::DrawingFileError&) {
    return 0;
  }
  host::Drawing again;
  try {
    host::ReadDxfContent(host::DxfText(drawing), "written.dxf", again);
  } catch (const host::DrawingFileError&) {
    fuzz::Broken("a written DXF file reads back");
  }
  return 0;
}
