// Drawings in and out: DXF and the host's JSON dump.
//
// Readers fill an empty Drawing and throw DrawingFileError ("FILE:LINE: what") for a file they
// cannot take; writers replace their file only once the whole content is written, so a failure
// leaves no partial file.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
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
  std::int64_t entities = 0;  // entities taken into the host's model (searched and picked)
  std::int64_t skipped = 0;   // entities of model space that pictures do not draw
  std::map<std::string, std::int64_t> kinds;      // model space entities by DXF kind
  std::map<std::string, std::int64_t> not_drawn;  // those of them that pictures leave out

  // "12 LINE, 3 INSERT; not drawn: 1 IMAGE"
  std::string Summary() const;
};

// DXF (ASCII; a binary DXF file is refused): the whole file is kept for saving. The model
// takes the lines, arcs, circles, points and texts (TEXT and MTEXT) of model space in world
// coordinates, with the layers (lock, off, frozen, colour, line type, weight) and line types
// of the tables; attributes "by layer" are resolved to the layer's. The other kinds of model
// space go into the drawing's backdrop for pictures. Strings are decoded from the file's code
// page ($DWGCODEPAGE; UTF-8 from R2007) with their escapes.
LoadReport ReadDxf(const std::string& path, Drawing& drawing, const LoadProgress& progress = {});
LoadReport ReadDxfContent(std::string content, const std::string& name, Drawing& drawing,
                          const LoadProgress& progress = {});
// The DXF text of the drawing: the file it was read from with the session's changes, or a new
// R12 file for a drawing that was not read from DXF. Numbers read back exactly.
std::string DxfText(const Drawing& drawing);
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

// Replaces `path` with `content` through a new file in the same folder that is forced to the disk,
// checked and renamed over it (platform::ReplaceFileContent: links written through, permissions
// kept). Throws std::runtime_error naming `path` when anything fails; the old file then stays.
void WriteFileAtomically(const std::string& path, const std::string& content);
// The whole content of a file; throws DrawingFileError naming it when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace host
