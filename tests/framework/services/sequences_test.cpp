// Sequences and array-buffer routines: the work-buffer and drag-buffer commits raise their steps
// in order from the old end; the text-attribute dialog fills from and back into CurRecord's text
// part and narrows before sending; lists go through the array buffer item by item.
#include <gtest/gtest.h>

#include "array_routines.h"
#include "in_process_control.h"
#include "runtime_error.h"
#include "sequences.h"

namespace qiv {
namespace {

using testhost::Value;

class Sequences : public ::testing::Test, protected InProcessControl {
 protected:
  // Each raise as its name and the values sent.
  std::vector<std::pair<std::string, std::vector<Value>>> Journal() const {
    std::vector<std::pair<std::string, std::vector<Value>>> journal;
    for (const auto& raised : host.raised()) journal.emplace_back(raised.name, raised.sent);
    return journal;
  }
};

TEST_F(Sequences, WorkBufferCommit) {
  host.Answer("QivGetiendp", {{"iendp", std::int32_t{120}}});
  host.Answer("QivAddWBZtoData", {{"n", std::int32_t{4}}});
  EXPECT_EQ(services::CommitWorkBuffer(control), 4);
  using J = decltype(Journal());
  EXPECT_EQ(Journal(), (J{{"QivGetiendp", {std::int32_t{0}}},
                          {"QivAddWBZtoData", {std::int32_t{0}}},
                          {"QivSetCreateDateAfter", {std::int32_t{120}, std::int32_t{1}}}}));
}

TEST_F(Sequences, DragBufferCommit) {
  host.Answer("QivGetiendp", {{"iendp", std::int32_t{30}}});
  host.Answer("QivAddGCINDragtoData", {{"n", std::int32_t{2}}});
  EXPECT_EQ(services::CommitDragBuffer(control), 2);
  const std::int16_t off = 0, on = 1;
  using J = decltype(Journal());
  EXPECT_EQ(Journal(), (J{{"QivGetiendp", {std::int32_t{0}}},
                          {"QivAddGCINDragtoData", {std::int32_t{0}}},
                          {"QivSetCreateDateAfter", {std::int32_t{30}, std::int32_t{1}}},
                          {"QivAllSelect", {off, off}},
                          {"QivSetFlagAfter", {std::int32_t{30}, on}},
                          {"QivDrawSelectedData", {off, on, std::int32_t{0}}},
                          {"QivAllSelect", {off, off}}}));
}

TEST_F(Sequences, TextAttributeDialogFillsFromAndBackIntoTheRecord) {
  EntityRecord& r = module.CurRecord;
  r.id = 2, r.text = u"kept", r.style = 3, r.ts_takasa = 250, r.ts_bold = 1, r.ts_nodec = -4;
  r.ts_Fontname = u"ＭＳ ゴシック";
  host.Answer("QivTextAtrFromDialog", {{"ts_takasa", 300.0},
                                       {"ts_bold", std::int16_t{0}},
                                       {"ts_italic", std::int16_t{-1}},
                                       {"ts_Fontname", std::u16string(u"ＭＳ 明朝")},
                                       {"result", std::int16_t{1}}});
  EXPECT_EQ(services::TextAtrFromDialog(control, module), kTrue);
  const auto& raised = host.Last("QivTextAtrFromDialog");
  EXPECT_EQ(raised.Sent("style"), Value(std::int16_t{3}));
  EXPECT_EQ(raised.Sent("ts_takasa"), Value(250.0));
  EXPECT_EQ(raised.Sent("ts_nodec"), Value(std::int16_t{-4}));
  EXPECT_EQ(raised.Sent("ts_Fontname"), Value(std::u16string(u"ＭＳ ゴシック")));
  EXPECT_EQ(r.ts_takasa, 300.0);
  EXPECT_EQ(r.ts_bold, 0);
  EXPECT_EQ(r.ts_italic, -1);
  EXPECT_EQ(r.ts_nodec, -4);
  EXPECT_EQ(r.ts_Fontname, u"ＭＳ 明朝");
  EXPECT_EQ(r.id, 2);  // only the text part changes
  EXPECT_EQ(r.text, u"kept");

  host.Answer("QivTextAtrFromDialog", {});
  EXPECT_EQ(services::TextAtrFromDialog(control, module), kFalse);

  host.Clear();
  r.ts_unit = 40000;
  try {
    services::TextAtrFromDialog(control, module);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::error::kOverflow);
  }
  EXPECT_TRUE(host.raised().empty());
}

TEST_F(Sequences, IconSize) {
  services::SetIconSize(control, 24);
  using J = decltype(Journal());
  EXPECT_EQ(Journal(), (J{{"QivSetIconSize", {std::int32_t{24}}}, {"QivReCreateToolBar", {}}}));
}

TEST_F(Sequences, ArrayBufferRoutines) {
  host.Answer("QivSelectWindowEndPoint", {{"nSelect", std::int32_t{5}}});
  EXPECT_EQ(services::SelectWindowEndPoint(control, 0, 0, 10, 10, {kTrue, VbBool{1}, kFalse}), 5);
  using J = decltype(Journal());
  const auto item = [](double first) { return std::vector<Value>{first, 0.0, 0.0, 0.0, 0.0, 0.0}; };
  EXPECT_EQ(Journal(), (J{{"QivInitADouble", {}},
                          {"QivAddADouble", item(1.0)},
                          {"QivAddADouble", item(0.0)},
                          {"QivAddADouble", item(0.0)},
                          {"QivSelectWindowEndPoint", {0.0, 0.0, 10.0, 10.0, std::int32_t{0}}}}));

  host.Clear();
  host.Answer("QivClipByPolytoWBZ", {{"result", std::int32_t{1}}});
  EXPECT_EQ(services::ClipByPolytoWBZ(control, {{0, 0}, {4, 0}, {4, 3}}, kTrue), 1);
  EXPECT_EQ(host.Count("QivAddADouble"), 3);
  EXPECT_EQ(host.raised()[2].sent, (std::vector<Value>{4.0, 0.0, 0.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(host.Last("QivClipByPolytoWBZ").sent,
            (std::vector<Value>{std::int32_t{3}, std::int16_t{1}, std::int32_t{0}}));

  host.Clear();
  host.Answer("QivGetAllView", {{"n", std::int32_t{2}}});
  host.On("QivGetADouble", [](testhost::EventCall& call) {
    call.Set("d1", 10.0 + std::get<std::int32_t>(call.Get("index")));
  });
  EXPECT_EQ(services::GetAllView(control),
            (std::vector<services::ArrayItem>{{10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0}}));
  EXPECT_EQ(host.Names(), (std::vector<std::string>{"QivInitADouble", "QivGetAllView",
                                                    "QivGetADouble", "QivGetADouble"}));
  host.Clear();
  EXPECT_TRUE(services::GetAllDocument(control).empty());  // an unanswered count reads nothing
  EXPECT_EQ(host.Names(), (std::vector<std::string>{"QivInitADouble", "QivGetAllDocument"}));
}

}  // namespace
}  // namespace qiv
