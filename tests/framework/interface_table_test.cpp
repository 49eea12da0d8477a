// The interface table: counts, dense and unique dispatch ids, and names against numbers.
#include <gtest/gtest.h>

#include <set>

#include "interface_table.h"

namespace qiv {
namespace {

TEST(InterfaceTable, CountsAreDenseAndUnique) {
  ASSERT_EQ(Methods().size(), 26u);
  ASSERT_EQ(Properties().size(), 88u);
  ASSERT_EQ(Events().size(), 417u);
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < Methods().size(); ++i)
    EXPECT_EQ(Methods()[i].dispid, kFirstMethodId + static_cast<std::int32_t>(i));
  for (std::size_t i = 0; i < Properties().size(); ++i)
    EXPECT_EQ(Properties()[i].dispid, kFirstPropertyId + static_cast<std::int32_t>(i));
  for (std::size_t i = 0; i < Events().size(); ++i)
    EXPECT_EQ(Events()[i].dispid, static_cast<std::int32_t>(i + 1));
  for (const auto list : {Methods(), Properties(), Events()})
    for (const auto& member : list) EXPECT_TRUE(names.insert(member.name).second);
}

TEST(InterfaceTable, NamesAgainstNumbers) {
  const std::pair<std::int32_t, std::string_view> samples[] = {
      {1, "QivExitCommand"},
      {3, "QivGCINStart"},
      {108, "QivSetLine"},
      {224, "QivGetQivVersion"},
      {317, "QivSearchPrimitiveModePackage"},
      {384, "QivSetCommandDimension"},
      {408, "QivGetSetData"},
      {417, "QivCoordinates2"},
      {0x60030000, "QivInitCommand"},
      {0x60030002, "QivGCINEnd"},
      {0x60030011, "QivOnMouseWheel"},
      {0x60030019, "QivEndDialog"},
      {0x40030000, "mcx"},
      {0x40030021, "msg"},
      {0x40030042, "bIgnoreShiftOrtho"},
      {0x40030057, "FDgcz2"},
  };
  for (const auto& [dispid, name] : samples) {
    const auto* member = FindMember(dispid);
    ASSERT_NE(member, nullptr) << name;
    EXPECT_EQ(member->name, name);
    EXPECT_EQ(FindMemberByName(name), member);
  }
}

TEST(InterfaceTable, ParameterListsOfRaisedEvents) {
  const std::pair<std::string_view, std::size_t> counts[] = {
      {"QivGCINStart", 24},
      {"QivPreGCINStart", 9},
      {"QivGetRestGCIN", 14},
      {"QivGetSetData", 59},
      {"QivGetCurrentTextAtr", 28},
      {"QivSetCurrentTextAtr", 28},
      {"QivSetText", 7},
      {"QivSearchPrimitiveModePackage", 9},
      {"QivExitCommand", 0},
  };
  for (const auto& [name, count] : counts) {
    const auto* event = FindMemberByName(name);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->params.size(), count) << name;
    EXPECT_EQ(event->origin, ParamOrigin::Fixed) << name;
  }
  const auto& set_text = FindMemberByName("QivSetText")->params;
  EXPECT_EQ(set_text[0].kind, ValueKind::Str);
  EXPECT_EQ(set_text[5].name, "genten");
  EXPECT_EQ(set_text[5].kind, ValueKind::I32);
  EXPECT_TRUE(FindMemberByName("QivSnap") == nullptr);
}

}  // namespace
}  // namespace qiv
