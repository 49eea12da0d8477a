// The help window: the file's lines each followed by CR LF, the missing-file text with the full
// path, and the layout on resizing.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "code_page.h"
#include "help_dialog.h"
#include "user_action.h"
#include "user_agent.h"

namespace support {
namespace {

class HelpDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetHeadlessPlatform();
    folder = std::filesystem::temp_directory_path() /
             ("pipetrim_help_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder);
    platform::ResetHeadlessPlatform();
  }
  std::u16string Folder() const { return platform::FromUtf8(folder.string()); }
  void WriteHelp(const std::u16string& name, const std::u16string& text) {
    std::ofstream(std::filesystem::path(platform::ToUtf8(HelpFilePath(Folder(), name))),
                  std::ios::binary)
        << platform::ToCodePage932(text);
  }

  std::filesystem::path folder;
};

TEST_F(HelpDialog, ShowsEveryLineWithCrLf) {
  struct Case {
    std::u16string file, shown;
  };
  const Case cases[] = {
      {u"一行目\r\n二行目", u"一行目\r\n二行目\r\n"},
      {u"a\rb\r\n", u"a\r\nb\r\n"},
      {u"lone\nLF\r\nend\r\n", u"lone\nLF\r\nend\r\n"},
      {u"", u""},
  };
  for (const auto& c : cases) {
    WriteHelp(u"Sarvik", c.file);
    EXPECT_EQ(HelpText(HelpFilePath(Folder(), u"Sarvik")), c.shown);
  }
}

TEST_F(HelpDialog, MissingFileNamesThePathTried) {
  const auto path = HelpFilePath(Folder(), u"Haldrin");
  EXPECT_EQ(path, Folder() + u"/Haldrin説明.TXT");
  EXPECT_EQ(HelpText(path), u"ヘルプファイル [" + path + u"] が見つかりません。");
}

TEST_F(HelpDialog, LoadsTheFileAndClosesOnEnter) {
  WriteHelp(u"Morvane", u"使い方");
  HelpDlg dialog(u"Morvaneﾍﾙﾌﾟ", HelpFilePath(Folder(), u"Morvane"));
  std::u16string seen;
  platform::SetUserAgent({[&](platform::Form& form) -> std::optional<platform::UserAction> {
                            seen = form.Get<platform::TextBox>(u"Comment").Text();
                            return platform::action::PressKey{platform::action::Key::kEnter};
                          },
                          {}});
  dialog.ShowModal();
  EXPECT_EQ(seen, u"使い方\r\n");
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(platform::UserEvents().front(),
            (platform::UserEvent{platform::UserEvent::Kind::kFormShown, u"HelpDlg"}));
}

TEST_F(HelpDialog, ResizeLaysOutTheControls) {
  HelpDlg dialog(u"Sarvikﾍﾙﾌﾟ", HelpFilePath(Folder(), u"Sarvik"));
  auto& comment = dialog.Get<platform::TextBox>(u"Comment");
  auto& close = dialog.Get<platform::Button>(u"HClose");
  platform::PerformUserAction(dialog, platform::action::Resize{9000, 8000});
  EXPECT_EQ(close.Left(), dialog.ScaleWidth() - 1215 - 80);
  EXPECT_EQ(close.Top(), dialog.ScaleHeight() - 315 - 80);
  EXPECT_EQ(comment.Left(), 80);
  EXPECT_EQ(comment.Width(), std::nearbyint(dialog.ScaleWidth() - 160));
  EXPECT_EQ(comment.Height(), std::nearbyint(dialog.ScaleHeight() - 315 - 240));

  // Narrower than the margins: the text box keeps its width, the button still moves.
  const double width_before = comment.Width();
  platform::PerformUserAction(dialog, platform::action::Resize{150, 8000});
  EXPECT_EQ(comment.Width(), width_before);
  EXPECT_EQ(close.Left(), dialog.ScaleWidth() - 1215 - 80);
}

}  // namespace
}  // namespace support
