#include "record_header.h"

#include "generic_raise.h"

namespace qiv::services {
namespace {

struct Header {
  std::int32_t id = 0, flag = 0, layer = 0, segment = 0, color = 0, ltype = 0, width = 0, page = 0,
               ndata = 0, Group = 0, undo = 0, dimension = 0;
};

// Raises a header event for entity `no` with the twelve fields of `h`, bound by reference.
template <EventId event, typename Fields>
void RaiseHeader(QivOptCmd200& control, std::int32_t no, Fields& h) {
  Raise<event>(control, no, h.id, h.flag, h.layer, h.segment, h.color, h.ltype, h.width, h.page,
               h.ndata, h.Group, h.undo, h.dimension);
}

template <EventId event>
Header ReadHeader(QivOptCmd200& control, std::int32_t no) {
  Header header;
  RaiseHeader<event>(control, no, header);
  return header;
}

template <EventId event>
void ReadIntoCurRecord(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  const Header h = ReadHeader<event>(control, no);
  EntityRecord& r = module.CurRecord;
  r.id = h.id, r.flag = h.flag, r.layer = h.layer, r.segment = h.segment, r.color = h.color;
  r.ltype = h.ltype, r.width = h.width, r.page = h.page, r.ndata = h.ndata, r.Group = h.Group;
  r.undo = h.undo, r.dimension = h.dimension;
}

template <EventId get, EventId set>
void ReplaceNdata(QivOptCmd200& control, std::int32_t no, std::int32_t ndata) {
  Header header = ReadHeader<get>(control, no);
  header.ndata = ndata;
  RaiseHeader<set>(control, no, header);
}

}  // namespace

void GetAttribute(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  ReadIntoCurRecord<EventId::QivGetAttribute>(control, module, no);
}
void GetAttributeWBZ(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  ReadIntoCurRecord<EventId::QivGetAttributeWBZ>(control, module, no);
}
void GetAtribute(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  ReadIntoCurRecord<EventId::QivGetAtribute>(control, module, no);
}

void SetAttribute(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  RaiseHeader<EventId::QivSetAttribute>(control, no, module.CurRecord);
}
void SetAttributeWBZ(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  RaiseHeader<EventId::QivSetAttributeWBZ>(control, no, module.CurRecord);
}
void SetAtribute(QivOptCmd200& control, ModuleState& module, std::int32_t no) {
  RaiseHeader<EventId::QivSetAtribute>(control, no, module.CurRecord);
}

void SetEntityNdata(QivOptCmd200& control, std::int32_t no, std::int32_t ndata) {
  ReplaceNdata<EventId::QivGetAttribute, EventId::QivSetAttribute>(control, no, ndata);
}
void SetEntityNdataWBZ(QivOptCmd200& control, std::int32_t no, std::int32_t ndata) {
  ReplaceNdata<EventId::QivGetAttributeWBZ, EventId::QivSetAttributeWBZ>(control, no, ndata);
}

}  // namespace qiv::services
