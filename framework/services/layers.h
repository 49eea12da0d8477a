// Layer visibility and locks, and new layer, group and segment numbers.
#pragma once

#include <cstdint>

#include "qiv_opt_cmd200.h"

namespace qiv::services {

// Every layer shown (or hidden); every layer locked (or unlocked). Sent as 1/0.
void AllLayer(QivOptCmd200& control, VbBool OnOff);
void AllLayerLock(QivOptCmd200& control, VbBool OnOff);
// True when layer `no` is shown: the host answers 1.
VbBool AskLayer(QivOptCmd200& control, std::int32_t no);
// Shows or hides, locks or unlocks layer `no`.
void LayerOn(QivOptCmd200& control, std::int32_t no, VbBool OnOff);
void LayerLock(QivOptCmd200& control, std::int32_t no, VbBool OnOff);
// A number not yet in use, as the host answers it.
std::int32_t NewLayer(QivOptCmd200& control);
std::int32_t NewGroup(QivOptCmd200& control);
std::int32_t NewSegment(QivOptCmd200& control);

}  // namespace qiv::services
