// The form model: implicit loading, unloading to fresh initial values, hiding, modal shows that
// end on hide or unload and nest, the user agent that drives them, and the record of what the user
// saw, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_box.h"
#include "runtime_error.h"
#include "sample_forms.h"
#include "scripted_user.h"
#include "user_agent.h"
#include "window_system.h"

namespace {

using platform::UserEvent;
using testing_support::Log;
using testing_support::SampleDialog;
using testing_support::ScriptedUser;
namespace act = platform::action;

class FormTest : public testing::Test {
 protected:
  void SetUp() override { platform::ResetHeadlessPlatform(); }
  void TearDown() override { platform::ResetHeadlessPlatform(); }

  Log log;
  SampleDialog dialog{log};
};

TEST_F(FormTest, FirstAccessToAControlLoadsTheFormOnce) {
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(dialog.Spin1().Text(), u"5");
  EXPECT_TRUE(dialog.IsLoaded());
  EXPECT_EQ(dialog.Caption(), u"Sample");
  EXPECT_EQ(dialog.Get<platform::Label>(u"Label1").Font().name, u"ＭＳ Ｐゴシック");
  EXPECT_EQ(log, (Log{"Load"}));
}

TEST_F(FormTest, UnloadDiscardsTheValuesAndTheNextAccessLoadsAFreshForm) {
  dialog.Check1().SetValue(1);
  const auto first_window = dialog.hWnd();
  EXPECT_TRUE(dialog.Unload());
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(dialog.Check1().Value(), 0);
  EXPECT_NE(dialog.hWnd(), first_window);
  EXPECT_EQ(log, (Log{"Load", "QueryUnload", "Unload", "Load"}));
}

TEST_F(FormTest, HideKeepsTheFormLoadedWithItsValues) {
  dialog.Text1().SetText(u"G\r\n");
  dialog.Hide();
  EXPECT_TRUE(dialog.IsLoaded());
  EXPECT_EQ(dialog.Text1().Text(), u"G\r\n");
  EXPECT_EQ(log, (Log{"Load"}));
}

TEST_F(FormTest, QueryUnloadMayRefuse) {
  dialog.refuse_unload = true;
  dialog.Load();
  EXPECT_FALSE(dialog.Unload());
  EXPECT_TRUE(dialog.IsLoaded());
  EXPECT_EQ(log, (Log{"Load", "QueryUnload"}));
}

TEST_F(FormTest, ModalShowReturnsWhenAHandlerHidesTheForm) {
  ScriptedUser user({{u"SampleDialog", act::Set{u"Text1", u"abc"}},
                     {u"SampleDialog", act::PressKey{act::Key::kEnter}}});
  user.Install();
  dialog.ShowModal();
  EXPECT_EQ(user.Remaining(), 0u);
  EXPECT_TRUE(dialog.IsLoaded());
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(dialog.Text1().Text(), u"abc");
  // Resize comes with the first display after a load, not with later ones.
  ScriptedUser again({{u"SampleDialog", act::PressKey{act::Key::kEscape}}});
  again.Install();
  dialog.ShowModal();
  EXPECT_EQ(log, (Log{"Load", "Resize", "OK Click", "Cancel Click"}));
}

TEST_F(FormTest, NestedModalShowsAnswerTheTopFormAndReturnInOrder) {
  platform::SetUserAgent({[&](platform::Form& form) -> std::optional<platform::UserAction> {
                            // Esc presses the help window's close button, which unloads it.
                            if (form.Name() == u"SampleHelp")
                              return act::PressKey{act::Key::kEscape};
                            if (log.back() == "Help returned") return act::Click{u"OK"};
                            return act::Click{u"Help"};
                          },
                          {}});
  dialog.ShowModal();
  EXPECT_FALSE(dialog.Help().IsLoaded());
  EXPECT_EQ(log, (Log{"Load", "Resize", "help Load", "help Resize 6975", "help Unload",
                      "Help returned", "OK Click"}));
  EXPECT_EQ(platform::UserEvents(),
            (std::vector<UserEvent>{{UserEvent::Kind::kFormShown, u"SampleDialog"},
                                    {UserEvent::Kind::kFormShown, u"SampleHelp"},
                                    {UserEvent::Kind::kFormHidden, u"SampleHelp"},
                                    {UserEvent::Kind::kFormHidden, u"SampleDialog"}}));
  EXPECT_EQ(platform::win::GetActiveWindow(), platform::win::kHostWindow);
}

TEST_F(FormTest, TheActiveWindowIsTheTopShownForm) {
  std::vector<platform::win::HWND> active;
  platform::SetUserAgent({[&](platform::Form& form) -> std::optional<platform::UserAction> {
                            active.push_back(platform::win::GetActiveWindow());
                            if (form.Name() == u"SampleHelp") return act::Click{u"HClose"};
                            return active.size() == 1 ? act::Click{u"Help"} : act::Click{u"OK"};
                          },
                          {}});
  dialog.ShowModal();
  ASSERT_EQ(active.size(), 3u);
  EXPECT_EQ(active[0], dialog.hWnd());
  EXPECT_NE(active[1], dialog.hWnd());
  EXPECT_EQ(active[2], dialog.hWnd());
}

TEST_F(FormTest, AModalFormWithoutAUserOrAnActionFailsNamingTheForm) {
  try {
    dialog.ShowModal();
    FAIL() << "no agent";
  } catch (const platform::UserAgentError& error) {
    EXPECT_EQ(error.form(), u"SampleDialog");
  }
  ScriptedUser user({{u"SampleDialog", act::Click{u"Help"}}});
  user.Install();
  try {
    dialog.ShowModal();
    FAIL() << "no action left";
  } catch (const platform::UserAgentError& error) {
    EXPECT_EQ(error.form(), u"SampleHelp");
  }
  // The failed shows went away; the forms stay loaded.
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(dialog.Help().IsLoaded());
  EXPECT_FALSE(dialog.Help().Visible());
  EXPECT_EQ(platform::win::GetActiveWindow(), platform::win::kHostWindow);
}

TEST_F(FormTest, ShowingAShownFormModallyFails) {
  platform::SetUserAgent({[&](platform::Form&) -> std::optional<platform::UserAction> {
                            try {
                              dialog.ShowModal();
                            } catch (const platform::RuntimeError& error) {
                              log.push_back("error " + std::to_string(error.number()));
                            }
                            return act::Click{u"Cancel"};
                          },
                          {}});
  dialog.ShowModal();
  EXPECT_EQ(log, (Log{"Load", "Resize", "error 400", "Cancel Click"}));
}

TEST_F(FormTest, ControlsAreFoundByNameAndKind) {
  EXPECT_EQ(dialog.FindControl(u"Nothing"), nullptr);
  try {
    dialog.ControlNamed(u"Nothing");
    FAIL();
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::error::kControlNotFound);
  }
  try {
    dialog.Get<platform::TextBox>(u"Check1");
    FAIL();
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::error::kTypeMismatch);
  }
  EXPECT_EQ(dialog.Controls().size(), 11u);
}

