#include "record_package.h"

#include "record_copy.h"
#include "runtime_error.h"

namespace support {

using platform::RuntimeError;
namespace error = platform::error;

std::int32_t ReadPackage(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                         std::int32_t& start) {
  control.ReadRecord(start);
  const std::int32_t count = module.CurRecord.ndata;
  if (count < 0) throw RuntimeError(error::kSubscriptOutOfRange);
  module.RecordArray.assign(static_cast<std::size_t>(count) + 1, qiv::EntityRecord{});
  std::int32_t stored = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    ClearCurRecord(module);
    control.ReadRecord(start + i);
    const std::int32_t id = module.CurRecord.id;
    if (id == 254 || id == 255) continue;
    CopyRecord(module.RecordArray[static_cast<std::size_t>(stored)], module.CurRecord);
    ++stored;
  }
  return stored;
}

std::int32_t WritePackage(qiv::QivOptCmd200& control, qiv::ModuleState& module) {
  auto& records = module.RecordArray;
  const auto at = [&records](std::int32_t index) -> const qiv::EntityRecord& {
    if (index < 0 || static_cast<std::size_t>(index) >= records.size())
      throw RuntimeError(error::kSubscriptOutOfRange);
    return records[static_cast<std::size_t>(index)];
  };
  const std::int32_t count = at(0).ndata;
  std::int32_t units = 0, i = 0, j = 0;
  bool bad = false;
  while (j <= count - 1) {
    switch (at(i).id) {
      case 2:
      case 10:
        units += 1;
        break;
      case 4:
        units += 2;
        j += 1;
        break;
      default:
        bad = true;
        break;
    }
    i += 1;
    j += 1;
  }
  if (bad) return -1;

  LoadCurRecord(module, at(0));
  module.CurRecord.ndata = units;
  const std::int32_t first = control.AddRecord();
  for (std::int32_t k = 1; k <= i - 1; ++k) {
    LoadCurRecord(module, at(k));
    module.CurRecord.flag = at(k).flag | 8;
    control.AddRecord();
  }
  return first;
}

}  // namespace support
