// Drawing data: the general entity exchange through CurRecord, creation of entities, drawing,
// deletion, undo, the active and current text attributes and the layer lock.
#include <array>
#include <string>

#include "qiv_opt_cmd200.h"
#include "record_slots.h"

namespace qiv {
namespace {

// The 59 arguments of the general entity exchange.
struct GetSetDataArgs {
  std::int32_t getset = 0, no = 0;
  std::int32_t id = 0, flag = 0, layer = 0, color = 0, ltype = 0, width = 0, page = 0, ndata = 0,
               Group = 0, undo = 0, dimension = 0;
  std::array<std::int32_t, kLongSlots> l{};
  std::array<double, kDoubleSlots> d{};
  std::array<std::u16string, kStringSlots> s{};

  void Raise(const EventRaiser& events) {
    std::array<std::int32_t*, 13> header{&getset, &no,   &id,    &flag,  &layer, &color,    &ltype,
                                         &width,  &page, &ndata, &Group, &undo,  &dimension};
    std::array<QivArg, 13 + kLongSlots + kDoubleSlots + kStringSlots> args{};
    std::size_t k = 0;
    for (auto* value : header) args[k++] = ArgOf(*value);
    for (auto& value : l) args[k++] = ArgOf(value);
    for (auto& value : d) args[k++] = ArgOf(value);
    StrRef s1(s[0]), s2(s[1]), s3(s[2]), s4(s[3]);
    for (auto* ref : {&s1, &s2, &s3, &s4}) args[k++] = ArgOf(*ref);
    events.RaiseArgs(EventId::QivGetSetData, args.data(), static_cast<std::int32_t>(args.size()));
  }
};

// Writes the header and the slots of record.id into the arguments; other slots stay as they are.
void PackRecord(const EntityRecord& record, GetSetDataArgs& args) {
  args.id = record.id, args.flag = record.flag, args.layer = record.layer;
  args.color = record.color, args.ltype = record.ltype, args.width = record.width;
  args.page = record.page, args.ndata = record.ndata, args.Group = record.Group;
  args.undo = record.undo, args.dimension = record.dimension;
  const SlotRow* row = SlotRowOf(record.id);
  if (row == nullptr) return;
  for (std::size_t i = 0; i < row->doubles.size(); ++i) args.d[i] = record.*(row->doubles[i]);
  for (std::size_t i = 0; i < row->longs.size(); ++i) args.l[i] = record.*(row->longs[i]);
  for (std::size_t i = 0; i < row->strings.size(); ++i) args.s[i] = record.*(row->strings[i]);
}

// Copies the header answers and the slots of the answered id into the record.
void UnpackRecord(const GetSetDataArgs& args, EntityRecord& record) {
  record.flag = args.flag, record.layer = args.layer, record.color = args.color;
  record.ltype = args.ltype, record.width = args.width, record.page = args.page;
  record.id = args.id, record.ndata = args.ndata, record.Group = args.Group;
  record.undo = args.undo, record.dimension = args.dimension;
  const SlotRow* row = SlotRowOf(args.id);
  if (row == nullptr) return;
  for (std::size_t i = 0; i < row->doubles.size(); ++i) record.*(row->doubles[i]) = args.d[i];
  for (std::size_t i = 0; i < row->longs.size(); ++i) record.*(row->longs[i]) = args.l[i];
  for (std::size_t i = 0; i < row->strings.size(); ++i) record.*(row->strings[i]) = args.s[i];
}

}  // namespace

void QivOptCmd200::GetSetRecord(std::int32_t getset, std::int32_t no) {
  GetSetDataArgs args;
  args.getset = getset;
  args.no = no;
  args.Raise(events_);
  UnpackRecord(args, module_.CurRecord);
}

std::int32_t QivOptCmd200::PutRecord(std::int32_t getset) {
  GetSetDataArgs args;
  args.getset = getset;
  PackRecord(module_.CurRecord, args);
  args.Raise(events_);
  return args.no;
}

void QivOptCmd200::PutRecordAt(std::int32_t getset, std::int32_t no) {
  GetSetDataArgs args;
  args.getset = getset;
  args.no = no;
  PackRecord(module_.CurRecord, args);
  args.Raise(events_);
}

void QivOptCmd200::ReadRecord(std::int32_t no) {
  GetSetRecord(0, no);
}

std::int32_t QivOptCmd200::AddRecord() {
  std::int32_t no = PutRecord(1);
  if (no >= 0) {
    std::int32_t mdate = 1;
    events_.Raise(EventId::QivSetCreateDate, no, mdate);
  }
  return no;
}

void QivOptCmd200::ReadRecordWBZ(std::int32_t no) {
  GetSetRecord(2, no);
}
std::int32_t QivOptCmd200::AddRecordWBZ() {
  return PutRecord(3);
}
void QivOptCmd200::ChangeRecord(std::int32_t no) {
  PutRecordAt(4, no);
}
void QivOptCmd200::ChangeRecordWBZ(std::int32_t no) {
  PutRecordAt(5, no);
}

void QivOptCmd200::GetActiveAtr() {
  std::int32_t layer = 0, segment = 0, color = 0, ltype = 0, width = 0, page = 0, Group = 0;
  events_.Raise(EventId::QivGetActiveAtr, layer, segment, color, ltype, width, page, Group);
  auto& record = module_.CurRecord;
  record.layer = layer, record.segment = segment, record.color = color, record.ltype = ltype;
  record.width = width, record.page = page, record.Group = Group;
}

void QivOptCmd200::SetActiveAtr() {
  auto& r = module_.CurRecord;
  events_.Raise(EventId::QivSetActiveAtr, r.layer, r.segment, r.color, r.ltype, r.width, r.page,
                r.Group);
}

void QivOptCmd200::GetCurrentTextAtr() {
  std::int16_t style = 0;
  double takasa = 0, haba = 0, kankaku = 0, katamuki = 0, pitch = 0;
  std::array<std::int16_t, 21> flags{};
  std::u16string fontname;
  auto& f = flags;
  events_.Raise(EventId::QivGetCurrentTextAtr, style, takasa, haba, kankaku, katamuki, pitch, f[0],
                f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12], f[13],
                f[14], f[15], f[16], f[17], f[18], f[19], f[20], fontname);
  auto& r = module_.CurRecord;
  r.id = 5;
  r.text.clear();
  r.style = style;
  r.ts_takasa = takasa, r.ts_haba = haba, r.ts_kankaku = kankaku, r.ts_katamuki = katamuki;
  r.ts_pitch = pitch;
  std::array<std::int32_t*, 21> fields{
      &r.ts_fonttype,  &r.ts_rectflag,  &r.ts_pitchflag, &r.ts_pointflag, &r.ts_scaleflag,
      &r.ts_tateflag,  &r.ts_charset,   &r.ts_family,    &r.ts_italic,    &r.ts_bold,
      &r.ts_underline, &r.ts_strikeout, &r.ts_unit,      &r.ts_unitdisp,  &r.ts_item,
      &r.ts_hi5,       &r.ts_textflag,  &r.ts_dgsymbol,  &r.ts_decsymbol, &r.ts_nodg,
      &r.ts_nodec};
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = flags[i];
  r.ts_Fontname = fontname;
  r.extL19 = 0;
  r.extD3 = r.extD4 = r.extD5 = r.extD6 = r.extD7 = 0;
}

