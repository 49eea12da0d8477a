// The window services: screen metrics and cursor as the host sets them, window rectangles from the
// forms' twips at 15 twips per pixel, the active window, and the thread mouse hook chain: most
// recent hook first, CallNextHookEx on to the older ones, a non-zero result swallows the press,
// and the 20-byte hook data carries the point, the window and the hit-test code.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "sample_forms.h"
#include "scripted_user.h"
#include "user_agent.h"
#include "window_system.h"

namespace {

namespace win = platform::win;
using testing_support::Log;

class WindowSystemTest : public testing::Test {
 protected:
  void SetUp() override { platform::ResetHeadlessPlatform(); }
  void TearDown() override { platform::ResetHeadlessPlatform(); }

  // Installs a hook that logs its name, passes the press on, and answers `result` (or the
  // older hooks' answer when `result` is 0).
  win::HHOOK Hook(const char* name, std::int32_t result) {
    return win::SetWindowsHookEx(
        win::WH_MOUSE,
        [this, name, result](std::int32_t code, std::int32_t wparam, std::intptr_t lparam) {
          calls.push_back(name);
          const std::int32_t next = win::CallNextHookEx(0, code, wparam, lparam);
          return result != 0 ? result : next;
        },
        0, win::GetCurrentThreadId());
  }

  std::vector<std::string> calls;
};

TEST_F(WindowSystemTest, CursorAndScreenAreWhatTheHostSet) {
  win::POINT cursor{1, 1};
  EXPECT_NE(win::GetCursorPos(cursor), 0);
  EXPECT_EQ(cursor.x, 0);
  EXPECT_EQ(win::GetSystemMetrics(win::SM_CXFULLSCREEN), 1920);
  win::SetCursorPos({-20, 700});
  win::SetFullScreenSize(1280, 984);
  EXPECT_NE(win::GetCursorPos(cursor), 0);
  EXPECT_EQ(cursor.x, -20);
  EXPECT_EQ(cursor.y, 700);
  EXPECT_EQ(win::GetSystemMetrics(win::SM_CXFULLSCREEN), 1280);
  EXPECT_EQ(win::GetSystemMetrics(win::SM_CYFULLSCREEN), 984);
  EXPECT_EQ(win::GetSystemMetrics(0), 0);
}

TEST_F(WindowSystemTest, AWindowRectangleIsTheFormsTwipsInPixels) {
  Log log;
  testing_support::SampleHelp help(log);
  help.Move(1500, -3000);
  help.SetWidth(4395);
  help.SetHeight(2010);
  win::RECT rect;
  ASSERT_NE(win::GetWindowRect(help.hWnd(), rect), 0);
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.top, -200);
  EXPECT_EQ(rect.right, 393);   // 5895 / 15
  EXPECT_EQ(rect.bottom, -66);  // -990 / 15
  const win::HWND gone = help.hWnd();
  help.Unload();
  EXPECT_EQ(win::GetWindowRect(gone, rect), 0);
  EXPECT_EQ(rect.left, 100);
}

TEST_F(WindowSystemTest, TheHostMayActivateAnotherWindow) {
  EXPECT_EQ(win::GetActiveWindow(), win::kHostWindow);
  EXPECT_EQ(win::SetActiveWindow(0x4242), win::kHostWindow);
  EXPECT_EQ(win::GetActiveWindow(), 0x4242);
}

TEST_F(WindowSystemTest, HooksRunNewestFirstAndPassPressesOnDownTheChain) {
  const win::HHOOK older = Hook("older", 0);
  Hook("newer", 0);
  EXPECT_TRUE(win::DeliverMouseMessage(win::WM_NCLBUTTONDOWN, {5, 5}));
  EXPECT_EQ(calls, (std::vector<std::string>{"newer", "older"}));

  calls.clear();
  EXPECT_NE(win::UnhookWindowsHookEx(older), 0);
  EXPECT_EQ(win::UnhookWindowsHookEx(older), 0);
  EXPECT_TRUE(win::DeliverMouseMessage(win::WM_LBUTTONDOWN, {5, 5}));
  EXPECT_EQ(calls, (std::vector<std::string>{"newer"}));
}

TEST_F(WindowSystemTest, ANonZeroAnswerSwallowsThePress) {
  Hook("older", 0);
  Hook("swallower", 1);
  EXPECT_FALSE(win::DeliverMouseMessage(win::WM_NCRBUTTONDOWN, {5, 5}));
  EXPECT_EQ(calls, (std::vector<std::string>{"swallower", "older"}));
  // Outside a hook procedure there is no chain to pass on to.
  EXPECT_EQ(win::CallNextHookEx(0, win::HC_ACTION, win::WM_NCLBUTTONDOWN, 0), 0);
}

