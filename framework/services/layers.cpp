#include "layers.h"

#include "generic_raise.h"

namespace qiv::services {

void AllLayer(QivOptCmd200& control, VbBool OnOff) {
  std::int16_t on = OneZero(OnOff);
  Raise<EventId::QivAllLayer>(control, on);
}

void AllLayerLock(QivOptCmd200& control, VbBool OnOff) {
  std::int16_t on = OneZero(OnOff);
  Raise<EventId::QivAllLayerLock>(control, on);
}

VbBool AskLayer(QivOptCmd200& control, std::int32_t no) {
  std::int16_t result = 0;
  Raise<EventId::QivAskLayer>(control, no, result);
  return ToVbBool(result == 1);
}

void LayerOn(QivOptCmd200& control, std::int32_t no, VbBool OnOff) {
  std::int16_t on = OneZero(OnOff);
  Raise<EventId::QivLayerOn>(control, no, on);
}

void LayerLock(QivOptCmd200& control, std::int32_t no, VbBool OnOff) {
  std::int16_t on = OneZero(OnOff);
  Raise<EventId::QivLayerLock>(control, no, on);
}

std::int32_t NewLayer(QivOptCmd200& control) {
  std::int32_t no = 0;
  Raise<EventId::QivNewLayer>(control, no);
  return no;
}

std::int32_t NewGroup(QivOptCmd200& control) {
  std::int32_t no = 0;
  Raise<EventId::QivNewGroup>(control, no);
  return no;
}

std::int32_t NewSegment(QivOptCmd200& control) {
  std::int32_t no = 0;
  Raise<EventId::QivNewSegment>(control, no);
  return no;
}

}  // namespace qiv::services
