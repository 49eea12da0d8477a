// The picking state the command skeleton keeps between the host's calls: the stage, the last
// entered point, and the picked lines.
#pragma once

#include <array>
#include <cstdint>

namespace skeleton {

struct PickingState {
  // Stage of the picking state machine: 0, 1 or 2.
  std::int16_t InputStage = 0;
  // The last entered point (the control's gcx, gcy).
  double PickPointX = 0;
  double PickPointY = 0;
  // Entity number the last point search answered; negative when nothing was found.
  std::int32_t FoundNo = 0;
  // End points of the picked lines: index k (1, 2, 3) holds pick k; index 0 is working space of
  // the commands' own routines.
  std::array<double, 4> PickX1{}, PickY1{}, PickX2{}, PickY2{};
  // Entity number of pick k, index 1 to 3.
  std::array<std::int32_t, 4> PickEntity{};
};

}  // namespace skeleton
