// The trim-line text plug-in: the skeleton with Quenzel's table, dialog and placement.
#include <memory>

#include "plugin_descriptor.h"
#include "quenzel_command.h"

namespace qiv {

const PluginDescriptor& ThisPlugin() {
  static const PluginDescriptor descriptor{
      "Quenzel", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E6001}", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E6002}",
      "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E6003}",
      [](ModuleState& module) -> std::unique_ptr<CommandRoutines> {
        return std::make_unique<quenzel::QuenzelCommand>(module, skeleton::ThisPluginFolder());
      }};
  return descriptor;
}

}  // namespace qiv