TEST_F(WindowSystemTest, OnlyThreadMouseHooksCanBeInstalled) {
  const auto proc = [](std::int32_t, std::int32_t, std::intptr_t) { return 1; };
  const auto thread = win::GetCurrentThreadId();
  EXPECT_EQ(win::SetWindowsHookEx(2 /* keyboard */, proc, 0, thread), 0);
  EXPECT_EQ(win::SetWindowsHookEx(win::WH_MOUSE, proc, 0, 0), 0);
  EXPECT_EQ(win::SetWindowsHookEx(win::WH_MOUSE, nullptr, 0, thread), 0);
  std::uint32_t other_thread = 0;
  std::thread([&] { other_thread = win::GetCurrentThreadId(); }).join();
  EXPECT_NE(other_thread, thread);
  ASSERT_NE(win::SetWindowsHookEx(win::WH_MOUSE, proc, 0, other_thread), 0);
  EXPECT_TRUE(win::DeliverMouseMessage(win::WM_NCLBUTTONDOWN, {5, 5}))
      << "another thread's hook does not see this thread's presses";
}

TEST_F(WindowSystemTest, TheHookDataHoldsThePointTheWindowAndTheHitTestCode) {
  Log log;
  testing_support::SampleHelp help(log);
  help.Move(1500, 1500);  // pixels 100, 100 to 573, 574
  testing_support::ScriptedUser user(
      {{u"SampleHelp", platform::NonClientPress(platform::MouseButton::kLeft, {200, 300})},
       {u"SampleHelp", platform::NonClientPress(platform::MouseButton::kRight, {-7, 3})},
       {u"SampleHelp", platform::action::MousePress{win::WM_LBUTTONDOWN, {200, 300}}},
       {u"SampleHelp", platform::action::Click{u"HClose"}}});
  user.Install();
  struct Seen {
    std::int32_t message, x, y, hwnd, hit, extra;
  };
  std::vector<Seen> seen;
  win::SetWindowsHookEx(
      win::WH_MOUSE,
      [&](std::int32_t code, std::int32_t wparam, std::intptr_t lparam) {
        EXPECT_EQ(code, win::HC_ACTION);
        std::uint8_t bytes[win::kMouseHookStructSize];
        win::CopyMemory(bytes, lparam, sizeof bytes);
        const auto field = [&bytes](int offset) {
          std::uint32_t value = 0;
          for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[offset + i];
          return static_cast<std::int32_t>(value);
        };
        seen.push_back({wparam, field(0), field(4), field(8), field(12), field(16)});
        return 0;
      },
      0, win::GetCurrentThreadId());
  help.ShowModal();
  EXPECT_FALSE(help.IsLoaded()) << "HClose unloads the help window";
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].message, win::WM_NCLBUTTONDOWN);
  EXPECT_EQ(seen[0].x, 200);
  EXPECT_EQ(seen[0].y, 300);
  EXPECT_NE(seen[0].hwnd, win::kHostWindow);
  EXPECT_EQ(seen[0].hit, win::HTCAPTION);
  EXPECT_EQ(seen[0].extra, 0);
  EXPECT_EQ(seen[1].message, win::WM_NCRBUTTONDOWN);
  EXPECT_EQ(seen[1].x, -7);
  EXPECT_EQ(seen[1].hwnd, win::kHostWindow);
  EXPECT_EQ(seen[2].message, win::WM_LBUTTONDOWN);
  EXPECT_EQ(seen[2].hit, win::HTCLIENT);
  // The press moved the cursor there.
  win::POINT cursor;
  win::GetCursorPos(cursor);
  EXPECT_EQ(cursor.x, 200);
}

// What the support code's hook does with the option dialog: a non-client press outside the active
// dialog runs OK and is swallowed, which ends the modal show.
TEST_F(WindowSystemTest, AHookMayEndTheModalShowAndSwallowThePress) {
  Log log;
  testing_support::SampleDialog dialog(log);
  testing_support::ScriptedUser user(
      {{u"SampleDialog", platform::NonClientPress(platform::MouseButton::kLeft, {1500, 900})}});
  user.Install();
  Hook("older", 0);
  win::SetWindowsHookEx(
      win::WH_MOUSE,
      [&](std::int32_t code, std::int32_t wparam, std::intptr_t lparam) {
        const std::int32_t next = win::CallNextHookEx(0, code, wparam, lparam);
        if (win::GetActiveWindow() != dialog.hWnd() || wparam != win::WM_NCLBUTTONDOWN) return next;
        platform::PerformUserAction(dialog, platform::action::Click{u"OK"});
        return 1;
      },
      0, win::GetCurrentThreadId());
  dialog.ShowModal();
  EXPECT_EQ(log, (Log{"Load", "Resize", "OK Click"}));
  EXPECT_EQ(calls, (std::vector<std::string>{"older"}));
}

}  // namespace
