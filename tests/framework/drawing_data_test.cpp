// Drawing-data routines. Invariants: every slot row carries the same fields in both directions
// and nothing else; ids without a row carry the header only; a refused creation sends nothing
// more; the text attributes narrow to 16 bits before anything is sent.
#include <gtest/gtest.h>

#include "in_process_control.h"
#include "runtime_error.h"

namespace qiv {
namespace {

using testhost::Value;

class DrawingData : public ::testing::Test, protected InProcessControl {
 protected:
  // Answers a read with a distinct value in every slot: l01 = 101, d01 = 1.5, s01 = "s1", ...
  void AnswerReadWithPattern(std::int32_t id) {
    host.On("QivGetSetData", [id](testhost::EventCall& call) {
      if (std::get<std::int32_t>(call.Get("getset")) != 0) return;
      call.Set("id", id);
      call.Set("layer", std::int32_t{7});
      call.Set("ndata", std::int32_t{3});
      for (int k = 1; k <= 24; ++k) call.Set(Slot('l', k), std::int32_t{100 + k});
      for (int k = 1; k <= 18; ++k) call.Set(Slot('d', k), k + 0.5);
      for (int k = 1; k <= 4; ++k) {
        const std::string text = "s" + std::to_string(k);
        call.Set(Slot('s', k), std::u16string(text.begin(), text.end()));
      }
    });
  }
  static std::string Slot(char kind, int k) {
    return std::string(1, kind) + (k < 10 ? "0" : "") + std::to_string(k);
  }
};

TEST_F(DrawingData, EverySlotRowRoundTrips) {
  struct Row {
    std::int32_t id;
    int doubles, longs, strings;
  };
  const Row rows[] = {{1, 5, 1, 0},    {2, 6, 0, 0},   {3, 7, 5, 0},   {4, 7, 0, 0},
                      {5, 14, 18, 2},  {6, 9, 3, 1},   {7, 9, 5, 0},   {8, 9, 0, 0},
                      {10, 2, 7, 0},   {11, 0, 6, 0},  {18, 0, 6, 0},  {19, 6, 0, 0},
                      {20, 14, 18, 2}, {22, 0, 1, 0},  {23, 9, 16, 1}, {24, 9, 16, 1},
                      {25, 9, 5, 1},   {26, 3, 10, 0}, {27, 2, 8, 0},  {32, 4, 1, 0},
                      {48, 0, 5, 1},   {49, 10, 4, 1}, {50, 11, 8, 1}, {51, 0, 4, 2},
                      {65, 6, 0, 0},   {66, 5, 0, 0},  {67, 4, 0, 0},  {68, 4, 0, 0},
                      {69, 14, 18, 2}, {70, 4, 0, 0},  {71, 5, 0, 0},  {72, 5, 0, 0},
                      {9, 0, 0, 0},    {40, 0, 0, 0},  {254, 0, 0, 0}, {0, 0, 0, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE("id " + std::to_string(row.id));
    module.CurRecord = EntityRecord{};
    host.Clear();
    AnswerReadWithPattern(row.id);
    control.ReadRecord(12);
    EXPECT_EQ(module.CurRecord.id, row.id);
    EXPECT_EQ(module.CurRecord.layer, 7);
    control.ChangeRecord(12);
    const auto& write = host.raised().back();
    EXPECT_EQ(std::get<std::int32_t>(write.Sent("getset")), 4);
    EXPECT_EQ(std::get<std::int32_t>(write.Sent("no")), 12);
    EXPECT_EQ(std::get<std::int32_t>(write.Sent("ndata")), 3);
    for (int k = 1; k <= 24; ++k)
      EXPECT_EQ(std::get<std::int32_t>(write.Sent(Slot('l', k))), k <= row.longs ? 100 + k : 0)
          << Slot('l', k);
    for (int k = 1; k <= 18; ++k)
      EXPECT_EQ(std::get<double>(write.Sent(Slot('d', k))), k <= row.doubles ? k + 0.5 : 0.0)
          << Slot('d', k);
    for (int k = 1; k <= 4; ++k) {
      const std::string text = k <= row.strings ? "s" + std::to_string(k) : "";
      EXPECT_EQ(std::get<std::u16string>(write.Sent(Slot('s', k))),
                std::u16string(text.begin(), text.end()))
          << Slot('s', k);
    }
  }
}

TEST_F(DrawingData, SlotsLandInTheirNamedFields) {
  AnswerReadWithPattern(2);
  module.CurRecord.text = u"kept";
  module.CurRecord.ts_bold = 4;
  module.CurRecord.segment = 9;
  control.ReadRecord(1);
  const auto& r = module.CurRecord;
  EXPECT_EQ(r.x1, 1.5);
  EXPECT_EQ(r.y1, 2.5);
  EXPECT_EQ(r.x2, 3.5);
  EXPECT_EQ(r.y2, 4.5);
  EXPECT_EQ(r.atumi, 6.5);
  EXPECT_EQ(r.text, u"kept");
  EXPECT_EQ(r.ts_bold, 4);
  EXPECT_EQ(r.segment, 9);  // never exchanged here

  AnswerReadWithPattern(5);
  control.ReadRecord(1);
  EXPECT_EQ(r.ts_Fontname, u"s1");
  EXPECT_EQ(r.text, u"s2");
  EXPECT_EQ(r.style, 107);
  EXPECT_EQ(r.ts_nodec, 118);
  EXPECT_EQ(r.extD2, 14.5);

  AnswerReadWithPattern(3);
  control.ReadRecord(1);
  EXPECT_EQ(r.extL2, 104);
  EXPECT_EQ(r.e, 7.5);
}

TEST_F(DrawingData, AddRecordDatesOnlyAcceptedEntities) {
  for (const std::int32_t answer : {5, 0, -1}) {
    host.Clear();
    host.Answer("QivGetSetData", {{"no", answer}});
    module.CurRecord = EntityRecord{};
    module.CurRecord.id = 2;
    EXPECT_EQ(control.AddRecord(), answer);
    const auto names = host.Names();
    if (answer >= 0) {
      EXPECT_EQ(names, (std::vector<std::string>{"QivGetSetData", "QivSetCreateDate"}));
      EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetCreateDate").Sent("mdate")), 1);
    } else {
      EXPECT_EQ(names, std::vector<std::string>{"QivGetSetData"});
    }
    EXPECT_EQ(std::get<std::int32_t>(host.Last("QivGetSetData").Sent("getset")), 1);
  }
}

TEST_F(DrawingData, CreationEpilogue) {
  host.Answer("QivSetLine", {{"position", std::int32_t{-1}}});
  EXPECT_EQ(control.AddLine(0, 0, 10, 0), -1);
  EXPECT_EQ(host.Names(), std::vector<std::string>{"QivSetLine"});

  host.Clear();
  host.Answer("QivSetArc", {{"position", std::int32_t{8}}});
  EXPECT_EQ(control.AddArc(1, 2, 3, 90, 450), 8);
  EXPECT_EQ(host.Names(),
            (std::vector<std::string>{"QivSetArc", "QivSetCreateDate", "QivDrawObject"}));
  EXPECT_EQ(std::get<double>(host.Last("QivSetArc").Sent("e")), 450.0);
  EXPECT_EQ(std::get<double>(host.Last("QivSetArc").Sent("takasa")), 0.0);
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetCreateDate").Sent("n")), 8);
  EXPECT_EQ(std::get<std::int16_t>(host.Last("QivDrawObject").Sent("Draw")), 1);

  host.Clear();
  EXPECT_EQ(control.AddText(u"G", 1, 2, 0, 45, 5), 0);  // an unanswered creation reads as 0
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetText").Sent("genten")), 5);
  EXPECT_EQ(host.Count("QivDrawObject"), 1);
}

TEST_F(DrawingData, CurrentTextAttributesLoad) {
  module.CurRecord.id = 2;
  module.CurRecord.x1 = 3;
  module.CurRecord.text = u"line";
  module.CurRecord.extL19 = 5;
  module.CurRecord.extD5 = 5;
  host.Answer("QivGetCurrentTextAtr", {{"style", std::int16_t{-2}},
                                       {"ts_takasa", 2.5},
                                       {"ts_nodec", std::int16_t{-1}},
                                       {"ts_Fontname", Value(u"ＭＳ ゴシック")}});
  control.GetCurrentTextAtr();
  const auto& r = module.CurRecord;
  EXPECT_EQ(r.id, 5);
  EXPECT_EQ(r.text, u"");
  EXPECT_EQ(r.style, -2);
  EXPECT_EQ(r.ts_nodec, -1);
  EXPECT_EQ(r.ts_takasa, 2.5);
  EXPECT_EQ(r.ts_Fontname, u"ＭＳ ゴシック");
  EXPECT_EQ(r.extL19, 0);
  EXPECT_EQ(r.extD5, 0);
  EXPECT_EQ(r.x1, 3);
}

TEST_F(DrawingData, SetCurrentTextAttributesNarrowsBeforeSending) {
  module.CurRecord.ts_bold = 40000;
  try {
    control.SetCurrentTextAtr();
    FAIL();
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), 6);
  }
  EXPECT_TRUE(host.raised().empty());

