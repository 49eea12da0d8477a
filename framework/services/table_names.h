// Renaming an entry of the host's layer, colour, line-type and width tables: the entry is read,
// and written back with every answered field unchanged except `Name`.
#pragma once

#include <cstdint>
#include <string>

#include "qiv_opt_cmd200.h"

namespace qiv::services {

// Each returns true.
VbBool SetLayerName(QivOptCmd200& control, std::int32_t no, const std::u16string& name);
VbBool SetColorName(QivOptCmd200& control, std::int32_t no, const std::u16string& name);
VbBool SetLtypeName(QivOptCmd200& control, std::int32_t no, const std::u16string& name);
VbBool SetWidthName(QivOptCmd200& control, std::int32_t no, const std::u16string& name);

}  // namespace qiv::services
