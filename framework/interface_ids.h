// Enumerations of the dispatch ids, generated from the interface table.
#pragma once

#include <cstdint>

namespace qiv {

enum class MethodId : std::int32_t {
#define QIV_METHOD(dispid, name, params) name = dispid,
#include "qiv_interface.def"
};

enum class PropertyId : std::int32_t {
#define QIV_PROPERTY(dispid, name, type) name = dispid,
#include "qiv_interface.def"
};

enum class EventId : std::int32_t {
#define QIV_EVENT(dispid, name, params, origin) name = dispid,
#include "qiv_interface.def"
};

}  // namespace qiv