  module.CurRecord.ts_bold = -32768;
  module.CurRecord.style = 3;
  module.CurRecord.ts_Fontname = u"IPAGothic";
  control.SetCurrentTextAtr();
  const auto& sent = host.Last("QivSetCurrentTextAtr");
  EXPECT_EQ(std::get<std::int16_t>(sent.Sent("ts_bold")), -32768);
  EXPECT_EQ(std::get<std::int16_t>(sent.Sent("style")), 3);
  EXPECT_EQ(std::get<std::u16string>(sent.Sent("ts_Fontname")), u"IPAGothic");
}

TEST_F(DrawingData, ActiveAttributesIncludeTheSegment) {
  host.Answer(
      "QivGetActiveAtr",
      {{"layer", std::int32_t{3}}, {"segment", std::int32_t{4}}, {"Group", std::int32_t{5}}});
  control.GetActiveAtr();
  EXPECT_EQ(module.CurRecord.segment, 4);
  module.CurRecord.color = 6;
  control.SetActiveAtr();
  const auto& sent = host.Last("QivSetActiveAtr");
  EXPECT_EQ(std::get<std::int32_t>(sent.Sent("layer")), 3);
  EXPECT_EQ(std::get<std::int32_t>(sent.Sent("segment")), 4);
  EXPECT_EQ(std::get<std::int32_t>(sent.Sent("color")), 6);
  EXPECT_EQ(std::get<std::int32_t>(sent.Sent("Group")), 5);
}

TEST_F(DrawingData, LayerLockIsOnlyOne) {
  for (const auto& [answer, expected] :
       {std::pair<std::int16_t, VbBool>{1, kTrue}, {-1, kFalse}, {0, kFalse}}) {
    host.Answer("QivAskLayerLock", {{"result", answer}});
    EXPECT_EQ(control.AskLayerLock(2), expected);
  }
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivAskLayerLock").Sent("no")), 2);
}

}  // namespace
}  // namespace qiv
