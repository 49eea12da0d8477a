// Session scripts and qivhost's --param option. A script either parses or fails with
// ScriptError; the numbers of the steps it takes are finite.
#include <cmath>
#include <stdexcept>

#include "fuzz_input.h"
#include "session_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Bytes(data, size);
  try {
    for (const auto& step : host::ParseScript(text, "fuzz.qivs").steps)
      if (!std::isfinite(step.x) || !std::isfinite(step.y))
        fuzz::Broken("a script's coordinates are finite");
  } catch (const host::ScriptError&) {
  }
  try {
    host::ParseParameterOption(text);
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
