#include "sequences.h"

#include <array>

#include "generic_raise.h"
#include "settings.h"

namespace qiv::services {
namespace {

// The end of the drawing before a buffer is added; what follows it is new.
std::int32_t DrawingEnd(QivOptCmd200& control) {
  return Getiendp(control);
}

void DateCreatedAfter(QivOptCmd200& control, std::int32_t end) {
  std::int32_t mdate = 1;
  Raise<EventId::QivSetCreateDateAfter>(control, end, mdate);
}

}  // namespace

std::int32_t CommitWorkBuffer(QivOptCmd200& control) {
  const std::int32_t end = DrawingEnd(control);
  std::int32_t n = 0;
  Raise<EventId::QivAddWBZtoData>(control, n);
  DateCreatedAfter(control, end);
  return n;
}

std::int32_t CommitDragBuffer(QivOptCmd200& control) {
  std::int32_t end = DrawingEnd(control);
  std::int32_t n = 0;
  Raise<EventId::QivAddGCINDragtoData>(control, n);
  DateCreatedAfter(control, end);
  control.AllSelect(kFalse, kFalse);
  std::int16_t on = 1;
  Raise<EventId::QivSetFlagAfter>(control, end, on);
  control.DrawSelectedData(kFalse, kTrue);
  control.AllSelect(kFalse, kFalse);
  return n;
}

VbBool TextAtrFromDialog(QivOptCmd200& control, ModuleState& module) {
  EntityRecord& r = module.CurRecord;
  const std::array<std::int32_t*, 21> fields{
      &r.ts_fonttype,  &r.ts_rectflag,  &r.ts_pitchflag, &r.ts_pointflag, &r.ts_scaleflag,
      &r.ts_tateflag,  &r.ts_charset,   &r.ts_family,    &r.ts_italic,    &r.ts_bold,
      &r.ts_underline, &r.ts_strikeout, &r.ts_unit,      &r.ts_unitdisp,  &r.ts_item,
      &r.ts_hi5,       &r.ts_textflag,  &r.ts_dgsymbol,  &r.ts_decsymbol, &r.ts_nodg,
      &r.ts_nodec};
  // Every narrowing happens before anything is sent.
  std::int16_t style = NarrowTo16(r.style);
  std::array<std::int16_t, 21> f{};
  for (std::size_t i = 0; i < fields.size(); ++i) f[i] = NarrowTo16(*fields[i]);
  std::int16_t result = 0;
  Raise<EventId::QivTextAtrFromDialog>(
      control, style, r.ts_takasa, r.ts_haba, r.ts_kankaku, r.ts_katamuki, r.ts_pitch, f[0], f[1],
      f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12], f[13], f[14], f[15],
      f[16], f[17], f[18], f[19], f[20], r.ts_Fontname, result);
  r.style = style;
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = f[i];
  return ToVbBool(result != 0);
}

void SetIconSize(QivOptCmd200& control, std::int32_t size) {
  Raise<EventId::QivSetIconSize>(control, size);
  Raise<EventId::QivReCreateToolBar>(control);
}

}  // namespace qiv::services
