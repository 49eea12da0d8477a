#include "record_routines.h"

#include <string>

#include "generic_raise.h"
#include "record_package.h"

namespace qiv::services {
namespace {

struct ChangeDataArgs {
  std::int32_t no = 0, id = 0, flag = 0, layer = 0, color = 0, ltype = 0, width = 0, page = 0,
               Group = 0;
  double x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0, r = 0, s = 0, e = 0, takasa = 0, atumi = 0;
  std::u16string text;
  std::int32_t result = 0;

  template <EventId event>
  void Raise(QivOptCmd200& control) {
    services::Raise<event>(control, no, id, flag, layer, color, ltype, width, page, Group, x1, y1,
                           z1, x2, y2, z2, r, s, e, takasa, atumi, text, result);
  }
};

ChangeDataArgs ArgsOf(const EntityRecord& rec, std::int32_t no) {
  ChangeDataArgs a;
  a.no = no, a.id = rec.id, a.flag = rec.flag, a.layer = rec.layer, a.color = rec.color;
  a.ltype = rec.ltype, a.width = rec.width, a.page = rec.page, a.Group = rec.Group;
  a.x1 = rec.x1, a.y1 = rec.y1, a.takasa = rec.takasa, a.text = rec.text;
  switch (rec.id) {
    case 5:
    case 20:
      a.r = rec.ts_takasa, a.s = rec.ts_haba, a.e = rec.ts_kankaku;
      break;
    case 49:
      a.z1 = rec.z1, a.x2 = rec.x2, a.y2 = rec.y2, a.z2 = rec.z2;
      a.r = rec.extD8, a.s = rec.extD9, a.e = rec.extD10, a.takasa = rec.extD11;
      break;
    default:
      a.z1 = rec.z1, a.x2 = rec.x2, a.y2 = rec.y2, a.z2 = rec.z2;
      a.r = rec.r, a.s = rec.s, a.e = rec.e, a.atumi = rec.atumi;
      break;
  }
  return a;
}

}  // namespace

std::int32_t ReadPackage(QivOptCmd200& control, ModuleState& module, std::int32_t& start) {
  return support::ReadPackage(control, module, start);
}

std::int32_t ChangeData(QivOptCmd200& control, ModuleState& module, std::int32_t no,
                        VbBool workBuffer) {
  ChangeDataArgs args = ArgsOf(module.CurRecord, no);
  if (workBuffer != kFalse) {
    args.Raise<EventId::QivChangeDataWBZ>(control);
  } else {
    args.Raise<EventId::QivChangeData>(control);
  }
  return args.result;
}

VbBool DeleteData(QivOptCmd200& control, std::int32_t no) {
  std::int32_t result = 0;
  Raise<EventId::QivDeleteData>(control, no, result);
  return ToVbBool(result != 0);
}

}  // namespace qiv::services
