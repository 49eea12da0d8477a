// Sequences of host requests: committing the work buffer or the drag buffer to the drawing, the
// host's text-attribute dialog on CurRecord, and the icon size.
#pragma once

#include <cstdint>

#include "module_state.h"
#include "qiv_opt_cmd200.h"

namespace qiv::services {

// Adds the work buffer to the drawing and dates every entity after the old end as created
// (`mdate` 1). Returns the number added, as the host answers it.
std::int32_t CommitWorkBuffer(QivOptCmd200& control);

// Adds the drag buffer to the drawing, dates the new entities as created, and draws them through
// the selection: deselect all, select everything after the old end, draw the selected, deselect
// all. Returns the number added, as the host answers it.
std::int32_t CommitDragBuffer(QivOptCmd200& control);

// Shows the host's text-attribute dialog filled from the text part of CurRecord (`style`, the
// `ts_` fields, `ts_Fontname`) and stores the answers back there. The Long fields are narrowed
// to 16 bits first; one out of range fails with the overflow error and nothing is sent. True when
// the host's result is non-zero.
VbBool TextAtrFromDialog(QivOptCmd200& control, ModuleState& module);

// Sets the host's icon size and has it rebuild its toolbars.
void SetIconSize(QivOptCmd200& control, std::int32_t size);

}  // namespace qiv::services
