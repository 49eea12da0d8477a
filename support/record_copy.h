// Clearing and copying entity records.
#pragma once

#include "entity_record.h"
#include "module_state.h"

namespace support {

// Every number 0 and the strings empty, except extD8 = 35 and extS1 = "0".
void ClearRecord(qiv::EntityRecord& rec);
void ClearCurRecord(qiv::ModuleState& module);
// A full copy, strings included.
void CopyRecord(qiv::EntityRecord& dst, const qiv::EntityRecord& src);
void LoadCurRecord(qiv::ModuleState& module, const qiv::EntityRecord& src);

}  // namespace support
