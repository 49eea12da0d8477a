// Host commands by number: the commands carried are exactly the listed ones; each sends its fixed
// number and the caller's parameters and reads its result by its rule; command 2052 hands its
// items through the array buffer and reads the answers back.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "host_commands.h"
#include "in_process_control.h"

namespace qiv {
namespace {

using testhost::Value;

struct CommandRow {
  std::int32_t nID;
  std::string kind;
  std::function<Value(QivOptCmd200&, std::int32_t, std::int32_t)> run;
};

std::vector<CommandRow> CommandRows() {
  std::vector<CommandRow> rows;
#define QIV_SIMPLE_COMMAND(nID, kind)                                                 \
  rows.push_back({nID, #kind, [](QivOptCmd200& c, std::int32_t p1, std::int32_t p2) { \
                    return Value(services::SimpleCommand##nID(c, p1, p2));            \
                  }});
#include "host_commands.def"
  return rows;
}

class HostCommands : public ::testing::Test, protected InProcessControl {};

TEST_F(HostCommands, TheCarriedCommandsAreTheListedOnes) {
  std::map<std::int32_t, std::string> expected;
  for (const auto& [first, last] : {std::pair{2001, 2012},
                                    {2015, 2031},
                                    {2033, 2033},
                                    {2036, 2037},
                                    {2040, 2044},
                                    {2046, 2062}})
    for (std::int32_t nID = first; nID <= last; ++nID) expected[nID] = "Long";
  expected.erase(2054);
  expected.erase(2052);  // through the array buffer, tested below
  for (const std::int32_t nID : {2002, 2005, 2006, 2046}) expected[nID] = "LongFlag";
  for (const std::int32_t nID : {2003, 2004, 2007, 2008}) expected[nID] = "Positive";
  std::map<std::int32_t, std::string> carried;
  for (const auto& row : CommandRows()) carried[row.nID] = row.kind;
  EXPECT_EQ(carried, expected);
}

TEST_F(HostCommands, ResultsFollowTheirRule) {
  // Expected result per kind for the host's answers 1, 2, 0, -1.
  const std::map<std::string, std::vector<Value>> expected{
      {"Long", {std::int32_t{1}, std::int32_t{2}, std::int32_t{0}, std::int32_t{-1}}},
      {"LongFlag", {kTrue, kFalse, kFalse, kFalse}},
      {"Positive", {kTrue, kTrue, kFalse, kFalse}}};
  const std::int32_t answers[] = {1, 2, 0, -1};
  for (const auto& row : CommandRows()) {
    SCOPED_TRACE(row.nID);
    for (std::size_t i = 0; i < 4; ++i) {
      host.Clear();
      host.Answer("QivSimpleCommand", {{"result", answers[i]}});
      EXPECT_EQ(row.run(control, 7, -8), expected.at(row.kind)[i]);
      const auto& raised = host.Last("QivSimpleCommand");
      EXPECT_EQ(raised.sent,
                (std::vector<Value>{row.nID, std::int32_t{7}, std::int32_t{-8}, std::int32_t{0}}));
    }
  }
  host.Clear();
  services::SimpleCommand2010(control);  // parameters 0 when none are given
  EXPECT_EQ(
      host.Last("QivSimpleCommand").sent,
      (std::vector<Value>{std::int32_t{2010}, std::int32_t{0}, std::int32_t{0}, std::int32_t{0}}));
}

TEST_F(HostCommands, MessagesExecAndCoordinates) {
  host.Answer("QivSendMessage", {{"result", std::int32_t{6}}});
  EXPECT_EQ(services::SendMessageMinus7928(control, 1, 2), 6);
  EXPECT_EQ(
      host.Last("QivSendMessage").sent,
      (std::vector<Value>{std::int32_t{-7928}, std::int32_t{1}, std::int32_t{2}, std::int32_t{0}}));
  host.Answer("QivWndSendMessage", {{"result", std::int32_t{-1}}});
  EXPECT_EQ(services::WndSendMessage1039(control, 3), -1);
  EXPECT_EQ(host.Last("QivWndSendMessage").Sent("msg"), Value(std::int32_t{1039}));
  EXPECT_EQ(host.Last("QivWndSendMessage").Sent("lParam"), Value(std::int32_t{0}));
  host.Answer("QivExecCommand", {{"result", std::int32_t{4}}});
  EXPECT_EQ(services::ExecCommand32003(control), 4);
  EXPECT_EQ(host.Last("QivExecCommand").Sent("id"), Value(std::int32_t{32003}));

  host.Answer("QivCoordinates2", {{"x", 10.5}, {"y", -2.0}});
  double x = 99, y = 99;
  services::GetCoordinates5002(control, x, y);
  EXPECT_EQ(x, 10.5);
  EXPECT_EQ(y, -2.0);
  EXPECT_EQ(host.Last("QivCoordinates2").sent,
            (std::vector<Value>{std::int32_t{5002}, std::int32_t{0}, 0.0, 0.0}));
  services::SetCoordinates5001(control, 3, 4);
  EXPECT_EQ(host.Last("QivCoordinates2").sent,
            (std::vector<Value>{std::int32_t{5001}, std::int32_t{1}, 3.0, 4.0}));
}

TEST_F(HostCommands, Command2052GoesThroughTheArrayBuffer) {
  host.On("QivGetADouble", [](testhost::EventCall& call) {
    const auto index = std::get<std::int32_t>(call.Get("index"));
    call.Set("d1", 100.0 + index);
  });
  host.Answer("QivSimpleCommand", {{"result", std::int32_t{2}}});
  std::vector<services::ArrayItem> items{{1, 2, 0, 0, 0, 0}, {3, 4, 0, 0, 0, 5}};
  EXPECT_EQ(services::SimpleCommand2052(control, items, 9), 2);
  EXPECT_EQ(host.Names(),
            (std::vector<std::string>{"QivInitADouble", "QivAddADouble", "QivAddADouble",
                                      "QivSimpleCommand", "QivGetADouble", "QivGetADouble"}));
  EXPECT_EQ(host.raised()[2].Sent("d6"), Value(5.0));
  EXPECT_EQ(host.raised()[3].Sent("nID"), Value(std::int32_t{2052}));
  EXPECT_EQ(host.raised()[3].Sent("para1"), Value(std::int32_t{9}));
  EXPECT_EQ(host.raised()[5].Sent("index"), Value(std::int32_t{1}));
  EXPECT_EQ(items, (std::vector<services::ArrayItem>{{100, 0, 0, 0, 0, 0}, {101, 0, 0, 0, 0, 0}}));
}

}  // namespace
}  // namespace qiv
