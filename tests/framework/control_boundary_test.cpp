// The control as a host sees it through the plug-in boundary, with the probe command plugged in.
// Invariants: the start sequence refuses old hosts with one message and one QivExitCommand; every
// incoming method stores, asks and forwards as declared; by-reference arguments carry the host's
// answers into the properties; errors come back as failed calls, never as crashes.
#include <gtest/gtest.h>

#include "in_process_control.h"
#include "interface_table.h"
#include "message_box.h"
#include "plugin_under_test.h"
#include "runtime_error.h"

namespace {

using testhost::RecordingHost;
using testhost::Value;

class ControlBoundary : public ::testing::Test {
 protected:
  void SetUp() override { platform::ClearMessageBoxRecord(); }

  void AnswerVersion(std::u16string version) {
    host.Answer("QivGetQivVersion", {{"ver", Value(std::move(version))}});
  }
  // Starts the probe command on a host that answers version 4,0,2,3.
  void Start() {
    AnswerVersion(u"4,0,2,3");
    ASSERT_TRUE(control->Call("QivInitCommand").ok());
  }
  std::vector<Value> GcinEndArgs(std::int32_t sw, double gcx, double gcy,
                                 std::u16string str = u"") {
    return {std::int32_t{1},
            std::int32_t{2},
            std::int32_t{3},
            std::int32_t{4},
            gcx,
            gcy,
            7.0,
            8.0,
            9.0,
            10.0,
            11.0,
            12.0,
            sw,
            std::int32_t{13},
            std::int32_t{14},
            std::int32_t{65},
            std::move(str)};
  }

  testhost::PluginUnderTest plugin{PROBE_PLUGIN_PATH};
  RecordingHost host;
  std::unique_ptr<testhost::ControlUnderTest> control = plugin.Create(host);
};

TEST_F(ControlBoundary, StartSequenceChecksTheHostVersion) {
  struct Case {
    std::u16string version;
    bool starts;
  };
  const Case cases[] = {{u"4,0,2,2", false}, {u"4,0,2,3", true}, {u"4,1,0,0", true},
                        {u"", false},        {u"4,0", false},    {u"10,0,0,0", true}};
  for (const auto& c : cases) {
    platform::ClearMessageBoxRecord();
    RecordingHost fresh_host;
    auto fresh = plugin.Create(fresh_host);
    fresh_host.Answer("QivGetQivVersion", {{"ver", Value(c.version)}});
    ASSERT_TRUE(fresh->Call("QivInitCommand").ok());
    const auto& boxes = platform::MessageBoxesShown();
    if (c.starts) {
      EXPECT_EQ(fresh_host.Count("QivExitCommand"), 0);
      EXPECT_EQ(fresh_host.Count("QivGCINStart"), 1);
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0], u"probe: StartCommand");
    } else {
      EXPECT_EQ(fresh_host.Names(),
                (std::vector<std::string>{"QivGetQivVersion", "QivExitCommand"}));
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0], u"このコマンドはQIV-CAD4 Ver 4,0,2,3以上で使用して下さい");
    }
  }
}

TEST_F(ControlBoundary, MalformedVersionFailsTheCallWithoutExit) {
  AnswerVersion(u"4.0.2.3");
  const auto result = control->Call("QivInitCommand");
  EXPECT_EQ(result.number, 5);
  EXPECT_EQ(result.text, u"Invalid procedure call or argument");
  EXPECT_EQ(host.Count("QivExitCommand"), 0);
  EXPECT_TRUE(platform::MessageBoxesShown().empty());
}

TEST_F(ControlBoundary, HostWritesIntoPropertiesPassedByReference) {
  host.Answer("QivGCINStart", {{"msg", Value(u"written by host")}, {"Cursor", std::int32_t{9}}});
  Start();
  EXPECT_EQ(std::get<std::u16string>(control->Get("msg", std::u16string())), u"written by host");
  EXPECT_EQ(std::get<std::int32_t>(control->Get("Cursor", std::int32_t{0})), 9);
  // The prompt went out as the command set it.
  EXPECT_EQ(std::get<std::u16string>(host.Last("QivGCINStart").Sent("msg")), u"Probe: pick a line");
}

TEST_F(ControlBoundary, GcinEndStoresAsksAndForwards) {
  Start();
  host.Answer("QivGetActiveQivwinTitle",
              {{"DocTitle", Value(u"plan.dxf")}, {"VwTitle", Value(u"view 1")}});
  host.Answer("QivGetRestGCIN", {{"gcz", 5.5}, {"sczUp", 6.5}});
  // What the command sees when it runs: read back from inside its first request.
  std::vector<Value> seen;
  host.On("QivSearchPrimitiveModePackage", [&](testhost::EventCall& call) {
    seen = {control->Get("QivwinDocName", std::u16string()),
            control->Get("QivwinViewName", std::u16string()), control->Get("sczUp", 0.0),
            control->Get("key", std::int32_t{0}), control->Get("str", std::u16string())};
    call.Set("position", std::int32_t{-1});
  });
  auto args = GcinEndArgs(1, 100.0, 200.0, u"abc");
  ASSERT_TRUE(control->Call("QivGCINEnd", args).ok());
  EXPECT_EQ(seen, (std::vector<Value>{Value(u"plan.dxf"), Value(u"view 1"), Value(6.5),
                                      Value(std::int32_t{65}), Value(u"abc")}));
  const auto& search = host.Last("QivSearchPrimitiveModePackage");
  EXPECT_EQ(std::get<double>(search.Sent("x")), 100.0);
  EXPECT_EQ(std::get<double>(search.Sent("y")), 200.0);
  EXPECT_EQ(std::get<std::int16_t>(search.Sent("range")), 1);
  // The title request went out with the properties as they stood, not with fresh blanks.
  EXPECT_EQ(std::get<std::u16string>(host.Last("QivGetActiveQivwinTitle").Sent("DocTitle")),
            std::u16string(27, u' '));
}

