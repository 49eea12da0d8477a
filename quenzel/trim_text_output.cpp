#include "trim_text_output.h"

#include "trim_text_geometry.h"

namespace quenzel {
namespace {

// The height argument and reference point code every trim text is added with; the text's height
// itself comes with the current text attributes.
constexpr double kTextHeightArgument = 0;
constexpr std::int16_t kTextReferencePoint = 5;

void Draw(qiv::QivOptCmd200& control, const std::optional<Line>& piece) {
  if (piece) control.AddLine(piece->start.x, piece->start.y, piece->end.x, piece->end.y);
}

}  // namespace

void WriteTrimText(qiv::QivOptCmd200& control, qiv::ModuleState& module, const Line& picked,
                   std::int32_t entity, Point pick, const TrimTextPlacement& placement) {
  control.SetCurrentTextAtr();
  const TrimTextLayout layout = LayOutTrimText(picked, pick, placement.half_gap);

  control.IncNumberUndo();
  control.DrawObject(entity, qiv::kFalse);
  control.SetDeleteDate(entity);
  control.ReadRecord(entity);
  control.SetActiveAtr();
  Draw(control, layout.start_piece);
  Draw(control, layout.end_piece);
  module.CurRecord.ltype = 1;
  control.SetActiveAtr();
  control.AddText(placement.text, layout.foot.x, layout.foot.y, kTextHeightArgument, layout.angle,
                  kTextReferencePoint);
}

}  // namespace quenzel
