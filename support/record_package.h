// Compound entities: a package of consecutive entity records, read into and written from
// RecordArray.
#pragma once

#include <cstdint>

#include "module_state.h"
#include "qiv_opt_cmd200.h"

namespace support {

// Reads the package that starts at entity `start` (its first record's ndata counts the entities)
// into RecordArray, skipping the markers of ids 254 and 255 without leaving gaps; answers how
// many records it stored.
std::int32_t ReadPackage(qiv::QivOptCmd200& control, qiv::ModuleState& module, std::int32_t& start);

// Adds RecordArray as one package: the first record with ndata set to the package's units (a
// line or id 10 counts one, an id-4 record two), the later ones flagged with 8. Answers the first
// record's entity number, or -1 without adding anything when a record within the units is of
// another id. Fails with the subscript error when RecordArray is too short for its units.
std::int32_t WritePackage(qiv::QivOptCmd200& control, qiv::ModuleState& module);

}  // namespace support
