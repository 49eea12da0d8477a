// The user's actions on a form: each reaches a visible, enabled control by name, changes what the
// user's hand changes and raises the events the user's input raises; an action that does not fit
// the form fails with UserAgentError.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "sample_forms.h"
#include "user_action.h"
#include "user_agent.h"

namespace {

using testing_support::Log;
using testing_support::SampleDialog;
namespace act = platform::action;

struct ActionCase {
  std::string id;
  std::function<void(SampleDialog&)> prepare;
  platform::UserAction action;
  std::function<void(SampleDialog&)> check;
  Log log;  // after "Load"
};

void PrintTo(const ActionCase& c, std::ostream* os) {
  *os << c.id;
}

void Nothing(SampleDialog&) {}

class UserActionTest : public testing::TestWithParam<ActionCase> {};

TEST_P(UserActionTest, ChangesTheControlAndRaisesTheUsersEvents) {
  const auto& c = GetParam();
  Log log;
  SampleDialog dialog(log);
  c.prepare(dialog);
  platform::PerformUserAction(dialog, c.action);
  c.check(dialog);
  Log expected{"Load"};
  expected.insert(expected.end(), c.log.begin(), c.log.end());
  EXPECT_EQ(log, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, UserActionTest,
    testing::Values(
        ActionCase{"set_check_box",
                   Nothing,
                   act::Set{u"Check1", u"1"},
                   [](SampleDialog& d) { EXPECT_EQ(d.Check1().Value(), 1); },
                   {"Check1 Click"}},
        ActionCase{"set_check_box_unchanged",
                   Nothing,
                   act::SetNumber{u"Check1", 0},
                   [](SampleDialog& d) { EXPECT_EQ(d.Check1().Value(), 0); },
                   {}},
        ActionCase{"click_check_box_toggles",
                   [](SampleDialog& d) { d.Check1().SetValue(1); },
                   act::Click{u"Check1"},
                   [](SampleDialog& d) { EXPECT_EQ(d.Check1().Value(), 0); },
                   {"Check1 Click"}},
        ActionCase{"click_grayed_check_box_checks",
                   [](SampleDialog& d) { d.Check1().SetValue(2); },
                   act::Click{u"Check1"},
                   [](SampleDialog& d) { EXPECT_EQ(d.Check1().Value(), 1); },
                   {"Check1 Click"}},
        ActionCase{"type_into_text_box",
                   Nothing,
                   act::Set{u"Text1", u"G\r\nH"},
                   [](SampleDialog& d) { EXPECT_EQ(d.Text1().Text(), u"G\r\nH"); },
                   {}},
        ActionCase{"type_number_into_spin_edit",
                   Nothing,
                   act::Set{u"Spin1", u"7.5"},
                   [](SampleDialog& d) {
                     EXPECT_EQ(d.Spin1().Text(), u"7.5");
                     EXPECT_EQ(d.Spin1().Value(), 7.5);
                   },
                   {}},
        ActionCase{"type_letters_into_spin_edit",
                   [](SampleDialog& d) { d.Spin1().SetValue(3); },
                   act::Set{u"Spin1", u"abc"},
                   [](SampleDialog& d) {
                     EXPECT_EQ(d.Spin1().Text(), u"abc");
                     EXPECT_EQ(d.Spin1().Value(), 3);
                   },
                   {}},
        ActionCase{"spin_to_value",
                   Nothing,
                   act::SetNumber{u"Spin1", 2.5},
                   [](SampleDialog& d) {
                     EXPECT_EQ(d.Spin1().Text(), u"2.5");
                     EXPECT_EQ(d.Spin1().Value(), 2.5);
                   },
                   {}},
        ActionCase{"type_into_combo_box",
                   Nothing,
                   act::Set{u"Combo1", u"ＭＳ 明朝"},
                   [](SampleDialog& d) { EXPECT_EQ(d.Combo1().Text(), u"ＭＳ 明朝"); },
                   {}},
        ActionCase{"choose_list_entry",
                   Nothing,
                   act::Choose{u"List1", 1},
                   [](SampleDialog& d) { EXPECT_EQ(d.List1().Text(), u"b"); },
                   {"List1 Click 1"}},
        // Choosing the entry that is already selected clicks again.
        ActionCase{"choose_selected_list_entry",
                   [](SampleDialog& d) { d.List1().SetListIndex(2); },
                   act::Choose{u"List1", 2},
                   [](SampleDialog& d) { EXPECT_EQ(d.List1().ListIndex(), 2); },
                   {"List1 Click 2"}},
        ActionCase{"choose_combo_entry",
                   Nothing,
                   act::Choose{u"Combo1", 1},
                   [](SampleDialog& d) { EXPECT_EQ(d.Combo1().Text(), u"q"); },
                   {"Combo1 Click"}},
        ActionCase{"enter_presses_default_button",
                   Nothing,
                   act::PressKey{act::Key::kEnter},
                   Nothing,
                   {"OK Click"}},
        ActionCase{"esc_presses_cancel_button",
                   Nothing,
                   act::PressKey{act::Key::kEscape},
                   Nothing,
                   {"Cancel Click"}},
        ActionCase{"enter_without_default_button_does_nothing",
                   [](SampleDialog& d) { d.Get<platform::Button>(u"OK").SetDefault(false); },
                   act::PressKey{act::Key::kEnter},
                   Nothing,
                   {}},
        ActionCase{"enter_skips_a_disabled_default_button",
                   [](SampleDialog& d) { d.Get<platform::Button>(u"OK").SetEnabled(false); },
                   act::PressKey{act::Key::kEnter},
                   Nothing,
                   {}}),
    [](const auto& test) { return test.param.id; });

struct RefusedCase {
  std::string id;
  platform::UserAction action;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.id;
}

class RefusedActionTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedActionTest, FailsNamingTheFormAndChangesNothing) {
  Log log;
  SampleDialog dialog(log);
  try {
    platform::PerformUserAction(dialog, GetParam().action);
    FAIL() << "the action was taken";
  } catch (const platform::UserAgentError& error) {
    EXPECT_EQ(error.form(), u"SampleDialog");
  }
  EXPECT_EQ(dialog.Check1().Value(), 0);
  EXPECT_EQ(dialog.List1().ListIndex(), -1);
  EXPECT_EQ(log, (Log{"Load"}));
}

INSTANTIATE_TEST_SUITE_P(
    Actions, RefusedActionTest,
    testing::Values(RefusedCase{"unknown_control", act::Click{u"Nothing"}},
                    RefusedCase{"disabled_control", act::Click{u"Off"}},
                    RefusedCase{"check_box_value_out_of_range", act::Set{u"Check1", u"3"}},
                    RefusedCase{"check_box_text", act::Set{u"Check1", u"on"}},
                    RefusedCase{"read_only_text_box", act::Set{u"Comment", u"x"}},
                    RefusedCase{"typing_into_a_button", act::Set{u"OK", u"x"}},
                    RefusedCase{"number_into_a_text_box", act::SetNumber{u"Text1", 1}},
                    RefusedCase{"choose_past_the_end", act::Choose{u"List1", 3}},
                    RefusedCase{"choose_before_the_start", act::Choose{u"List1", -1}},
                    RefusedCase{"choose_from_a_button", act::Choose{u"OK", 0}},
                    RefusedCase{"resize_a_fixed_frame", act::Resize{5000, 3000}}),
    [](const auto& test) { return test.param.id; });

TEST(UserActionTest, ResizingASizableFormFiresResize) {
  Log log;
  testing_support::SampleHelp help(log);
  platform::PerformUserAction(help, act::Resize{2000, 1000});
  EXPECT_DOUBLE_EQ(help.Width(), 2000);
  EXPECT_DOUBLE_EQ(help.Height(), 1000);
  EXPECT_EQ(log, (Log{"help Load", "help Resize 1880"}));
}

TEST(UserActionTest, InvisibleControlsAreOutOfReach) {
  Log log;
  SampleDialog dialog(log);
  dialog.Check1().SetVisible(false);
  EXPECT_THROW(platform::PerformUserAction(dialog, act::Click{u"Check1"}),
               platform::UserAgentError);
}

}  // namespace
