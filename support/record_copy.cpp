#include "record_copy.h"

namespace support {

void ClearRecord(qiv::EntityRecord& rec) {
  rec = qiv::EntityRecord{};
  rec.extD8 = 35;
  rec.extS1 = u"0";
}

void ClearCurRecord(qiv::ModuleState& module) {
  ClearRecord(module.CurRecord);
}

void CopyRecord(qiv::EntityRecord& dst, const qiv::EntityRecord& src) {
  dst = src;
}

void LoadCurRecord(qiv::ModuleState& module, const qiv::EntityRecord& src) {
  CopyRecord(module.CurRecord, src);
}

}  // namespace support
