// Record routines: the entity header round-trips through CurRecord for all three pairs of header
// events; `ndata` and table names are replaced with every other answered field unchanged; the
// QivChangeData writer maps CurRecord by its id; a deletion reads the host's result; the package
// reader answers the number of records stored.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "in_process_control.h"
#include "record_header.h"
#include "record_routines.h"
#include "table_names.h"

namespace qiv {
namespace {

using testhost::Value;

const char* const kHeaderFields[] = {"id",    "flag", "layer", "segment", "color", "ltype",
                                     "width", "page", "ndata", "Group",   "undo",  "dimension"};

class Records : public ::testing::Test, protected InProcessControl {
 protected:
  // A host that keeps the headers it is sent by entity number and answers them back.
  void KeepHeaders(const std::string& get, const std::string& set) {
    host.On(set, [this](testhost::EventCall& call) { stored_[call.Get("no")] = call.Values(); });
    host.On(get, [this](testhost::EventCall& call) {
      const auto& values = stored_.at(call.Get("no"));
      for (std::size_t i = 0; i < std::size(kHeaderFields); ++i)
        call.Set(kHeaderFields[i], values[i + 1]);
    });
  }
  std::map<Value, std::vector<Value>> stored_;
};

TEST_F(Records, HeaderRoundTrip) {
  using services::GetAtribute, services::GetAttribute, services::GetAttributeWBZ;
  using services::SetAtribute, services::SetAttribute, services::SetAttributeWBZ;
  using Routine = void (*)(QivOptCmd200&, ModuleState&, std::int32_t);
  struct Pair {
    std::string get, set;
    Routine read, write;
  };
  const Pair pairs[] = {
      {"QivGetAttribute", "QivSetAttribute", &GetAttribute, &SetAttribute},
      {"QivGetAttributeWBZ", "QivSetAttributeWBZ", &GetAttributeWBZ, &SetAttributeWBZ},
      {"QivGetAtribute", "QivSetAtribute", &GetAtribute, &SetAtribute}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.get);
    stored_.clear();
    KeepHeaders(pair.get, pair.set);
    EntityRecord& r = module.CurRecord;
    r = EntityRecord{};
    r.id = 2, r.flag = 8, r.layer = 3, r.segment = 4, r.color = 5, r.ltype = 6, r.width = 7;
    r.page = 1, r.ndata = 9, r.Group = 10, r.undo = 11, r.dimension = 2;
    const EntityRecord sent = r;
    pair.write(control, module, 40);

    r = EntityRecord{};
    r.x1 = 5;
    r.text = u"残る";
    pair.read(control, module, 40);
    EntityRecord expected = sent;
    expected.x1 = 5;
    expected.text = u"残る";
    EXPECT_EQ(r, expected);
    // The reader's variables start at 0.
    for (const auto* field : kHeaderFields)
      EXPECT_EQ(host.Last(pair.get).Sent(field), Value(std::int32_t{0})) << field;
  }
}

TEST_F(Records, NdataIsReplacedWithTheRestAsAnswered) {
  for (const bool work_buffer : {false, true}) {
    const std::string suffix = work_buffer ? "WBZ" : "";
    host.Clear();
    host.On("QivGetAttribute" + suffix, [](testhost::EventCall& call) {
      for (std::size_t i = 0; i < std::size(kHeaderFields); ++i)
        call.Set(kHeaderFields[i], static_cast<std::int32_t>(i + 20));
    });
    module.CurRecord = EntityRecord{};
    (work_buffer ? services::SetEntityNdataWBZ : services::SetEntityNdata)(control, 6, 99);
    EXPECT_EQ(host.Names(),
              (std::vector<std::string>{"QivGetAttribute" + suffix, "QivSetAttribute" + suffix}));
    const auto& set = host.Last("QivSetAttribute" + suffix);
    EXPECT_EQ(set.Sent("no"), Value(std::int32_t{6}));
    for (std::size_t i = 0; i < std::size(kHeaderFields); ++i) {
      const std::int32_t expected = kHeaderFields[i] == std::string("ndata") ? 99 : int(i) + 20;
      EXPECT_EQ(set.Sent(kHeaderFields[i]), Value(expected)) << kHeaderFields[i];
    }
    EXPECT_EQ(module.CurRecord, EntityRecord{});
  }
}

TEST_F(Records, TableNamesAreReplacedWithTheRestAsAnswered) {
  using Rename = VbBool (*)(QivOptCmd200&, std::int32_t, const std::u16string&);
  struct Table {
    std::string name;
    Rename rename;
    std::map<std::string, Value> answer;  // besides Name
  };
  const Table tables[] = {
      {"Layer", &services::SetLayerName, {{"OnOff", std::int16_t{1}}, {"Lock", std::int16_t{1}}}},
      {"Color", &services::SetColorName, {{"rgb", std::int32_t{0xFF00}}}},
      {"Ltype", &services::SetLtypeName, {{"pattern", std::u16string(u"1 1")}}},
      {"Width", &services::SetWidthName, {{"width", 0.35}}}};
  for (const auto& table : tables) {
    SCOPED_TRACE(table.name);
    host.Clear();
    auto answer = table.answer;
    answer["Name"] = std::u16string(u"旧");
    host.Answer("QivGet" + table.name + "Str", answer);
    EXPECT_EQ(table.rename(control, 3, u"配管"), kTrue);
    const auto& set = host.Last("QivSet" + table.name + "Str");
    EXPECT_EQ(set.Sent("no"), Value(std::int32_t{3}));
    EXPECT_EQ(set.Sent("Name"), Value(std::u16string(u"配管")));
    for (const auto& [param, value] : table.answer) EXPECT_EQ(set.Sent(param), value) << param;
    EXPECT_EQ(host.raised().size(), 2u);
  }
}

TEST_F(Records, ChangeDataMapsTheRecordById) {
  EntityRecord& r = module.CurRecord;
  r.layer = 4, r.x1 = 1, r.y1 = 2, r.z1 = 3, r.x2 = 4, r.y2 = 5, r.z2 = 6, r.r = 7, r.s = 8;
  r.e = 9, r.takasa = 10, r.atumi = 11, r.text = u"T";
  r.ts_takasa = 250, r.ts_haba = 200, r.ts_kankaku = 20;
  r.extD8 = 81, r.extD9 = 91, r.extD10 = 101, r.extD11 = 111;
  struct Case {
    std::int32_t id;
    std::vector<double> doubles;  // x1 y1 z1 x2 y2 z2 r s e takasa atumi
  };
  const Case cases[] = {{2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
                        {5, {1, 2, 0, 0, 0, 0, 250, 200, 20, 10, 0}},
                        {20, {1, 2, 0, 0, 0, 0, 250, 200, 20, 10, 0}},
                        {49, {1, 2, 3, 4, 5, 6, 81, 91, 101, 111, 0}}};
  const char* const names[] = {"x1", "y1", "z1", "x2",     "y2",   "z2",
                               "r",  "s",  "e",  "takasa", "atumi"};
  for (const auto& c : cases) {
    for (const VbBool work_buffer : {kFalse, kTrue}) {
      SCOPED_TRACE("id " + std::to_string(c.id));
      r.id = c.id;
      host.Clear();
      const std::string event = work_buffer ? "QivChangeDataWBZ" : "QivChangeData";
      host.Answer(event, {{"result", std::int32_t{1}}});
      EXPECT_EQ(services::ChangeData(control, module, 12, work_buffer), 1);
      ASSERT_EQ(host.Names(), std::vector<std::string>{event});
      const auto& raised = host.raised()[0];
      EXPECT_EQ(raised.Sent("no"), Value(std::int32_t{12}));
      EXPECT_EQ(raised.Sent("id"), Value(c.id));
      EXPECT_EQ(raised.Sent("layer"), Value(std::int32_t{4}));
      EXPECT_EQ(raised.Sent("text"), Value(std::u16string(u"T")));
      for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(raised.Sent(names[i]), Value(c.doubles[i])) << names[i];
    }
  }
}

TEST_F(Records, DeleteDataIsTrueForAnyNonZeroResult) {
  for (const auto& [result, deleted] : {std::pair{1, kTrue}, {-1, kTrue}, {0, kFalse}}) {
    host.Answer("QivDeleteData", {{"result", std::int32_t{result}}});
    EXPECT_EQ(services::DeleteData(control, 5), deleted);
    EXPECT_EQ(host.Last("QivDeleteData").Sent("no"), Value(std::int32_t{5}));
  }
}

TEST_F(Records, PackageReaderAnswersTheRecordsStored) {
  // Entity 7 heads a package of three; entity 8 is a marker.
  host.On("QivGetSetData", [](testhost::EventCall& call) {
    const auto no = std::get<std::int32_t>(call.Get("no"));
    call.Set("id", std::int32_t{no == 8 ? 254 : 2});
    call.Set("ndata", std::int32_t{no == 7 ? 3 : 0});
    call.Set("d01", static_cast<double>(no));
  });
  std::int32_t start = 7;
  EXPECT_EQ(services::ReadPackage(control, module, start), 2);
  ASSERT_EQ(module.RecordArray.size(), 4u);
  EXPECT_EQ(module.RecordArray[0].x1, 7.0);
  EXPECT_EQ(module.RecordArray[1].x1, 9.0);
}

}  // namespace
}  // namespace qiv
