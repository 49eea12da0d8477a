// The host's answers to a command's events, raised as a plug-in raises them: records read back
// as written, new entities take the active and current text attributes, the host's queries
// answer its settings, and a malformed raise changes nothing.
#include <gtest/gtest.h>

#include "call_args.h"
#include "host_sink.h"

namespace host {
namespace {

class HostSinkTest : public ::testing::Test {
 protected:
  // Raises the event through the C sink and returns its arguments as the host left them.
  template <typename Fill>
  std::unique_ptr<CallArgs> Raise(const char* event, Fill fill) {
    auto args = std::make_unique<CallArgs>(*qiv::FindMemberByName(event));
    fill(*args);
    HostSink::Receive(&sink, qiv::FindMemberByName(event)->dispid, args->data(), args->count());
    return args;
  }
  std::unique_ptr<CallArgs> Raise(const char* event) {
    return Raise(event, [](CallArgs&) {});
  }

  Drawing drawing;
  HostState state{drawing};
  Journal journal;
  HostSink sink{state, journal};
};

TEST_F(HostSinkTest, RecordsOfAnyIdReadBackAsWritten) {
  const auto added = Raise("QivGetSetData", [](CallArgs& a) {
    a.Set("getset", 1);
    a.Set("id", 40);
    a.Set("layer", 2);
    a.Set("ndata", 3);
    a.Set("l07", -5);
    a.Set("d18", 0.1);
    a.Set("s04", u"漢字");
  });
  const double no = added->Number("no");
  ASSERT_GE(no, 1);
  const auto read = Raise("QivGetSetData", [&](CallArgs& a) { a.Set("no", no); });
  EXPECT_EQ(read->Number("id"), 40);
  EXPECT_EQ(read->Number("layer"), 2);
  EXPECT_EQ(read->Number("ndata"), 3);
  EXPECT_EQ(read->Number("l07"), -5);
  EXPECT_EQ(read->Number("d18"), 0.1);
  EXPECT_EQ(read->Text("s04"), u"漢字");

  // Changing overwrites; the work buffer is separate and cleared by QivInitWBZ.
  Raise("QivGetSetData", [&](CallArgs& a) {
    a.Set("getset", 4);
    a.Set("no", no);
    a.Set("id", 2);
    a.Set("d03", 7);
  });
  EXPECT_EQ(drawing.Find(static_cast<std::int32_t>(no))->d[slot::kLineX2], 7);
  const auto work = Raise("QivGetSetData", [](CallArgs& a) {
    a.Set("getset", 3);
    a.Set("id", 2);
  });
  EXPECT_EQ(work->Number("no"), 1);
  EXPECT_EQ(drawing.work_buffer().size(), 1u);
  Raise("QivInitWBZ");
  EXPECT_TRUE(drawing.work_buffer().empty());
}

TEST_F(HostSinkTest, NewEntitiesTakeTheActiveAndCurrentTextAttributes) {
  Raise("QivSetActiveAtr", [](CallArgs& a) {
    a.Set("layer", 3);
    a.Set("color", 5);
    a.Set("ltype", 1);
  });
  Raise("QivSetCurrentTextAtr", [](CallArgs& a) {
    a.Set("ts_takasa", 400);
    a.Set("ts_Fontname", u"Mincho");
  });
  const auto text = Raise("QivSetText", [](CallArgs& a) {
    a.Set("text", u"G\r\n");
    a.Set("x0", 1);
    a.Set("y0", 2);
    a.Set("kaiten", 30);
    a.Set("genten", 5);
  });
  const Entity* entity = drawing.Find(static_cast<std::int32_t>(text->Number("position")));
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->header.layer, 3);
  EXPECT_EQ(entity->header.color, 5);
  EXPECT_EQ(entity->header.ltype, 1);
  EXPECT_EQ(entity->d[slot::kTextHeight], 400) << "height 0 takes the current text height";
  EXPECT_EQ(entity->d[slot::kTextAngle], 30);
  EXPECT_EQ(entity->l[slot::kTextGenten], 5);
  EXPECT_EQ(entity->s[slot::kTextString], u"G\r\n");
  EXPECT_EQ(entity->s[slot::kTextFont], u"Mincho");
  ASSERT_NE(drawing.FindLayer(3), nullptr);

  const auto attributes = Raise("QivGetCurrentTextAtr");
  EXPECT_EQ(attributes->Number("ts_takasa"), 400);
  EXPECT_EQ(attributes->Text("ts_Fontname"), u"Mincho");
}

TEST_F(HostSinkTest, HostQueriesAnswerTheSettings) {
  state.settings.version = u"4,1,0,0";
  drawing.AddLayer(u"LOCKED").locked = true;
  EXPECT_EQ(Raise("QivGetQivVersion")->Text("ver"), u"4,1,0,0");

  // No drawing open: empty titles (not the 27 blanks the command presets) and result 0.
  const auto no_drawing = Raise("QivGetActiveQivwinTitle",
                                [](CallArgs& a) { a.Set("DocTitle", std::u16string(27, u' ')); });
  EXPECT_EQ(no_drawing->Text("DocTitle"), u"");
  EXPECT_EQ(no_drawing->Number("result"), 0);
  state.settings.document_title = u"plan.dxf";
  EXPECT_EQ(Raise("QivGetActiveQivwinTitle")->Text("DocTitle"), u"plan.dxf");

  struct Dimension {
    std::int32_t asked;
    double answer;
  };
  for (const auto& c : {Dimension{2, 1}, Dimension{3, 0}, Dimension{-1, 1}}) {
    const auto args =
        Raise("QivSetCommandDimension", [&](CallArgs& a) { a.Set("dimension", c.asked); });
    EXPECT_EQ(args->Number("result"), c.answer) << "dimension " << c.asked;
  }

  Raise("QivSetLong", [](CallArgs& a) {
    a.Set("id", 4101);
    a.Set("lparam", 1);
  });
  EXPECT_EQ(Raise("QivGetLong", [](CallArgs& a) { a.Set("id", 4101); })->Number("lparam"), 1);
  EXPECT_EQ(Raise("QivGetInteger", [](CallArgs& a) { a.Set("id", 1005); })->Number("iparam"), 0);
  const std::int32_t locked = drawing.FindLayerByName(u"LOCKED")->no;
  EXPECT_EQ(Raise("QivAskLayerLock", [&](CallArgs& a) { a.Set("no", locked); })->Number("result"),
            1);
  EXPECT_EQ(Raise("QivAskLayerLock")->Number("result"), 0);
}

TEST_F(HostSinkTest, AMalformedRaiseIsJournaledAndChangesNothing) {
  // QivSetLine with its arguments of the wrong kinds and one missing.
  std::int32_t x1 = 5;
  double y1 = 0;
  QivArg args[2] = {qiv::ArgOf(x1), qiv::ArgOf(y1)};
  const std::int32_t set_line = qiv::FindMemberByName("QivSetLine")->dispid;
  HostSink::Receive(&sink, set_line, args, 1);
  HostSink::Receive(&sink, 9999, args, 2);
  EXPECT_TRUE(drawing.entities().empty());
  EXPECT_EQ(x1, 5);
  ASSERT_EQ(journal.lines().size(), 3u);
  EXPECT_NE(journal.lines()[0].find("\"event\":\"QivSetLine\""), std::string::npos);
  EXPECT_NE(journal.lines()[1].find("\"host\":\"error\""), std::string::npos);
  EXPECT_NE(journal.lines()[2].find("\"dispid\":9999"), std::string::npos);
}

}  // namespace
}  // namespace host