void QivOptCmd200::SetCurrentTextAtr() {
  auto& r = module_.CurRecord;
  // Every narrowing happens before anything is sent.
  std::int16_t style = NarrowTo16(r.style);
  const std::array<std::int32_t, 21> fields{
      r.ts_fonttype,  r.ts_rectflag, r.ts_pitchflag, r.ts_pointflag, r.ts_scaleflag, r.ts_tateflag,
      r.ts_charset,   r.ts_family,   r.ts_italic,    r.ts_bold,      r.ts_underline, r.ts_strikeout,
      r.ts_unit,      r.ts_unitdisp, r.ts_item,      r.ts_hi5,       r.ts_textflag,  r.ts_dgsymbol,
      r.ts_decsymbol, r.ts_nodg,     r.ts_nodec};
  std::array<std::int16_t, 21> f{};
  for (std::size_t i = 0; i < fields.size(); ++i) f[i] = NarrowTo16(fields[i]);
  events_.Raise(EventId::QivSetCurrentTextAtr, style, r.ts_takasa, r.ts_haba, r.ts_kankaku,
                r.ts_katamuki, r.ts_pitch, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8],
                f[9], f[10], f[11], f[12], f[13], f[14], f[15], f[16], f[17], f[18], f[19], f[20],
                r.ts_Fontname);
}

std::int32_t QivOptCmd200::CreationEpilogue(std::int32_t position) {
  if (position < 0) return position;
  std::int32_t mdate = 1;
  events_.Raise(EventId::QivSetCreateDate, position, mdate);
  std::int16_t draw = 1;
  events_.Raise(EventId::QivDrawObject, position, draw);
  return position;
}

std::int32_t QivOptCmd200::AddLine(double x1_, double y1_, double x2_, double y2_) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  events_.Raise(EventId::QivSetLine, x1_, y1_, x2_, y2_, takasa, atumi, position);
  return CreationEpilogue(position);
}

std::int32_t QivOptCmd200::AddCircle(double x, double y, double r) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  events_.Raise(EventId::QivSetCircle, x, y, r, takasa, atumi, position);
  return CreationEpilogue(position);
}

std::int32_t QivOptCmd200::AddArc(double x, double y, double r, double s, double e) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  events_.Raise(EventId::QivSetArc, x, y, r, s, e, takasa, atumi, position);
  return CreationEpilogue(position);
}

std::int32_t QivOptCmd200::AddText(const std::u16string& text, double x0_, double y0_, double h,
                                   double kaiten, std::int16_t genten) {
  std::u16string text_arg = text;
  std::int32_t genten_long = genten;
  std::int32_t position = 0;
  events_.Raise(EventId::QivSetText, text_arg, x0_, y0_, h, kaiten, genten_long, position);
  return CreationEpilogue(position);
}

void QivOptCmd200::DrawObject(std::int32_t n, VbBool Draw) {
  std::int16_t draw = OneZero(Draw);
  events_.Raise(EventId::QivDrawObject, n, draw);
}

void QivOptCmd200::SetDeleteDate(std::int32_t n) {
  std::int32_t mdate = 1;
  events_.Raise(EventId::QivSetDeleteDate, n, mdate);
}

void QivOptCmd200::IncNumberUndo() {
  events_.Raise(EventId::QivIncNumberUndo);
}

void QivOptCmd200::InitWBZ() {
  events_.Raise(EventId::QivInitWBZ);
}

VbBool QivOptCmd200::AskLayerLock(std::int32_t no) {
  std::int16_t result = 0;
  events_.Raise(EventId::QivAskLayerLock, no, result);
  return ToVbBool(result == 1);
}

}  // namespace qiv
