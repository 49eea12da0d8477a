// Pictures of a drawing, SVG or PNG, drawn with cairo on a dark background as a CAD screen
// shows them: layers' and entities' colours and line types, arcs counterclockwise from their
// start to their end angle, texts at their reference point and angle.
#pragma once

#include <optional>
#include <string>

#include "drawing.h"
#include "entity_geometry.h"

namespace host {

struct PictureOptions {
  int width = 1200;         // pixels (SVG: points) of the picture's larger side
  std::optional<Box> area;  // the part of the drawing to show; the whole drawing if unset
};

// The extents of the live entities; nothing for an empty drawing.
std::optional<Box> DrawingExtents(const Drawing& drawing);
// The extents of what the session changed: entities created, deleted or changed since the
// drawing was loaded, with a margin; nothing when nothing changed.
std::optional<Box> ChangedArea(const Drawing& drawing);

// Renders the picture; the format follows the extension (.svg or .png). The file is replaced
// only once the picture is complete.
void WritePicture(const std::string& path, const Drawing& drawing, const PictureOptions& options);

// Frees the fonts and caches that drawing pictures keeps for the rest of the process; call it
// once before the program ends, after the last picture.
void ReleasePictureCaches();

}  // namespace host