TEST_F(FormTest, TheClientAreaIsTheOuterSizeLessTheFrame) {
  EXPECT_DOUBLE_EQ(dialog.ScaleWidth(), 3345);
  EXPECT_DOUBLE_EQ(dialog.ScaleHeight(), 1830);
  EXPECT_GT(dialog.Width(), dialog.ScaleWidth());
  EXPECT_GT(dialog.Height(), dialog.ScaleHeight());
}

TEST_F(FormTest, MessageBoxesAndBeepsAreRecordedAmongTheFormsAndObserved) {
  std::vector<UserEvent> observed;
  platform::SetUserEventObserver([&](const UserEvent& event) { observed.push_back(event); });
  ScriptedUser user({{u"SampleDialog", act::Click{u"OK"}}});
  user.Install();
  platform::Beep();
  dialog.ShowModal();
  platform::MessageBox(u"図面がｵｰﾌﾟﾝしてないと実行できません");
  const std::vector<UserEvent> expected{
      {UserEvent::Kind::kBeep, u""},
      {UserEvent::Kind::kFormShown, u"SampleDialog"},
      {UserEvent::Kind::kFormHidden, u"SampleDialog"},
      {UserEvent::Kind::kMessageBox, u"図面がｵｰﾌﾟﾝしてないと実行できません"}};
  EXPECT_EQ(platform::UserEvents(), expected);
  EXPECT_EQ(observed, expected);
  EXPECT_EQ(user.messages_read,
            (std::vector<std::u16string>{u"図面がｵｰﾌﾟﾝしてないと実行できません"}));
  EXPECT_EQ(platform::MessageBoxesShown().size(), 1u);
  EXPECT_EQ(platform::BeepCount(), 1);
  platform::ClearMessageBoxRecord();
  EXPECT_EQ(platform::UserEvents().size(), 2u) << "the forms stay";
  EXPECT_EQ(platform::BeepCount(), 0);
  platform::ClearUserEvents();
  EXPECT_TRUE(platform::UserEvents().empty());
}

TEST_F(FormTest, AMessageBoxWithoutAUserClosesAtOnce) {
  platform::MessageBox(u"選択処理実行中");
  EXPECT_EQ(platform::MessageBoxesShown(), (std::vector<std::u16string>{u"選択処理実行中"}));
}

}  // namespace
