// What the host knows while it answers a command's events: its drawing, its settings, the point
// input it reports and its numbered parameters.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "drawing.h"

namespace host {

// A numbered host parameter as the host keeps it: a number, or a text.
using HostParameter = std::variant<double, std::u16string>;

// A parameter's value as a script or the command line writes it: a number when the whole text
// is one, otherwise the text.
HostParameter ParameterFromText(std::u16string_view text);

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
  // The numbered parameters that the typed getters answer and the setters change. 1005 and 1022
  // answer 0 until something sets them, whatever the command sends; the getters leave an id
  // that is not here as the command sent it.
  std::map<std::int32_t, HostParameter> parameters = {{1005, 0.0}, {1022, 0.0}};
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
};

}  // namespace host
