// Creation wrappers: each raises its creation event with the caller's values and `takasa`,
// `atumi` 0 where the event has them; a position of 0 or more gets the creation date and the
// redraw, a refused one (negative) nothing more. The package writer adds RecordArray and then
// applies the same epilogue to its first record.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "creation.h"
#include "in_process_control.h"
#include "interface_table.h"

namespace qiv {
namespace {

using testhost::Value;

struct CreationCase {
  std::string event;
  std::function<std::int32_t(QivOptCmd200&)> create;
  std::map<std::string, Value> sent;  // a few arguments that must carry the caller's values
};

std::vector<CreationCase> Cases() {
  using namespace services;
  using L = std::int32_t;
  return {
      {"QivSetPoint", [](auto& c) { return AddPoint(c, 1, 2); }, {{"y", 2.0}}},
      {"QivSetNumText",
       [](auto& c) { return AddNumText(c, 12.5, 2, 1, 2, 3, 45, 7); },
       {{"value", 12.5}, {"ndec", L{2}}, {"genten", L{7}}}},
      {"QivSetDimPoint", [](auto& c) { return AddDimPoint(c, 1, 2, 9); }, {{"dimno", L{9}}}},
      {"QivSetDimLine",
       [](auto& c) { return AddDimLine(c, 1, 2, 3, 4, 9); },
       {{"y2", 4.0}, {"dimno", L{9}}}},
      {"QivSetDimCircle", [](auto& c) { return AddDimCircle(c, 1, 2, 3, 9); }, {{"r", 3.0}}},
      {"QivSetDimArc", [](auto& c) { return AddDimArc(c, 1, 2, 3, 10, 80, 9); }, {{"e", 80.0}}},
      {"QivSetDimText",
       [](auto& c) { return AddDimText(c, u"φ100", 1, 2, 3, 0, 1, 9); },
       {{"text", std::u16string(u"φ100")}, {"genten", L{1}}}},
      {"QivSetEllipse",
       [](auto& c) { return AddEllipse(c, 1, 2, 5, 3, 30); },
       {{"xr", 5.0}, {"rotate", 30.0}}},
      {"QivSetEArc", [](auto& c) { return AddEArc(c, 1, 2, 5, 3, 30, 0, 90); }, {{"e", 90.0}}},
      {"QivInsertSymbol",
       [](auto& c) { return InsertSymbol(c, u"弁", 1, 2, 1, 1, 90); },
       {{"name", std::u16string(u"弁")}, {"rotate", 90.0}}},
      {"QivInsertOverlay",
       [](auto& c) { return InsertOverlay(c, u"a.ovl", 1, 2, 1, 1, 0); },
       {{"filename", std::u16string(u"a.ovl")}}},
      {"QivInsertImage",
       [](auto& c) { return InsertImage(c, u"a.bmp", 0, 0, 4, 3, 0); },
       {{"x2", 4.0}}},
      {"QivInsertDim",
       [](auto& c) { return InsertDim(c, 2, 0, 0, 4, 0, 2, 1, 9); },
       {{"kind", L{2}}, {"y3", 1.0}}},
      {"QivInsertLeader",
       [](auto& c) { return InsertLeader(c, u"注", 0, 0, 5, 5); },
       {{"nPoint", L{2}}, {"text", std::u16string(u"注")}}},
  };
}

class Creation : public ::testing::Test, protected InProcessControl {};

TEST_F(Creation, EpilogueOnlyForAcceptedEntities) {
  for (const auto& c : Cases()) {
    for (const std::int32_t position : {-1, 0, 17}) {
      SCOPED_TRACE(c.event + " answered " + std::to_string(position));
      host.Clear();
      host.Answer(c.event, {{"position", position}});
      EXPECT_EQ(c.create(control), position);
      const auto& raised = host.Last(c.event);
      for (const auto& [param, value] : c.sent) EXPECT_EQ(raised.Sent(param), value) << param;
      for (const auto& param : FindMemberByName(c.event)->params) {
        if (param.name == "takasa" || param.name == "atumi") {
          EXPECT_EQ(raised.Sent(param.name), Value(0.0));
        }
      }

      auto names = host.Names();
      ASSERT_FALSE(names.empty());
      EXPECT_EQ(names.back() == c.event, position < 0);
      if (position < 0) continue;
      ASSERT_GE(names.size(), 3u);
      EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
                (std::vector<std::string>{c.event, "QivSetCreateDate", "QivDrawObject"}));
      const auto& date = host.Last("QivSetCreateDate");
      EXPECT_EQ(date.sent, (std::vector<Value>{position, std::int32_t{1}}));
      const auto& draw = host.Last("QivDrawObject");
      EXPECT_EQ(draw.sent, (std::vector<Value>{position, std::int16_t{1}}));
    }
  }
}

TEST_F(Creation, LeaderPointsTravelInTheArrayBuffer) {
  services::InsertLeader(control, u"", {{1, 2}, {3, 4}, {5, 6}});
  const auto names = host.Names();
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
            (std::vector<std::string>{"QivInitADouble", "QivAddADouble", "QivAddADouble",
                                      "QivAddADouble", "QivInsertLeader"}));
  EXPECT_EQ(host.raised()[2].sent, (std::vector<Value>{3.0, 4.0, 0.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(host.Last("QivInsertLeader").Sent("nPoint"), Value(std::int32_t{3}));
}

TEST_F(Creation, PackageWriterAddsThePackageThenTheEpilogue) {
  std::int32_t next = 50;
  host.On("QivGetSetData", [&next](testhost::EventCall& call) { call.Set("no", next++); });
  module.RecordArray.assign(2, EntityRecord{});
  module.RecordArray[0].id = 2;
  module.RecordArray[0].ndata = 2;
  module.RecordArray[1].id = 2;
  EXPECT_EQ(services::AddPackage(control, module), 50);
  using J = std::vector<std::pair<std::string, std::vector<Value>>>;
  J journal;
  for (const auto& raised : host.raised())
    if (raised.name != "QivGetSetData") journal.emplace_back(raised.name, raised.sent);
  EXPECT_EQ(host.Count("QivGetSetData"), 2);
  EXPECT_EQ(journal, (J{{"QivSetCreateDate", {std::int32_t{50}, std::int32_t{1}}},
                        {"QivSetCreateDate", {std::int32_t{51}, std::int32_t{1}}},
                        {"QivSetCreateDate", {std::int32_t{50}, std::int32_t{1}}},
                        {"QivDrawObject", {std::int32_t{50}, std::int16_t{1}}}}));

  // A record that cannot be part of a package: nothing is added, nothing drawn.
  host.Clear();
  module.RecordArray[1].id = 3;
  EXPECT_EQ(services::AddPackage(control, module), -1);
  EXPECT_TRUE(host.raised().empty());
}

}  // namespace
}  // namespace qiv
