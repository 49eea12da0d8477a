// What a plug-in folder supplies to the boundary: its identity and its command module.
#pragma once

#include <memory>

#include "command_routines.h"
#include "module_state.h"

namespace qiv {

struct PluginDescriptor {
  const char* name;      // the deliverable's name, also its settings and help file stem
  const char* class_id;  // UUIDs in registry form
  const char* interface_id;
  const char* events_id;
  // Creates the command module for a newly opened module state.
  std::unique_ptr<CommandRoutines> (*make_command)(ModuleState& module);
};

// Defined once in each plug-in.
const PluginDescriptor& ThisPlugin();

}  // namespace qiv
