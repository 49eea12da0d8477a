// Session scripts and qivhost's --param option. A script either parses or fails with
// ScriptError; the coordinates of the steps it takes are finite and a selection's switch value
// fits the 16 bits it is passed in.
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "fuzz_input.h"
#include "session_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Bytes(data, size);
  try {
    for (const auto& step : host::ParseScript(text, "fuzz.qivs").steps) {
      if (!std::isfinite(step.x) || !std::isfinite(step.y))
        fuzz::Broken("a script's coordinates are finite");
      if (step.verb == host::Verb::kSelect &&
          (step.number < std::numeric_limits<std::int16_t>::min() ||
           step.number > std::numeric_limits<std::int16_t>::max()))
        fuzz::Broken("a selection's switch value fits 16 bits");
    }
  } catch (const host::ScriptError&) {
  }
  try {
    host::ParseParameterOption(text);
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
