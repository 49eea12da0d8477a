// The deliverable-wide state of one loaded plug-in: what outlives a single control and a single
// run of the command. One object per opened module, so several can live in one process.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "command_routines.h"
#include "entity_record.h"

namespace qiv {

class QivOptCmd200;

struct ModuleState {
  std::u16string HostVersion;
  EntityRecord CurRecord;
  EntityRecord SavedRecord;
  std::vector<EntityRecord> RecordArray = std::vector<EntityRecord>(1);
  // The command's reference to its control, set while a command runs.
  QivOptCmd200* OptCmd = nullptr;
  // The plug-in's command module; created with the module state.
  std::unique_ptr<CommandRoutines> command;
};

}  // namespace qiv