TEST_F(ControlBoundary, TransDragStoresButRaisesNothing) {
  Start();
  host.Clear();
  auto args = GcinEndArgs(1, 3.0, 4.0, u"drag");
  ASSERT_TRUE(control->Call("QivTransDrag", args).ok());
  EXPECT_TRUE(host.raised().empty());
  EXPECT_EQ(std::get<double>(control->Get("gcx", 0.0)), 3.0);
  EXPECT_EQ(std::get<std::u16string>(control->Get("str", std::u16string())), u"drag");
  EXPECT_EQ(platform::MessageBoxesShown().back(), u"probe: OnDrag");
}

TEST_F(ControlBoundary, FromDrawingEndConvertsSwAndKeepsItToItself) {
  Start();
  host.Clear();
  std::vector<Value> args{std::int32_t{70000}};
  for (int i = 0; i < 6; ++i) args.push_back(std::int32_t{i});
  for (int i = 0; i < 6; ++i) args.push_back(double(i));
  const auto overflow = control->Call("QivFromDrawingEnd", args);
  EXPECT_EQ(overflow.number, 6);
  EXPECT_TRUE(host.raised().empty());

  args[0] = std::int32_t{3};
  control->Put("sw", std::int32_t{42});
  ASSERT_TRUE(control->Call("QivFromDrawingEnd", args).ok());
  EXPECT_EQ(host.Names(), std::vector<std::string>{"QivGetRestFromDrawingEnd"});
  EXPECT_EQ(platform::MessageBoxesShown().back(), u"probe: OnFromDrawing 3");
  EXPECT_EQ(std::get<std::int32_t>(args[0]), 3);  // the command's write does not reach the host
  EXPECT_EQ(std::get<std::int32_t>(control->Get("sw", std::int32_t{0})), 42);
  EXPECT_EQ(std::get<double>(control->Get("FDgcy2", 0.0)), 5.0);
}

TEST_F(ControlBoundary, MouseAndKeyMessagesCarryTheirCodes) {
  Start();
  const std::pair<std::string_view, std::int32_t> mouse[] = {
      {"QivOnLButtonDown", 0}, {"QivOnLButtonUp", 1}, {"QivOnLButtonDblClk", 2},
      {"QivOnMButtonDown", 3}, {"QivOnMButtonUp", 4}, {"QivOnMButtonDblClk", 5},
      {"QivOnRButtonDown", 6}, {"QivOnRButtonUp", 7}, {"QivOnRButtonDblClk", 8},
      {"QivOnMouseMove", 9}};
  for (const auto& [method, code] : mouse) {
    std::vector<Value> args{std::int32_t{0}, std::int32_t{5}, std::int32_t{6}, std::int32_t{-1}};
    ASSERT_TRUE(control->Call(method, args).ok());
    EXPECT_EQ(std::get<std::int32_t>(args[3]), 100 + code) << method;
  }
  const std::pair<std::string_view, std::int32_t> keys[] = {{"QivOnChar", 0},
                                                            {"QivOnKeyDown", 1},
                                                            {"QivOnKeyUp", 2},
                                                            {"QivOnSysKeyDown", 3},
                                                            {"QivOnSysKeyUp", 4}};
  for (const auto& [method, code] : keys) {
    std::vector<Value> args{std::int32_t{65}, std::int32_t{1}, std::int32_t{0}, std::int32_t{-1}};
    ASSERT_TRUE(control->Call(method, args).ok());
    EXPECT_EQ(std::get<std::int32_t>(args[3]), 200 + code) << method;
  }
  std::vector<Value> wheel{std::int32_t{0}, std::int16_t{120}, std::int32_t{1}, std::int32_t{2},
                           std::int32_t{-1}};
  ASSERT_TRUE(control->Call("QivOnMouseWheel", wheel).ok());
  EXPECT_EQ(std::get<std::int32_t>(wheel[4]), 0);
}

TEST_F(ControlBoundary, EscapeAndEndDialogDoNothing) {
  Start();
  host.Clear();
  platform::ClearMessageBoxRecord();
  std::vector<Value> psw{std::int32_t{1}};
  EXPECT_TRUE(control->Call("QivEscape").ok());
  EXPECT_TRUE(control->Call("QivEndDialog", psw).ok());
  EXPECT_TRUE(host.raised().empty());
  EXPECT_TRUE(platform::MessageBoxesShown().empty());
}

