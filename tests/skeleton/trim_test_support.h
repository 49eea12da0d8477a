// What the trim commands' tests share: points, lines and arcs compared within a tolerance, joint
// marks worked out by hand, and a fixture that runs an output routine against the recording host
// and reads back the drawing calls it made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "in_process_control.h"
#include "message_box.h"
#include "picking_state.h"
#include "recording_host.h"
#include "trim_geometry.h"

namespace trimtest {

using skeleton::Arc;
using skeleton::Line;
using skeleton::Point;

// Far below a drawing's resolution, far above the rounding of coordinates of some 10^4.
inline constexpr double kNear = 1e-9;

// 2000·cos 20° and 2000·sin 20°: where a joint mark's ends lie from its centre, along and across
// the leg it crosses.
inline constexpr double kMarkAlong = 1879.385241571817;
inline constexpr double kMarkAcross = 684.0402866513375;

inline void ExpectNear(Point actual, Point expected) {
  EXPECT_NEAR(actual.x, expected.x, kNear);
  EXPECT_NEAR(actual.y, expected.y, kNear);
}

inline void ExpectNear(const Line& actual, const Line& expected) {
  SCOPED_TRACE("line");
  ExpectNear(actual.start, expected.start);
  ExpectNear(actual.end, expected.end);
}

inline void ExpectNear(const std::optional<Line>& actual, const std::optional<Line>& expected) {
  ASSERT_EQ(actual.has_value(), expected.has_value());
  if (expected) ExpectNear(*actual, *expected);
}

inline void ExpectNear(const Arc& actual, const Arc& expected) {
  SCOPED_TRACE("arc");
  ExpectNear(actual.centre, expected.centre);
  EXPECT_NEAR(actual.r, expected.r, kNear);
  EXPECT_NEAR(actual.start, expected.start, kNear);
  EXPECT_NEAR(actual.end, expected.end, kNear);
}

// One host call as the output tests compare it: a short name and the numbers that matter.
//   Undo                                   IncNumberUndo
//   Erase n / Delete n                     DrawObject(n, False) / SetDeleteDate(n)
//   Read n                                 ReadRecord(n)
//   Active layer segment color ltype width page Group   SetActiveAtr
//   Line x1 y1 x2 y2 / Arc x y r s e / Circle x y r
// The creation date and redraw that follow every new entity are the framework's and left out;
// any other event appears under its own name without numbers.
struct Call {
  std::string name;
  std::vector<double> args;
};

inline double Number(const testhost::Value& value) {
  if (const auto* i16 = std::get_if<std::int16_t>(&value)) return *i16;
  if (const auto* i32 = std::get_if<std::int32_t>(&value)) return *i32;
  return std::get<double>(value);
}

inline std::vector<Call> DrawingCalls(const testhost::RecordingHost& host) {
  std::vector<Call> calls;
  for (const auto& event : host.raised()) {
    const auto numbers = [&event](std::initializer_list<const char*> params) {
      std::vector<double> values;
      for (const char* param : params) values.push_back(Number(event.Sent(param)));
      return values;
    };
    const auto& name = event.name;
    if (name == "QivSetCreateDate") continue;
    if (name == "QivDrawObject") {
      if (std::get<std::int16_t>(event.Sent("Draw")) != 0) continue;
      calls.push_back({"Erase", numbers({"n"})});
    } else if (name == "QivIncNumberUndo") {
      calls.push_back({"Undo", {}});
    } else if (name == "QivSetDeleteDate") {
      calls.push_back({"Delete", numbers({"n"})});
    } else if (name == "QivGetSetData" && std::get<std::int32_t>(event.Sent("getset")) == 0) {
      calls.push_back({"Read", numbers({"no"})});
    } else if (name == "QivSetActiveAtr") {
      calls.push_back(
          {"Active", numbers({"layer", "segment", "color", "ltype", "width", "page", "Group"})});
    } else if (name == "QivSetLine") {
      calls.push_back({"Line", numbers({"x1", "y1", "x2", "y2"})});
    } else if (name == "QivSetArc") {
      calls.push_back({"Arc", numbers({"x", "y", "r", "s", "e"})});
    } else if (name == "QivSetCircle") {
      calls.push_back({"Circle", numbers({"x", "y", "r"})});
    } else {
      calls.push_back({name, {}});
    }
  }
  return calls;
}

inline void ExpectCalls(const std::vector<Call>& actual, const std::vector<Call>& expected) {
  ASSERT_EQ(actual.size(), expected.size()) << "number of calls";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("call " + std::to_string(i) + ": " + expected[i].name);
    EXPECT_EQ(actual[i].name, expected[i].name);
    ASSERT_EQ(actual[i].args.size(), expected[i].args.size());
    for (std::size_t k = 0; k < expected[i].args.size(); ++k)
      EXPECT_NEAR(actual[i].args[k], expected[i].args[k], kNear) << "argument " << k;
  }
}

