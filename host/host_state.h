// What the host knows while it answers a command's events: its drawing, its settings, the point
// input it reports and its numbered parameters.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "drawing.h"

namespace host {

struct HostSettings {
  std::u16string version = u"4,0,2,3";
  std::u16string start_path;      // the host program's path, answered to QivGetStartPath
  std::u16string document_title;  // empty: no drawing is open
  std::u16string view_title = u"1";
  double pick_tolerance = 100;  // drawing units a pick may miss an entity by
  std::int32_t cursor_color = 7;
  std::int32_t keep_selection = 0;  // 0: the selection is cleared when a command ends
  std::int32_t highlight = 1;       // 1: selected entities are highlighted
  // The host edits in two dimensions: a command that declares itself 3D-only is refused.
  std::int32_t editing_dimension = 2;
};

// The point input being reported to the command.
struct InputState {
  double x = 0;
  double y = 0;
};

struct HostState {
  explicit HostState(Drawing& drawing_in) : drawing(drawing_in) {}

  Drawing& drawing;
  HostSettings settings;
  InputState input;
  // The numbered host parameters (QivGetInteger / QivGetLong / QivSetLong); unset ones are 0.
  std::map<std::int32_t, std::int32_t> parameters;
};

}  // namespace host
