// The header of one entity, exchanged with the host by entity number: `id`, `flag`, `layer`,
// `segment`, `color`, `ltype`, `width`, `page`, `ndata`, `Group`, `undo` and `dimension`.
// The WBZ forms address the work buffer; QivGetAtribute and QivSetAtribute are the host's older
// spelling of the drawing's pair.
#pragma once

#include <cstdint>

#include "module_state.h"
#include "qiv_opt_cmd200.h"

namespace qiv::services {

// Reads the header of entity `no` into CurRecord; the record's other fields stay as they are.
void GetAttribute(QivOptCmd200& control, ModuleState& module, std::int32_t no);
void GetAttributeWBZ(QivOptCmd200& control, ModuleState& module, std::int32_t no);
void GetAtribute(QivOptCmd200& control, ModuleState& module, std::int32_t no);

// Sends CurRecord's header fields as the header of entity `no`.
void SetAttribute(QivOptCmd200& control, ModuleState& module, std::int32_t no);
void SetAttributeWBZ(QivOptCmd200& control, ModuleState& module, std::int32_t no);
void SetAtribute(QivOptCmd200& control, ModuleState& module, std::int32_t no);

// Replaces the `ndata` of entity `no`: reads its header and writes it back with `ndata` changed
// and every other field as the host answered it. CurRecord is not touched.
void SetEntityNdata(QivOptCmd200& control, std::int32_t no, std::int32_t ndata);
void SetEntityNdataWBZ(QivOptCmd200& control, std::int32_t no, std::int32_t ndata);

}  // namespace qiv::services