TEST_F(ControlBoundary, DestroyAfterTheEndRaisesExitOnceMore) {
  Start();
  auto cancel = GcinEndArgs(2, 0, 0);
  ASSERT_TRUE(control->Call("QivGCINEnd", cancel).ok());
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
  ASSERT_TRUE(control->Destroy().ok());
  EXPECT_EQ(host.Count("QivExitCommand"), 2);
  // ExitCommand asks keep-selection first and clears the selection when it is not kept.
  const auto names = host.Names();
  const std::vector<std::string> tail(names.end() - 4, names.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"QivGetKeepSel", "QivGetHighLight", "QivAllSelect",
                                            "QivExitCommand"}));
}

TEST_F(ControlBoundary, ErrorInsideTheCommandIsAFailedCall) {
  Start();
  auto args = GcinEndArgs(1, 0, 0, u"throw 9");
  const auto result = control->Call("QivGCINEnd", args);
  EXPECT_EQ(result.number, 9);
  EXPECT_EQ(result.text, u"Subscript out of range");
  // The control still answers afterwards.
  EXPECT_EQ(std::get<std::u16string>(control->Get("str", std::u16string())), u"throw 9");
}

TEST_F(ControlBoundary, BadCallsAreRefused) {
  std::vector<Value> too_few{std::int16_t{1}};
  EXPECT_EQ(control->Call("QivSelectEnd", too_few).number, 450);
  std::vector<Value> wrong_kind{std::int32_t{1}, std::int32_t{2}};
  EXPECT_EQ(control->Call("QivSelectEnd", wrong_kind).number, 13);
  EXPECT_EQ(control->Put("Cursor", std::u16string(u"x")).number, 13);
  EXPECT_EQ(control->Put("Snap", std::int32_t{40000}).number, 6);
  EXPECT_TRUE(control->Put("Cursor", 2.5).ok());  // rounds half to even
  EXPECT_EQ(std::get<std::int32_t>(control->Get("Cursor", std::int32_t{0})), 2);
}

// A handler may put the very property an event passed by reference and then read the argument:
// it sees the new value, not the freed text of the old one.
TEST_F(ControlBoundary, ArgumentReadAfterPuttingItsPropertySeesTheNewValue) {
  struct Case {
    const char* event;
    const char* param;
    const char* property;
  };
  const Case cases[] = {{"QivGCINStart", "msg", "msg"},
                        {"QivGetActiveQivwinTitle", "DocTitle", "QivwinDocName"},
                        {"QivGetActiveQivwinTitle", "VwTitle", "QivwinViewName"}};
  // Longer than any text before, so that the property's storage moves.
  const std::u16string put(300, u'p');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.param);
    RecordingHost fresh_host;
    auto fresh = plugin.Create(fresh_host);
    fresh_host.Answer("QivGetQivVersion", {{"ver", Value(u"4,0,2,3")}});
    fresh_host.Answer("QivSearchPrimitiveModePackage", {{"position", std::int32_t{-1}}});
    Value seen;
    fresh_host.On(c.event, [&](testhost::EventCall& call) {
      if (!fresh->Put(c.property, put).ok()) ADD_FAILURE() << "put refused";
      seen = call.Get(c.param);
    });
    ASSERT_TRUE(fresh->Call("QivInitCommand").ok());
    auto args = GcinEndArgs(1, 100.0, 200.0);
    ASSERT_TRUE(fresh->Call("QivGCINEnd", args).ok());
    EXPECT_EQ(seen, Value(put));
  }
}

TEST_F(ControlBoundary, MethodWithoutItsArgumentArrayIsRefused) {
  qiv::InProcessControl in_process;
  for (const char* method : {"QivSelectEnd", "QivGCINEnd", "QivRestartCommand"}) {
    SCOPED_TRACE(method);
    const auto* member = qiv::FindMemberByName(method);
    ASSERT_NE(member, nullptr);
    try {
      in_process.control.Invoke(member->dispid, QIV_INVOKE_METHOD, nullptr,
                                static_cast<std::int32_t>(member->params.size()));
      ADD_FAILURE() << "accepted";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), platform::error::kWrongArgumentCount);
    }
  }
}

TEST_F(ControlBoundary, SelectEndAndRestartAreForwarded) {
  Start();
  std::vector<Value> select{std::int16_t{1}, std::int32_t{5}};
  ASSERT_TRUE(control->Call("QivSelectEnd", select).ok());
  EXPECT_EQ(platform::MessageBoxesShown().back(), u"probe: OnSelectEnd 1 5");
  std::vector<Value> restart{std::int32_t{3}};
  ASSERT_TRUE(control->Call("QivRestartCommand", restart).ok());
  EXPECT_EQ(platform::MessageBoxesShown().back(), u"probe: OnRestart 3");
  ASSERT_TRUE(control->Call("QivUrgentExit").ok());
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
}

}  // namespace