// A joint mark worked out by hand for the four axis directions t = 0, 90, 180, 270 (360 draws as
// 0): from centre + 2R·Dir(t + 20) to centre + 2R·Dir(t − 20).
inline Line MarkLine(Point c, int t) {
  const double a = kMarkAlong;
  const double s = kMarkAcross;
  switch ((t % 360 + 360) % 360) {
    case 0:
      return {{c.x + a, c.y + s}, {c.x + a, c.y - s}};
    case 90:
      return {{c.x - s, c.y + a}, {c.x + s, c.y + a}};
    case 180:
      return {{c.x - a, c.y - s}, {c.x - a, c.y + s}};
    default:
      return {{c.x + s, c.y - a}, {c.x - s, c.y - a}};
  }
}

// The call that draws that mark.
inline Call MarkCall(Point c, int t) {
  const Line mark = MarkLine(c, t);
  return {"Line", {mark.start.x, mark.start.y, mark.end.x, mark.end.y}};
}

inline const Call kUndo{"Undo", {}};
// The attributes that OutputTest's reads answer, for the new pipes and, with line type 1, for
// the symbols and marks.
inline const Call kLineAttributes{"Active", {7, 0, 3, 2, 5, 1, 9}};
inline const Call kSymbolAttributes{"Active", {7, 0, 3, 1, 5, 1, 9}};
inline Call Erase(std::int32_t n) {
  return {"Erase", {double(n)}};
}
inline Call Delete(std::int32_t n) {
  return {"Delete", {double(n)}};
}
inline Call Read(std::int32_t n) {
  return {"Read", {double(n)}};
}

// A control in the test process whose host answers every read with a line of layer 7, color 3,
// ltype 2, width 5, page 1, Group 9, and a picking state filled as the skeleton fills it.
class OutputTest : public ::testing::Test, protected qiv::InProcessControl {
 protected:
  void SetUp() override {
    platform::ClearMessageBoxRecord();
    host.On("QivGetSetData", [](testhost::EventCall& call) {
      if (std::get<std::int32_t>(call.Get("getset")) != 0) return;
      call.Set("id", std::int32_t{1});
      call.Set("layer", std::int32_t{7});
      call.Set("color", std::int32_t{3});
      call.Set("ltype", std::int32_t{2});
      call.Set("width", std::int32_t{5});
      call.Set("page", std::int32_t{1});
      call.Set("Group", std::int32_t{9});
    });
  }

  void Pick(int k, const Line& line, std::int32_t entity) {
    picks.PickX1[k] = line.start.x, picks.PickY1[k] = line.start.y;
    picks.PickX2[k] = line.end.x, picks.PickY2[k] = line.end.y;
    picks.PickEntity[k] = entity;
  }

  // The third pick at `point`: on the entity of pick k (1 or 2), or on nothing when k is 0.
  void ThirdPick(Point point, int k) {
    picks.PickPointX = point.x, picks.PickPointY = point.y;
    picks.InputStage = 2;
    picks.FoundNo = -1;
    if (k == 0) return;
    Pick(3, skeleton::PickedLine(picks, k), picks.PickEntity[k]);
    picks.FoundNo = picks.PickEntity[k];
  }

  skeleton::PickingState picks;
};

}  // namespace trimtest
