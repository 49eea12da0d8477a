// The option dialog's mouse hook. Invariants: a left or right non-client press outside the active
// hooked form runs its MouseDown(0 / 1) and is swallowed; presses on the form's own frame (edges
// included), presses while another window is active and client-area presses pass untouched.
#include <gtest/gtest.h>

#include <vector>

#include "controls.h"
#include "mouse_hook.h"
#include "user_action.h"
#include "user_agent.h"

namespace support {
namespace {

namespace win = platform::win;

// A dialog at 1500, 1500 twips (100, 100 px), 3000 x 1500 twips (200 x 100 px).
class HookedDialog : public platform::Form, public MouseDownTarget {
 public:
  HookedDialog() : Form(u"HookedDialog") {}
  qiv::VbBool MouseDown(std::int16_t sw) override {
    presses.push_back(sw);
    Hide();
    return qiv::kTrue;
  }
  std::vector<std::int16_t> presses;

 protected:
  void Design() override {
    Move(1500, 1500);
    SetWidth(3000);
    SetHeight(1500);
    Add<platform::Button>(u"OK", {100, 100, 1000, 300});
  }
};

class MouseHook : public ::testing::Test {
 protected:
  void SetUp() override { platform::ResetHeadlessPlatform(); }
  void TearDown() override {
    RemoveMouseHook(state);
    platform::ResetHeadlessPlatform();
  }

  // Shows the dialog modally; the user presses `message` at `point` and then, if the dialog is
  // still up, clicks OK. Answers whether the press reached its window.
  bool PressWhileShown(std::int32_t message, win::POINT point) {
    bool reached = true;
    bool pressed = false;
    platform::SetUserAgent({[&](platform::Form& form) -> std::optional<platform::UserAction> {
                              if (!pressed) {
                                pressed = true;
                                reached = win::DeliverMouseMessage(message, point);
                              }
                              // Esc does nothing here: the dialog has no cancel button.
                              if (!form.Visible())
                                return platform::action::PressKey{platform::action::Key::kEscape};
                              return platform::action::Click{u"OK"};
                            },
                            {}});
    dialog.Get<platform::Button>(u"OK").SetClickHandler([this] { dialog.Hide(); });
    dialog.ShowModal();
    return reached;
  }

  HookedDialog dialog;
  HookState state;
};

TEST_F(MouseHook, OutsideNonClientPressesActAndAreSwallowed) {
  InstallMouseHook(state, dialog);
  ASSERT_NE(state.HookHandle, 0);
  EXPECT_FALSE(PressWhileShown(win::WM_NCLBUTTONDOWN, {50, 50}));
  EXPECT_FALSE(PressWhileShown(win::WM_NCRBUTTONDOWN, {400, 150}));
  EXPECT_EQ(dialog.presses, (std::vector<std::int16_t>{0, 1}));
}

TEST_F(MouseHook, OtherPressesPassUntouched) {
  InstallMouseHook(state, dialog);
  // On the dialog's own frame, edges included: 100..300 x 100..200 px.
  for (const win::POINT inside : {win::POINT{100, 100}, win::POINT{300, 200}, {200, 150}})
    EXPECT_TRUE(PressWhileShown(win::WM_NCLBUTTONDOWN, inside));
  // Client-area presses.
  EXPECT_TRUE(PressWhileShown(win::WM_LBUTTONDOWN, {50, 50}));
  EXPECT_TRUE(dialog.presses.empty());
  // While the dialog is not shown, the host window is active.
  EXPECT_TRUE(win::DeliverMouseMessage(win::WM_NCLBUTTONDOWN, {50, 50}));
  EXPECT_TRUE(dialog.presses.empty());
}

TEST_F(MouseHook, RemovedHookSeesNothing) {
  InstallMouseHook(state, dialog);
  RemoveMouseHook(state);
  EXPECT_EQ(state.HookHandle, 0);
  EXPECT_EQ(state.HookForm, &dialog);
  EXPECT_TRUE(PressWhileShown(win::WM_NCLBUTTONDOWN, {50, 50}));
  EXPECT_TRUE(dialog.presses.empty());
}

TEST_F(MouseHook, InstallingAgainReplacesTheHook) {
  InstallMouseHook(state, dialog);
  const auto first = state.HookHandle;
  InstallMouseHook(state, dialog);
  EXPECT_NE(state.HookHandle, first);
  EXPECT_EQ(win::UnhookWindowsHookEx(first), 0);  // already removed
  EXPECT_FALSE(PressWhileShown(win::WM_NCLBUTTONDOWN, {50, 50}));
  EXPECT_EQ(dialog.presses, std::vector<std::int16_t>{0});  // one hook, one press
}

}  // namespace
}  // namespace support
