// The plug-in as a host loads it, through its C boundary only. Checks: its identity; it declares
// dimension 2 and prompts for the trim text point; a pick on a line writes the default trim text;
// its help file and its text list lie next to it, and every entry of the shipped text list gives
// a trim text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "code_page.h"
#include "controls.h"
#include "form.h"
#include "help_dialog.h"
#include "plugin_under_test.h"
#include "text_file.h"
#include "text_measure.h"
#include "trim_text_list.h"
#include "user_agent.h"

namespace quenzel {
namespace {

using testhost::EventCall;
using testhost::Value;

std::u16string PluginFolder() {
  return platform::FromUtf8(std::filesystem::path(QUENZEL_PLUGIN_PATH).parent_path().string());
}

class Plugin : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetHeadlessPlatform();
    platform::UseFixedAdvanceFonts(20, {});
    folder = std::filesystem::temp_directory_path() / "pipetrim_quenzel_plugin";
    std::filesystem::create_directories(folder);
    const std::u16string start = platform::FromUtf8((folder / "QIVCAD.EXE").string());
    host.Answer("QivGetQivVersion", {{"ver", Value(u"4,0,2,3")}});
    host.Answer("QivGetStartPath", {{"m_ProgramPath", Value(start)}});
    host.Answer("QivSetCommandDimension", {{"result", std::int32_t{1}}});
    host.Answer("QivGetActiveQivwinTitle", {{"DocTitle", Value(u"plan.dxf")}});
    // One line, (0, 0)-(6000, 0), number 1, found by any pick on y = 0.
    host.On("QivSearchPrimitiveModePackage", [](EventCall& call) {
      call.Set("position", std::int32_t{std::get<double>(call.Get("y")) == 0 ? 1 : -1});
    });
    host.On("QivGetSetData", [](EventCall& call) {
      call.Set("id", std::int32_t{2});
      call.Set("d03", 6000.0);
    });
    platform::SetUserAgent({[this](platform::Form& form) -> std::optional<platform::UserAction> {
                              caption = form.Caption();
                              text_list_entries = form.Get<platform::ListBox>(u"List2").ListCount();
                              return platform::action::Click{u"OK"};
                            },
                            {}});
  }
  void TearDown() override {
    control.reset();
    std::filesystem::remove_all(folder);
    platform::ResetHeadlessPlatform();
  }

  std::filesystem::path folder;
  testhost::PluginUnderTest plugin{QUENZEL_PLUGIN_PATH};
  testhost::RecordingHost host;
  std::unique_ptr<testhost::ControlUnderTest> control = plugin.Create(host);
  std::u16string caption;
  std::int32_t text_list_entries = 0;
};

TEST_F(Plugin, WritesTheTrimTextAtAPick) {
  const auto& info = plugin.library().info();
  EXPECT_STREQ(info.name, "Quenzel");
  EXPECT_STREQ(info.class_id, "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E6001}");

  ASSERT_TRUE(control->Call("QivInitCommand").ok());
  EXPECT_EQ(caption, u"Quenzel");
  EXPECT_GT(text_list_entries, 0);
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetCommandDimension").Sent("dimension")), 2);
  EXPECT_EQ(std::get<std::u16string>(host.Last("QivGCINStart").Sent("msg")),
            u"文字トリム記入ポイントを指定してください");

  std::vector<Value> args{std::int32_t{0},
                          std::int32_t{0},
                          std::int32_t{0},
                          std::int32_t{0},
                          2500.0,
                          0.0,
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
  const auto& text = host.Last("QivSetText");
  EXPECT_EQ(std::get<std::u16string>(text.Sent("text")), u"G\r\n");
  EXPECT_EQ(std::get<double>(text.Sent("x0")), 2500);
  EXPECT_EQ(host.Count("QivSetLine"), 2);
}

TEST(PluginFiles, HelpFileAndTextListLieNextToThePlugin) {
  const auto help = support::HelpText(support::HelpFilePath(PluginFolder(), u"Quenzel"));
  EXPECT_EQ(help.rfind(u"ヘルプファイル [", 0), std::u16string::npos);
  EXPECT_NE(help.find(u"Quenzel"), std::u16string::npos);

  const auto lines = platform::ReadTextLines(TextListPath(PluginFolder()));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(FirstWord(lines.front()), u"G");
  for (const auto& line : lines) EXPECT_FALSE(FirstWord(line).empty()) << platform::ToUtf8(line);
}

}  // namespace
}  // namespace quenzel
