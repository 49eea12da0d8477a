// Drawings in and out: DXF (through dxflib) and the host's JSON dump.
//
// Readers fill an empty Drawing and throw DrawingFileError ("FILE:LINE: what") for a file they
// cannot take; writers replace their file only once the whole content is written, so a failure
// leaves no partial file.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "drawing.h"

namespace host {

class DrawingFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Told the share of the file read so far, 0 to 1, now and then while a large file loads.
using LoadProgress = std::function<void(double done)>;

struct LoadReport {
  std::int64_t entities = 0;  // entities taken into the drawing
  std::int64_t skipped = 0;   // entities of kinds the host does not draw, left out
};

// DXF: lines, arcs, circles, texts (TEXT and MTEXT) and points of model space; layers with
// their lock flag, colour, line type and line weight; line types with their dashes. Attributes
// "by layer" take the layer's. Texts outside ASCII are read as UTF-8, or as code page 932
// when they are not UTF-8, and \U+XXXX escapes are decoded.
LoadReport ReadDxf(const std::string& path, Drawing& drawing, const LoadProgress& progress = {});
// Writes the live entities of the five drawn kinds with every layer and line type; texts and
// names outside ASCII as \U+XXXX escapes. Numbers are written so that they read back exactly.
void WriteDxf(const std::string& path, const Drawing& drawing);

// The JSON dump: {"entities": [...], "undo_steps": N, "layers": [...], "linetypes": [...]}.
// Written entities are the live ones and the deleted ones ("deleted": true); reading takes the
// same form back.
std::string DumpJson(const Drawing& drawing);
void WriteJson(const std::string& path, const Drawing& drawing);
LoadReport ReadJson(const std::string& path, Drawing& drawing);

// Reads FILE.dxf or FILE.json by its extension.
LoadReport ReadDrawing(const std::string& path, Drawing& drawing,
                       const LoadProgress& progress = {});

// The temporary file beside `path` that a writer fills before renaming it over `path`.
std::string PartialPathFor(const std::string& path);
// Replaces `path` with `content` through a temporary file in the same folder.
void WriteFileAtomically(const std::string& path, const std::string& content);
// The whole content of a file; throws DrawingFileError naming it when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace host
