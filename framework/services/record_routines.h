// Reading packages, changing and deleting single entities. Reading and writing whole records by
// number (ReadRecord, AddRecord, ChangeRecord and their work-buffer forms) are routines of the
// control itself.
#pragma once

#include <cstdint>

#include "module_state.h"
#include "qiv_opt_cmd200.h"

namespace qiv::services {

// Reads the compound entity that starts at entity `start` into RecordArray (the support module's
// package reader); returns the number of records stored.
std::int32_t ReadPackage(QivOptCmd200& control, ModuleState& module, std::int32_t& start);

// Writes CurRecord over entity `no` through the named arguments of QivChangeData, or of
// QivChangeDataWBZ when `workBuffer` is true. The header and the fields of the same names travel
// as they are, with two mappings of their own: a text (ids 5 and 20) sends its position, `takasa`
// and `text`, and its character height, width and spacing in `r`, `s` and `e`; id 49 sends its
// points and `text`, and extD8 to extD11 in `r`, `s`, `e` and `takasa`. Arguments a mapping does
// not name are 0. Returns the host's result.
std::int32_t ChangeData(QivOptCmd200& control, ModuleState& module, std::int32_t no,
                        VbBool workBuffer);

// Deletes entity `no`; true when the host's result is non-zero.
VbBool DeleteData(QivOptCmd200& control, std::int32_t no);

}  // namespace qiv::services
