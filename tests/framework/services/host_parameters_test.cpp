// Typed host parameters: the identifiers carried are exactly the listed ones with their event,
// direction and rule; each raises its event with its identifier, getters return the answer,
// Booleans follow their rule (1 only, or non-zero for 1022). The string-list and string-command
// sequences raise their parameters in order.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "host_parameters.h"
#include "in_process_control.h"
#include "runtime_error.h"

namespace qiv {
namespace {

using testhost::Value;

struct ParameterRow {
  std::string event;  // Integer, Long, Double or String
  std::int32_t id;
  std::string kind;
  std::function<Value(QivOptCmd200&)> get;
  std::function<void(QivOptCmd200&, const Value&)> set;
};

std::vector<ParameterRow> ParameterRows() {
  std::vector<ParameterRow> rows;
#define QIV_PARAMETER_GET(event, id, kind) \
  rows.push_back({#event, id, #kind,       \
                  [](QivOptCmd200& c) { return Value(services::Get##event##id(c)); }, nullptr});
#define QIV_PARAMETER_SET(event, id, kind)                                                  \
  rows.push_back({#event, id, #kind, nullptr, [](QivOptCmd200& c, const Value& v) {         \
                    services::Set##event##id(c, std::get<services::kinds::kind::Value>(v)); \
                  }});
#include "host_parameters.def"
  return rows;
}

std::vector<std::int32_t> Ids(std::initializer_list<std::pair<std::int32_t, std::int32_t>> ranges) {
  std::vector<std::int32_t> ids;
  for (const auto& [first, last] : ranges)
    for (std::int32_t id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

class HostParameters : public ::testing::Test, protected InProcessControl {};

TEST_F(HostParameters, TheCarriedIdentifiersAreTheListedOnes) {
  // (event, id, direction, kind), direction g or s.
  using Entry = std::tuple<std::string, std::int32_t, char, std::string>;
  std::set<Entry> expected;
  const auto add = [&](const std::string& event, const std::vector<std::int32_t>& ids,
                       const std::string& directions, const std::string& kind) {
    for (const auto id : ids)
      for (const char direction : directions) expected.insert({event, id, direction, kind});
  };
  add("Integer",
      Ids({{1005, 1007},
           {1009, 1009},
           {1015, 1020},
           {1103, 1106},
           {1108, 1108},
           {1112, 1114},
           {1201, 1207},
           {1301, 1306},
           {1401, 1402},
           {2101, 2101},
           {2103, 2103}}),
      "gs", "Short");
  add("Integer", {1008}, "s", "Short");
  add("Long", {1011, 1013, 1014, 1115, 1116, 1118, 1119, 1209, 1307, 1403, 1406, 1803, 1805, 6001},
      "gs", "Long");
  add("Long", {3001, 3010}, "g", "Long");
  add("Long", {1903}, "s", "Long");
  add("Long", {1021, 1404, 1405, 1802, 1804, 1901}, "gs", "LongFlag");
  add("Long", {1902, 1952, 4101}, "s", "LongFlag");
  add("Long", {1022}, "g", "LongNonZero");
  add("Double", {1012, 1117, 1120, 1121, 1208, 2001, 2002}, "gs", "Double");
  add("String", {1308, 1501}, "gs", "String");
  add("String", {1511, 1512, 1513}, "s", "String");

  std::set<Entry> carried;
  for (const auto& row : ParameterRows())
    carried.insert({row.event, row.id, row.get ? 'g' : 's', row.kind});
  EXPECT_EQ(carried, expected);
}

// What the host answers (getter) or the caller sends (setter), and what must come out.
struct Exchange {
  Value in, out;
};

std::vector<Exchange> AnswersOf(const std::string& kind) {
  if (kind == "Short") return {{std::int16_t{-7}, std::int16_t{-7}}};
  if (kind == "Long") return {{std::int32_t{-70000}, std::int32_t{-70000}}};
  if (kind == "Double") return {{0.25, 0.25}};
  if (kind == "String") return {{std::u16string(u"ﾊﾟﾗﾒｰﾀ　値"), std::u16string(u"ﾊﾟﾗﾒｰﾀ　値")}};
  if (kind == "LongFlag")
    return {{std::int32_t{1}, kTrue}, {std::int32_t{-1}, kFalse}, {std::int32_t{2}, kFalse}};
  return {{std::int32_t{1}, kTrue}, {std::int32_t{-1}, kTrue}, {std::int32_t{0}, kFalse}};
}

std::vector<Exchange> SendsOf(const std::string& kind) {
  if (kind == "LongFlag" || kind == "LongNonZero")
    return {{kTrue, std::int32_t{1}}, {VbBool{1}, std::int32_t{0}}, {kFalse, std::int32_t{0}}};
  return AnswersOf(kind);
}

TEST_F(HostParameters, EachRowRaisesItsEventWithItsIdentifier) {
  const std::map<std::string, std::string> value_param{
      {"Integer", "iparam"}, {"Long", "lparam"}, {"Double", "dparam"}, {"String", "sparam"}};
  for (const auto& row : ParameterRows()) {
    SCOPED_TRACE(row.event + " " + std::to_string(row.id));
    const std::string param = value_param.at(row.event);
    const std::string event = (row.get ? "QivGet" : "QivSet") + row.event;
    for (const auto& exchange : row.get ? AnswersOf(row.kind) : SendsOf(row.kind)) {
      host.Clear();
      if (row.get) {
        host.Answer(event, {{param, exchange.in}});
        EXPECT_EQ(row.get(control), exchange.out);
      } else {
        row.set(control, exchange.in);
        EXPECT_EQ(host.Last(event).Sent(param), exchange.out);
      }
      ASSERT_EQ(host.Names(), std::vector<std::string>{event});
      EXPECT_EQ(host.Last(event).Sent("id"), Value(row.id));
    }
  }
}

TEST_F(HostParameters, StringListSequence) {
  host.On("QivGetLong", [](testhost::EventCall& call) {
    if (call.Get("id") == Value(std::int32_t{7003})) call.Set("lparam", std::int32_t{3});
  });
  host.On("QivGetString", [](testhost::EventCall& call) {
    const auto id = std::get<std::int32_t>(call.Get("id"));
    const std::string text = "item" + std::to_string(id);
    call.Set("sparam", std::u16string(text.begin(), text.end()));
  });
  EXPECT_EQ(services::ReadStringList(control, 4),
            (std::vector<std::u16string>{u"item10000", u"item10001", u"item10002"}));
  std::vector<std::pair<std::string, std::int32_t>> sequence;
  for (const auto& raised : host.raised())
    sequence.emplace_back(raised.name, std::get<std::int32_t>(raised.Sent("id")));
  EXPECT_EQ(sequence, (std::vector<std::pair<std::string, std::int32_t>>{{"QivSetLong", 1951},
                                                                         {"QivGetLong", 7003},
                                                                         {"QivGetString", 10000},
                                                                         {"QivGetString", 10001},
                                                                         {"QivGetString", 10002}}));
  EXPECT_EQ(host.raised()[0].Sent("lparam"), Value(std::int32_t{4}));

  // A host that answers no count, or a negative one, gives an empty list.
  for (const std::int32_t count : {0, -2}) {
    host.Clear();
    host.Answer("QivGetLong", {{"lparam", count}});
    EXPECT_TRUE(services::ReadStringList(control, 1).empty());
    EXPECT_EQ(host.Count("QivGetString"), 0);
  }
  // A count whose last identifier would leave the Long range reads nothing.
  host.Clear();
  host.Answer("QivGetLong", {{"lparam", std::int32_t{2147480000}}});
  try {
    services::ReadStringList(control, 1);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::error::kOverflow);
  }
  EXPECT_EQ(host.Count("QivGetString"), 0);
}

TEST_F(HostParameters, StringCommandSequence) {
  for (const auto& [result, ran] : {std::pair{1, kTrue}, {2, kFalse}, {-1, kFalse}}) {
    host.Clear();
    host.Answer("QivSimpleCommand", {{"result", std::int32_t{result}}});
    EXPECT_EQ(services::RunStringCommand(control, 5, u"LINE 0,0"), ran);
    EXPECT_EQ(host.Names(),
              (std::vector<std::string>{"QivSetLong", "QivSetString", "QivSimpleCommand"}));
    const auto& raised = host.raised();
    EXPECT_EQ(raised[0].Sent("id"), Value(std::int32_t{7001}));
    EXPECT_EQ(raised[0].Sent("lparam"), Value(std::int32_t{5}));
    EXPECT_EQ(raised[1].Sent("id"), Value(std::int32_t{7002}));
    EXPECT_EQ(raised[1].Sent("sparam"), Value(std::u16string(u"LINE 0,0")));
    EXPECT_EQ(raised[2].Sent("nID"), Value(std::int32_t{2063}));
    EXPECT_EQ(raised[2].Sent("para1"), Value(std::int32_t{0}));
  }
}

}  // namespace
}  // namespace qiv
