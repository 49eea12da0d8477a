// The three trim plug-ins as a host loads them: their identity, their dialog, the exact prompts of
// their stages, their dimension argument and their help file next to the plug-in.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "code_page.h"
#include "controls.h"
#include "form.h"
#include "help_dialog.h"
#include "plugin_under_test.h"
#include "user_agent.h"

namespace {

using testhost::EventCall;
using testhost::Value;

struct TrimPlugin {
  const char* path;
  std::u16string name;
  std::u16string prompts[3];
  // The second pick: a second line, or for the line trim a point beside line 1.
  double second_x, second_y;
};

void PrintTo(const TrimPlugin& plugin, std::ostream* out) { *out << platform::ToUtf8(plugin.name); }

const TrimPlugin kPlugins[] = {
    {SARVIK_PLUGIN_PATH,
     u"Sarvik",
     {u"線１ を指定してください  L トリム", u"線２　指定してください",
      u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"},
     0,
     5000},
    {MORVANE_PLUGIN_PATH,
     u"Morvane",
     {u" 主管線 を指定してください　　T トリム", u" 岐管線 を指定してください",
      u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"},
     0,
     5000},
    {HALDRIN_PLUGIN_PATH,
     u"Haldrin",
     {u"線 を指定してください　　Line トリム　", u"トリムポイント を指定してください",
      u"トリム方法　線指定（ポイントの左右）＝指定側を上側配管にトリム　指定線外＝立ち上げ配管トリ"
      u"ム"},
     3000,
     200},
};

class TrimPlugins : public ::testing::TestWithParam<TrimPlugin> {
 protected:
  void SetUp() override {
    platform::ResetHeadlessPlatform();
    folder = std::filesystem::temp_directory_path() /
             ("pipetrim_plugins_" + platform::ToUtf8(GetParam().name));
    std::filesystem::create_directories(folder);
    const std::u16string start = platform::FromUtf8((folder / "QIVCAD.EXE").string());
    host.Answer("QivGetQivVersion", {{"ver", Value(u"4,0,2,3")}});
    host.Answer("QivGetStartPath", {{"m_ProgramPath", Value(start)}});
    host.Answer("QivSetCommandDimension", {{"result", std::int32_t{1}}});
    host.Answer("QivGetActiveQivwinTitle", {{"DocTitle", Value(u"plan.dxf")}});
    // Line 1: (0, 0)-(6000, 0), number 1; line 2: (0, 5000)-(0, 0), number 2.
    host.On("QivSearchPrimitiveModePackage", [](EventCall& call) {
      const double x = std::get<double>(call.Get("x")), y = std::get<double>(call.Get("y"));
      call.Set("position", std::int32_t{x == 0 && y == 5000 ? 2 : y == 0 ? 1 : -1});
    });
    host.On("QivGetSetData", [](EventCall& call) {
      const bool second = std::get<std::int32_t>(call.Get("no")) == 2;
      call.Set("id", std::int32_t{2});
      call.Set("d01", 0.0);
      call.Set("d02", second ? 5000.0 : 0.0);
      call.Set("d03", second ? 0.0 : 6000.0);
      call.Set("d04", 0.0);
    });
    platform::SetUserAgent({[this](platform::Form& form) -> std::optional<platform::UserAction> {
                              caption = form.Caption();
                              return platform::action::Click{u"OK"};
                            },
                            {}});
  }
  void TearDown() override {
    control.reset();
    std::filesystem::remove_all(folder);
    platform::ResetHeadlessPlatform();
  }
  void Pick(double x, double y) {
    std::vector<Value> args{std::int32_t{0},
                            std::int32_t{0},
                            std::int32_t{0},
                            std::int32_t{0},
                            x,
                            y,
                            0.0,
                            0.0,
                            0.0,
                            0.0,
                            0.0,
                            0.0,
                            std::int32_t{1},
                            std::int32_t{0},
                            std::int32_t{0},
                            std::int32_t{0},
                            std::u16string()};
    ASSERT_TRUE(control->Call("QivGCINEnd", args).ok());
  }
  std::u16string Prompt() const {
    return std::get<std::u16string>(host.Last("QivGCINStart").Sent("msg"));
  }

  std::filesystem::path folder;
  testhost::PluginUnderTest plugin{GetParam().path};
  testhost::RecordingHost host;
  std::unique_ptr<testhost::ControlUnderTest> control = plugin.Create(host);
  std::u16string caption;
};

TEST_P(TrimPlugins, RunThroughTheStages) {
  const auto& expected = GetParam();
  EXPECT_EQ(platform::FromUtf8(plugin.library().info().name), expected.name);
  ASSERT_TRUE(control->Call("QivInitCommand").ok());
  EXPECT_EQ(caption, expected.name);
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetCommandDimension").Sent("dimension")), -1);
  EXPECT_EQ(Prompt(), expected.prompts[0]);
  Pick(1000, 0);
  EXPECT_EQ(Prompt(), expected.prompts[1]);
  Pick(expected.second_x, expected.second_y);
  EXPECT_EQ(Prompt(), expected.prompts[2]);
  EXPECT_FALSE(std::filesystem::exists(folder / (platform::ToUtf8(expected.name) + ".ini")));
}

class LineTrimPlugin : public TrimPlugins {};

TEST_P(LineTrimPlugin, SnapsTheTrimPointAndPullsARubberBand) {
  ASSERT_TRUE(control->Call("QivInitCommand").ok());
  Pick(1000, 0);
  EXPECT_EQ(std::get<std::int16_t>(host.Last("QivGCINStart").Sent("nSnap")), 1);
  Pick(7000, 200);  // its foot lies beyond the line's end: refused
  EXPECT_EQ(Prompt(), GetParam().prompts[1]);
  Pick(3000, 200);
  const auto& start = host.Last("QivGCINStart");
  EXPECT_EQ(std::get<std::int16_t>(start.Sent("nSnap")), 0);
  EXPECT_EQ(std::get<std::int32_t>(start.Sent("Rubber")), 1);
  EXPECT_EQ(std::get<double>(start.Sent("x0")), 3000);
  EXPECT_EQ(std::get<double>(start.Sent("y0")), 0);
}

TEST_P(TrimPlugins, HelpFileLiesNextToThePlugin) {
  const auto folder_of_plugin =
      platform::FromUtf8(std::filesystem::path(GetParam().path).parent_path().string());
  const auto text = support::HelpText(support::HelpFilePath(folder_of_plugin, GetParam().name));
  EXPECT_EQ(text.rfind(u"ヘルプファイル [", 0), std::u16string::npos);
  EXPECT_NE(text.find(GetParam().name), std::u16string::npos);
}

std::string PluginName(const ::testing::TestParamInfo<TrimPlugin>& param_info) {
  return platform::ToUtf8(param_info.param.name);
}

INSTANTIATE_TEST_SUITE_P(, LineTrimPlugin, ::testing::Values(kPlugins[2]), PluginName);
INSTANTIATE_TEST_SUITE_P(, TrimPlugins, ::testing::ValuesIn(kPlugins), PluginName);

}  // namespace
