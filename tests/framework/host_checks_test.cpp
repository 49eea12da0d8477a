// Version arithmetic, the command's dimension, the numbered host parameters and the titles.
#include <gtest/gtest.h>

#include <optional>

#include "in_process_control.h"
#include "message_box.h"
#include "runtime_error.h"

namespace qiv {
namespace {

using testhost::Value;

TEST(ParseVersion, Table) {
  struct Case {
    std::u16string text;
    std::optional<std::int32_t> value;  // empty: fails
    std::int32_t error = 0;
  };
  const Case cases[] = {
      {u"4,0,2,3", 4000203},
      {u"2, 0, 2, 6", 2000206},
      {u"4,1,0,0", 4010000},
      {u" 4 , 0 , 2 , 3 ", 4000203},
      {u"", 0},
      {u"4,0", 0},
      {u"abc", 0},
      {u"4.0.2.3", std::nullopt, 5},
      {u"4,0,2", std::nullopt, 5},
      {u"4,0.2.3", std::nullopt, 5},
      {u"a,0,2,3", std::nullopt, 13},
      {u"4,,2,3", std::nullopt, 13},
      {u"4,0,2,", std::nullopt, 13},
      {u"0x4,0,2,3", std::nullopt, 13},
      {u"3000,0,0,0", std::nullopt, 6},
  };
  for (const auto& c : cases) {
    if (c.value) {
      EXPECT_EQ(ParseVersion(c.text), *c.value);
    } else {
      try {
        ParseVersion(c.text);
        ADD_FAILURE() << "no error";
      } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), c.error);
      }
    }
  }
}

class HostChecks : public ::testing::Test, protected InProcessControl {
 protected:
  void SetUp() override { platform::ClearMessageBoxRecord(); }
};

TEST_F(HostChecks, CheckVersionPassesAtEqualAndShowsTheMessageBelow) {
  module.HostVersion = u"4,0,2,3";
  EXPECT_EQ(control.CheckQivVersion(u"4,0,2,3"), kTrue);
  EXPECT_TRUE(platform::MessageBoxesShown().empty());
  module.HostVersion = u"4,0,2,2";
  EXPECT_EQ(control.CheckQivVersion(u"4,0,2,3"), kFalse);
  ASSERT_EQ(platform::MessageBoxesShown().size(), 1u);
  EXPECT_EQ(platform::MessageBoxesShown()[0],
            u"このコマンドはQIV-CAD4 Ver 4,0,2,3以上で使用して下さい");
}

TEST_F(HostChecks, SetCommandDimension) {
  struct Case {
    std::int32_t dimension, answer;
    VbBool accepted;
    std::u16string message;
  };
  const Case cases[] = {
      {2, 1, kTrue, u""},
      {2, 0, kFalse, u"このオプションコマンドは２次元編集専用です"},
      {3, -1, kFalse, u"このオプションコマンドは３次元編集専用です"},
      {-1, 0, kTrue, u""},
      {-1, -1, kTrue, u""},
  };
  for (const auto& c : cases) {
    platform::ClearMessageBoxRecord();
    host.Answer("QivSetCommandDimension", {{"result", c.answer}});
    EXPECT_EQ(control.SetCommandDimension(c.dimension), c.accepted);
    const auto& boxes = platform::MessageBoxesShown();
    EXPECT_EQ(boxes.empty() ? std::u16string() : boxes[0], c.message);
    EXPECT_LE(boxes.size(), 1u);
  }
}

TEST_F(HostChecks, NumberedParameters) {
  for (const auto& [answer, expected] :
       {std::pair<std::int32_t, VbBool>{1, kTrue}, {-1, kTrue}, {0, kFalse}}) {
    host.Answer("QivGetLong", {{"lparam", answer}});
    EXPECT_EQ(control.GetLong1022(), expected);
  }
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivGetLong").Sent("id")), 1022);

  host.Answer("QivGetInteger", {{"iparam", std::int16_t{-3}}});
  EXPECT_EQ(control.GetInteger1005(), -3);
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivGetInteger").Sent("id")), 1005);

  for (const auto& [on, sent] : {std::pair<VbBool, std::int32_t>{kTrue, 1}, {kFalse, 0}, {1, 0}}) {
    control.SetLong4101(on);
    EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetLong").Sent("id")), 4101);
    EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetLong").Sent("lparam")), sent);
  }
}

TEST_F(HostChecks, StartPathAndTitles) {
  EXPECT_EQ(control.GetStartPath(), u"");
  host.Answer("QivGetStartPath", {{"m_ProgramPath", Value(u"/opt/cad/QIVCAD.EXE")}});
  EXPECT_EQ(control.GetStartPath(), u"/opt/cad/QIVCAD.EXE");

  std::u16string doc = u"x", view = u"y";
  EXPECT_EQ(control.GetActiveQivwinTitle(doc, view), kFalse);
  EXPECT_EQ(doc, std::u16string(27, u' '));
  EXPECT_EQ(view, std::u16string(27, u' '));
  EXPECT_EQ(std::get<std::u16string>(host.Last("QivGetActiveQivwinTitle").Sent("DocTitle")),
            std::u16string(27, u' '));

  host.Answer("QivGetActiveQivwinTitle",
              {{"DocTitle", Value(u"plan")}, {"result", std::int16_t{-1}}});
  EXPECT_EQ(control.GetActiveQivwinTitle(doc, view), kTrue);
  EXPECT_EQ(doc, u"plan");
}

}  // namespace
}  // namespace qiv
