// Records and packages. Invariants: ReadPackage stores every record but the 254/255 markers,
// without gaps; WritePackage counts an id-4 record as two units, flags the later records with 8,
// adds nothing for a foreign id and fails with the subscript error on a short array.
#include <gtest/gtest.h>

#include "in_process_control.h"
#include "record_copy.h"
#include "record_package.h"
#include "runtime_error.h"

namespace support {
namespace {

using testhost::EventCall;

class RecordPackage : public ::testing::Test, protected qiv::InProcessControl {
 protected:
  // The host's drawing: entity number -> id; entity `first` carries the package's count.
  void AnswerReads(std::int32_t first, std::int32_t count, std::vector<std::int32_t> ids) {
    host.On("QivGetSetData", [=](EventCall& call) {
      const auto no = std::get<std::int32_t>(call.Get("no"));
      call.Set("id", ids.at(static_cast<std::size_t>(no - first)));
      call.Set("ndata", no == first ? count : std::int32_t{0});
      call.Set("layer", no);
    });
  }
  static qiv::EntityRecord Record(std::int32_t id, std::int32_t flag = 0) {
    qiv::EntityRecord record;
    record.id = id;
    record.flag = flag;
    return record;
  }
};

TEST_F(RecordPackage, ClearRecordHasTwoExceptions) {
  qiv::EntityRecord record;
  record.x1 = 3;
  record.text = u"t";
  record.ts_Fontname = u"f";
  ClearRecord(record);
  qiv::EntityRecord expected;
  expected.extD8 = 35;
  expected.extS1 = u"0";
  EXPECT_EQ(record, expected);
}

TEST_F(RecordPackage, ReadSkipsMarkersWithoutGaps) {
  AnswerReads(10, 5, {2, 254, 4, 255, 2});
  std::int32_t start = 10;
  EXPECT_EQ(ReadPackage(control, module, start), 3);
  ASSERT_EQ(module.RecordArray.size(), 6u);
  EXPECT_EQ(module.RecordArray[0].layer, 10);
  EXPECT_EQ(module.RecordArray[1].layer, 12);
  EXPECT_EQ(module.RecordArray[2].layer, 14);
  EXPECT_EQ(module.RecordArray[3], qiv::EntityRecord{});
  EXPECT_EQ(host.Count("QivGetSetData"), 6);  // the head once more, then each of the five
}

TEST_F(RecordPackage, ReadOfAnEmptyPackage) {
  AnswerReads(3, 0, {2});
  std::int32_t start = 3;
  EXPECT_EQ(ReadPackage(control, module, start), 0);
  EXPECT_EQ(module.RecordArray.size(), 1u);
}

TEST_F(RecordPackage, WriteCountsUnitsAndFlagsTheFollowers) {
  module.RecordArray = {Record(2), Record(4, 1), Record(2, 8)};
  module.RecordArray[0].ndata = 4;
  std::int32_t next = 40;
  host.On("QivGetSetData", [&](EventCall& call) { call.Set("no", next++); });
  EXPECT_EQ(WritePackage(control, module), 40);
  std::vector<std::pair<std::int32_t, std::int32_t>> added;  // (ndata, flag) as sent
  for (const auto& raised : host.raised())
    if (raised.name == "QivGetSetData")
      added.emplace_back(std::get<std::int32_t>(raised.Sent("ndata")),
                         std::get<std::int32_t>(raised.Sent("flag")));
  EXPECT_EQ(added, (std::vector<std::pair<std::int32_t, std::int32_t>>{{4, 0}, {0, 9}, {0, 8}}));
  EXPECT_EQ(host.Count("QivSetCreateDate"), 3);
}

TEST_F(RecordPackage, WriteRefusesForeignIdsAndShortArrays) {
  module.RecordArray = {Record(2), Record(3)};
  module.RecordArray[0].ndata = 2;
  EXPECT_EQ(WritePackage(control, module), -1);
  EXPECT_TRUE(host.raised().empty());

  module.RecordArray = {Record(2), Record(2)};
  module.RecordArray[0].ndata = 3;
  try {
    WritePackage(control, module);
    FAIL();
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), 9);
  }
  EXPECT_TRUE(host.raised().empty());
}

}  // namespace
}  // namespace support
