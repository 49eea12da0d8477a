// The trim text's host calls. Checks: the text attributes go to the host first; then one undo step
// deletes the picked line, takes its attributes, adds the pieces that stay and, with line type 1,
// the text at the foot, turned with the line, with height argument 0 and reference point 5.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "trim_test_support.h"
#include "trim_text_output.h"

namespace quenzel {
namespace {

using skeleton::Line;
using trimtest::Call;

constexpr std::int32_t kLine = 31;

class TrimTextOutput : public trimtest::OutputTest {
 protected:
  std::vector<Call> Run(const Line& line, skeleton::Point pick, double h) {
    host.Clear();
    module.CurRecord.ts_takasa = 2000;
    module.CurRecord.ts_Fontname = u"ＭＳ Ｐ明朝";
    WriteTrimText(control, module, line, kLine, pick, {u"G\r\n", h});
    return trimtest::DrawingCalls(host);
  }

  void ExpectText(double x, double y, double angle) {
    const auto& text = host.Last("QivSetText");
    EXPECT_EQ(std::get<std::u16string>(text.Sent("text")), u"G\r\n");
    EXPECT_NEAR(std::get<double>(text.Sent("x0")), x, trimtest::kNear);
    EXPECT_NEAR(std::get<double>(text.Sent("y0")), y, trimtest::kNear);
    EXPECT_EQ(std::get<double>(text.Sent("h")), 0);
    EXPECT_NEAR(std::get<double>(text.Sent("kaiten")), angle, 1e-12);
    EXPECT_EQ(std::get<std::int32_t>(text.Sent("genten")), 5);
  }
};

// The text attributes, then the picked line replaced by `pieces` with its attributes, then the
// text with line type 1.
std::vector<Call> Placement(std::vector<Call> pieces) {
  std::vector<Call> calls{{"QivSetCurrentTextAtr", {}}, trimtest::kUndo,
                          trimtest::Erase(kLine),       trimtest::Delete(kLine),
                          trimtest::Read(kLine),        trimtest::kLineAttributes};
  calls.insert(calls.end(), pieces.begin(), pieces.end());
  calls.push_back(trimtest::kSymbolAttributes);
  calls.push_back({"QivSetText", {}});
  return calls;
}

TEST_F(TrimTextOutput, OneUndoStepReplacesTheLineByItsPiecesAndTheText) {
  trimtest::ExpectCalls(Run({{0, 0}, {10000, 0}}, {4000, 300}, 1100),
                        Placement({{"Line", {0, 0, 2900, 0}}, {"Line", {5100, 0, 10000, 0}}}));
  ExpectText(4000, 0, 0);
  const auto& attributes = host.Last("QivSetCurrentTextAtr");
  EXPECT_EQ(std::get<double>(attributes.Sent("ts_takasa")), 2000);
  EXPECT_EQ(std::get<std::u16string>(attributes.Sent("ts_Fontname")), u"ＭＳ Ｐ明朝");

  trimtest::ExpectCalls(
      Run({{10000, -10000}, {0, 0}}, {4300, -3700}, 1000 * std::sqrt(2.0)),
      Placement({{"Line", {10000, -10000, 5000, -5000}}, {"Line", {3000, -3000, 0, 0}}}));
  ExpectText(4000, -4000, -45);
}

TEST_F(TrimTextOutput, AGapPastAnEndLeavesNoPieceThere) {
  trimtest::ExpectCalls(Run({{0, 0}, {10000, 0}}, {500, 200}, 1100),
                        Placement({{"Line", {1600, 0, 10000, 0}}}));
  ExpectText(500, 0, 0);
  trimtest::ExpectCalls(Run({{0, 0}, {1000, 0}}, {500, 100}, 600), Placement({}));
}

}  // namespace
}  // namespace quenzel
