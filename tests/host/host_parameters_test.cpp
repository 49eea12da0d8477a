// The host's numbered parameters: the typed getters answer from the table in the event's kind
// (16-bit answers narrowed, an id the table does not hold left as sent), the setters store into
// it for every getter, and a parameter's written value is a number when the whole text is one.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "call_args.h"
#include "host_sink.h"

namespace host {
namespace {

class HostParametersTest : public ::testing::Test {
 protected:
  // Raises `event` for `id` with `param` (the event's value argument) preset to `sent`.
  template <typename Value>
  std::unique_ptr<CallArgs> Raise(const char* event, std::int32_t id, const char* param,
                                  Value sent) {
    const qiv::Member& member = *qiv::FindMemberByName(event);
    auto args = std::make_unique<CallArgs>(member);
    args->Set("id", id);
    args->Set(param, sent);
    HostSink::Receive(&sink, member.dispid, args->data(), args->count());
    return args;
  }

  Drawing drawing;
  HostState state{drawing};
  Journal journal;
  HostSink sink{state, journal};
};

TEST_F(HostParametersTest, GettersAnswerFromTheTableInTheEventsKind) {
  struct Case {
    const char* what;
    std::int32_t id;
    std::optional<HostParameter> table;  // none: the table keeps what it holds
    const char* event;
    const char* param;
    double sent;
    double expected;
  };
  const Case numbers[] = {
      {"1005 answers 0 until set", 1005, std::nullopt, "QivGetInteger", "iparam", 3, 0},
      {"1022 answers 0 until set", 1022, std::nullopt, "QivGetLong", "lparam", 7, 0},
      {"an unknown id is left as sent", 1011, std::nullopt, "QivGetLong", "lparam", 5, 5},
      {"narrowed to 16 bits", 1006, 70000.0, "QivGetInteger", "iparam", 0, 70000 - 65536},
      {"a negative Long", 1013, -1.0, "QivGetLong", "lparam", 0, -1},
      {"rounded to a whole number", 1014, 2.5, "QivGetLong", "lparam", 0, 3},
      {"a Double as it stands", 1117, 2.5, "QivGetDouble", "dparam", 0, 2.5},
      {"a numeric text", 1120, std::u16string(u"12.5"), "QivGetDouble", "dparam", 0, 12.5},
      {"a text that is no number is left as sent", 1115, std::u16string(u"abc"), "QivGetLong",
       "lparam", 9, 9},
  };
  for (const auto& c : numbers) {
    if (c.table) state.settings.parameters[c.id] = *c.table;
    EXPECT_EQ(Raise(c.event, c.id, c.param, c.sent)->Number(c.param), c.expected) << c.what;
  }

  struct TextCase {
    HostParameter table;
    const char16_t* expected;
  };
  const TextCase texts[] = {{1.5, u"1.5"}, {12.0, u"12"}, {std::u16string(u"配管"), u"配管"}};
  for (const auto& c : texts) {
    state.settings.parameters[1308] = c.table;
    EXPECT_EQ(Raise("QivGetString", 1308, "sparam", u"sent")->Text("sparam"), c.expected);
  }
  EXPECT_EQ(Raise("QivGetString", 1501, "sparam", u"sent")->Text("sparam"), u"sent");
}

TEST_F(HostParametersTest, SettersStoreForEveryGetterAndEveryEventIsJournaled) {
  Raise("QivSetInteger", 1006, "iparam", -3);
  Raise("QivSetLong", 4101, "lparam", 1);
  Raise("QivSetDouble", 1012, "dparam", 0.25);
  Raise("QivSetString", 1501, "sparam", u"7");
  EXPECT_EQ(Raise("QivGetLong", 1006, "lparam", 0)->Number("lparam"), -3);
  EXPECT_EQ(Raise("QivGetLong", 4101, "lparam", 0)->Number("lparam"), 1);
  EXPECT_EQ(Raise("QivGetDouble", 1012, "dparam", 0)->Number("dparam"), 0.25);
  EXPECT_EQ(Raise("QivGetString", 1012, "sparam", u"")->Text("sparam"), u"0.25");
  EXPECT_EQ(Raise("QivGetInteger", 1501, "iparam", 0)->Number("iparam"), 7);

  ASSERT_EQ(journal.lines().size(), 9u);
  EXPECT_NE(journal.lines()[0].find(R"("event":"QivSetInteger","args":{"id":1006,"iparam":-3})"),
            std::string::npos)
      << journal.lines()[0];
  EXPECT_NE(journal.lines()[4].find(R"("event":"QivGetLong","args":{"id":1006,"lparam":-3})"),
            std::string::npos)
      << journal.lines()[4];
}

TEST(ParameterFromTextTest, AWholeNumberIsANumberAndAnythingElseIsText) {
  struct Case {
    const char16_t* text;
    HostParameter expected;
  };
  const Case cases[] = {
      {u"1", 1.0},
      {u"-2.5e1", -25.0},
      {u"", std::u16string()},
      {u"1x", std::u16string(u"1x")},
      {u" 1", std::u16string(u" 1")},
      {u"１", std::u16string(u"１")},
  };
  for (const auto& c : cases) EXPECT_EQ(ParameterFromText(c.text), c.expected);
}

}  // namespace
}  // namespace host
