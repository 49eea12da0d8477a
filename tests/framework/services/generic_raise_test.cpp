// The generic raise: any event by dispatch id or by name with the caller's variables, answers
// landing in them; unknown events and mismatched kinds fail before anything is sent; the
// compile-time check accepts exactly the declared lists.
#include <gtest/gtest.h>

#include "generic_raise.h"
#include "in_process_control.h"
#include "runtime_error.h"

namespace qiv {
namespace {

using services::DeclaredArguments;
using testhost::Value;

static_assert(DeclaredArguments<EventId::QivSetLine, double, double, double, double, double, double,
                                std::int32_t>);
static_assert(!DeclaredArguments<EventId::QivSetLine, double, double, double, double, double,
                                 double, double>);
static_assert(!DeclaredArguments<EventId::QivSetLine, double>);
static_assert(DeclaredArguments<EventId::QivUndo>);
static_assert(!DeclaredArguments<EventId::QivGetData>);  // still open: generic raise only

class GenericRaise : public ::testing::Test, protected InProcessControl {};

TEST_F(GenericRaise, ByIdAndByNameBindTheCallersVariables) {
  host.On("QivGetLong", [](testhost::EventCall& call) {
    call.Set("lparam", std::get<std::int32_t>(call.Get("id")) * 2);
  });
  std::int32_t id = 21, lparam = 0;
  services::RaiseEvent(control, 335, id, lparam);
  EXPECT_EQ(lparam, 42);
  id = 50;
  services::RaiseEvent(control, "QivGetLong", id, lparam);
  EXPECT_EQ(lparam, 100);

  std::u16string text = u"前";
  host.Answer("QivDebugPrint", {{"str", std::u16string(u"後")}});
  services::RaiseEvent(control, "QivDebugPrint", text);
  EXPECT_EQ(text, u"後");
  EXPECT_EQ(host.Names(), (std::vector<std::string>{"QivGetLong", "QivGetLong", "QivDebugPrint"}));
}

TEST_F(GenericRaise, AnOpenEventTakesAnyVariables) {
  std::int32_t no = 4;
  double x = 1.5;
  std::u16string name = u"n";
  services::RaiseEvent(control, "QivGetData", no, x, name);
  services::RaiseEvent(control, 103);
  ASSERT_EQ(host.raised().size(), 2u);
  EXPECT_EQ(host.raised()[0].sent, (std::vector<Value>{no, x, name}));
  EXPECT_TRUE(host.raised()[1].sent.empty());
}

TEST_F(GenericRaise, FailuresSendNothing) {
  std::int32_t a = 0;
  double d = 0;
  const auto expect_error = [&](auto raise, std::int32_t number) {
    try {
      raise();
      ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), number);
    }
  };
  expect_error([&] { services::RaiseEvent(control, 0, a); }, platform::error::kInvalidArgument);
  expect_error([&] { services::RaiseEvent(control, 418, a); }, platform::error::kInvalidArgument);
  expect_error([&] { services::RaiseEvent(control, "QivNoSuchEvent"); },
               platform::error::kInvalidArgument);
  expect_error([&] { services::RaiseEvent(control, "QivInitCommand"); },
               platform::error::kInvalidArgument);
  expect_error([&] { services::RaiseEvent(control, "QivGetLong", a, d); },
               platform::error::kInternal);
  expect_error([&] { services::RaiseEvent(control, "QivGetLong", a); }, platform::error::kInternal);
  EXPECT_TRUE(host.raised().empty());
}

}  // namespace
}  // namespace qiv
