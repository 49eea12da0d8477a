// Plain wrappers: every single-value setting getter returns the host's answer and every setter
// sends the caller's value in the event's one argument, Booleans by their rule; events 5 to 90 are
// all carried; pass-through wrappers hand over the caller's variables; the layer routines.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "in_process_control.h"
#include "interface_table.h"
#include "layers.h"
#include "plain_wrappers.h"
#include "settings.h"

namespace qiv {
namespace {

using testhost::Value;

struct SettingRow {
  std::string event;
  std::string kind;
  std::function<Value(QivOptCmd200&)> get;
  std::function<void(QivOptCmd200&, const Value&)> set;
};

std::vector<SettingRow> SettingRows() {
  std::vector<SettingRow> rows;
#define QIV_SETTING_GET(setting, kind)      \
  rows.push_back({"QivGet" #setting, #kind, \
                  [](QivOptCmd200& c) { return Value(services::Get##setting(c)); }, nullptr});
#define QIV_SETTING_SET(setting, kind)                                                     \
  rows.push_back({"QivSet" #setting, #kind, nullptr, [](QivOptCmd200& c, const Value& v) { \
                    services::Set##setting(c, std::get<services::kinds::kind::Value>(v));  \
                  }});
#include "settings.def"
  return rows;
}

// One exchange: what the host answers or the caller sends, and what must come out.
struct Exchange {
  Value in, out;
};

// The exchanges every kind must pass, in both directions.
std::vector<Exchange> ExchangesOf(const std::string& kind) {
  if (kind == "Long") return {{std::int32_t{123456}, std::int32_t{123456}}};
  if (kind == "Double") return {{2.5, 2.5}};
  if (kind == "String") return {{std::u16string(u"ＱＩＶ 図"), std::u16string(u"ＱＩＶ 図")}};
  if (kind == "Short") return {{std::int16_t{-7}, std::int16_t{-7}}};
  // Flag: the host's 1 reads as true and nothing else does; true goes out as 1, 1 itself as 0.
  return {{std::int16_t{1}, kTrue}, {std::int16_t{-1}, kFalse}, {std::int16_t{0}, kFalse}};
}
std::vector<Exchange> SendsOf(const std::string& kind) {
  if (kind != "Flag") return ExchangesOf(kind);
  return {{kTrue, std::int16_t{1}}, {std::int16_t{1}, std::int16_t{0}}, {kFalse, std::int16_t{0}}};
}

class Settings : public ::testing::Test, protected InProcessControl {};

TEST_F(Settings, EveryRowRaisesItsEventWithItsValue) {
  for (const auto& row : SettingRows()) {
    SCOPED_TRACE(row.event);
    const Member* event = FindMemberByName(row.event);
    ASSERT_NE(event, nullptr);
    ASSERT_EQ(event->params.size(), 1u);
    const std::string param(event->params[0].name);
    if (row.get) {
      for (const auto& exchange : ExchangesOf(row.kind)) {
        host.Clear();
        host.Answer(row.event, {{param, exchange.in}});
        EXPECT_EQ(row.get(control), exchange.out);
        ASSERT_EQ(host.Names(), std::vector<std::string>{row.event});
        // The getter's variable starts empty.
        EXPECT_EQ(host.raised()[0].sent[0].index(), exchange.in.index());
        EXPECT_TRUE(std::visit([](const auto& v) { return v == std::decay_t<decltype(v)>{}; },
                               host.raised()[0].sent[0]));
      }
    } else {
      for (const auto& exchange : SendsOf(row.kind)) {
        host.Clear();
        row.set(control, exchange.in);
        ASSERT_EQ(host.Names(), std::vector<std::string>{row.event});
        EXPECT_EQ(host.raised()[0].Sent(param), exchange.out);
      }
    }
  }
}

TEST_F(Settings, EverySettingEventFromFiveToNinetyIsCarried) {
  std::set<std::string> carried;
  for (const auto& row : SettingRows()) carried.insert(row.event);
  // Routines of the control itself.
  carried.insert({"QivGetStartPath", "QivGetKeepSel", "QivGetHighLight"});
  for (std::int32_t dispid = 5; dispid <= 90; ++dispid)
    EXPECT_TRUE(carried.count(std::string(FindEvent(dispid)->name))) << FindEvent(dispid)->name;
}

template <typename T>
concept SetFlagTakes = requires(QivOptCmd200& c, std::int32_t& no, T& value) {
  services::SetFlag(c, no, value);
};
static_assert(SetFlagTakes<std::int16_t>);
static_assert(!SetFlagTakes<std::int32_t>);

TEST_F(Settings, PassThroughWrappersBindTheCallersVariables) {
  host.Answer("QivSetTextWBZ", {{"position", std::int32_t{-3}}, {"h", 9.0}});
  std::u16string text = u"ﾃｷｽﾄ";
  double x0 = 1, y0 = 2, h = 3, kaiten = 30;
  std::int32_t genten = 5, position = 0;
  services::SetTextWBZ(control, text, x0, y0, h, kaiten, genten, position);
  EXPECT_EQ(position, -3);
  EXPECT_EQ(h, 9.0);
  EXPECT_EQ(std::get<std::u16string>(host.Last("QivSetTextWBZ").Sent("text")), u"ﾃｷｽﾄ");
  EXPECT_EQ(host.Names(), std::vector<std::string>{"QivSetTextWBZ"});  // no creation epilogue

  services::Undo(control);
  EXPECT_EQ(host.Names().back(), "QivUndo");
}

TEST_F(Settings, LayerRoutines) {
  for (const auto& [answer, shown] : {std::pair{1, kTrue}, {-1, kFalse}, {0, kFalse}}) {
    host.Answer("QivAskLayer", {{"result", static_cast<std::int16_t>(answer)}});
    EXPECT_EQ(services::AskLayer(control, 3), shown);
    EXPECT_EQ(std::get<std::int32_t>(host.Last("QivAskLayer").Sent("no")), 3);
  }
  for (const auto& [on, sent] : {std::pair{kTrue, 1}, {VbBool{1}, 0}, {kFalse, 0}}) {
    services::LayerLock(control, 8, on);
    EXPECT_EQ(host.Last("QivLayerLock").Sent("OnOff"), Value(static_cast<std::int16_t>(sent)));
    services::AllLayer(control, on);
    EXPECT_EQ(host.Last("QivAllLayer").Sent("OnOff"), Value(static_cast<std::int16_t>(sent)));
  }
  host.Answer("QivNewSegment", {{"no", std::int32_t{12}}});
  EXPECT_EQ(services::NewSegment(control), 12);
}

}  // namespace
}  // namespace qiv
