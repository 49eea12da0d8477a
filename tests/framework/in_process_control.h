// A control created directly in the test process, with the recording host as its event sink, for
// tests of single framework routines.
#pragma once

#include "module_state.h"
#include "qiv_opt_cmd200.h"
#include "recording_host.h"

namespace qiv {

struct InProcessControl {
  ModuleState module;
  testhost::RecordingHost host;
  QivOptCmd200 control{module, host.sink(), host.context()};
};

}  // namespace qiv
