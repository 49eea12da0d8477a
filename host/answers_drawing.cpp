// Answers to the drawing-data events: the general entity exchange, creation of lines, circles,
// arcs and texts, attributes, drawing, undo steps and dates, layer locks and the work buffer.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "host_sink.h"

namespace host {
namespace {

// Operation codes of QivGetSetData.
enum GetSet : std::int32_t {
  kRead = 0,
  kAdd = 1,
  kReadWork = 2,
  kAddWork = 3,
  kChange = 4,
  kChangeWork = 5
};

// "l01", "d18", ...: a slot's name from its letter and zero-based index.
std::string SlotName(char letter, std::size_t index) {
  const std::string number = std::to_string(index + 1);
  return std::string(1, letter) + (number.size() < 2 ? "0" : "") + number;
}

struct SlotNames {
  std::array<std::string, 24> l;
  std::array<std::string, 18> d;
  std::array<std::string, 4> s;

  SlotNames() {
    for (std::size_t i = 0; i < l.size(); ++i) l[i] = SlotName('l', i);
    for (std::size_t i = 0; i < d.size(); ++i) d[i] = SlotName('d', i);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = SlotName('s', i);
  }
};

const SlotNames& Slots() {
  static const SlotNames names;
  return names;
}

// The header fields exchanged through QivGetSetData (the segment is not among them).
struct HeaderField {
  const char* name;
  std::int32_t RecordHeader::*field;
};
constexpr HeaderField kHeaderFields[] = {
    {"id", &RecordHeader::id},
    {"flag", &RecordHeader::flag},
    {"layer", &RecordHeader::layer},
    {"color", &RecordHeader::color},
    {"ltype", &RecordHeader::ltype},
    {"width", &RecordHeader::width},
    {"page", &RecordHeader::page},
    {"ndata", &RecordHeader::ndata},
    {"Group", &RecordHeader::group},
    {"undo", &RecordHeader::undo},
    {"dimension", &RecordHeader::dimension},
};

void WriteRecord(const Entity& entity, const EventArgs& args) {
  for (const auto& field : kHeaderFields) args.SetLong(field.name, entity.header.*field.field);
  const auto& names = Slots();
  for (std::size_t i = 0; i < names.l.size(); ++i) args.SetLong(names.l[i], entity.l[i]);
  for (std::size_t i = 0; i < names.d.size(); ++i) args.SetDouble(names.d[i], entity.d[i]);
  for (std::size_t i = 0; i < names.s.size(); ++i) args.SetStr(names.s[i], entity.s[i]);
}

Entity ReadRecord(const EventArgs& args) {
  Entity entity;
  for (const auto& field : kHeaderFields) entity.header.*field.field = args.Long(field.name);
  const auto& names = Slots();
  for (std::size_t i = 0; i < names.l.size(); ++i) entity.l[i] = args.Long(names.l[i]);
  for (std::size_t i = 0; i < names.d.size(); ++i) entity.d[i] = args.Double(names.d[i]);
  for (std::size_t i = 0; i < names.s.size(); ++i) {
    std::u16string text = args.Str(names.s[i]);
    if (!text.empty()) entity.s[i] = std::move(text);
  }
  return entity;
}

Entity* WorkRecord(std::vector<Entity>& work, std::int32_t no) {
  if (no < 1 || no > static_cast<std::int32_t>(work.size())) return nullptr;
  return &work[static_cast<std::size_t>(no - 1)];
}

void GetSetData(HostState& state, const EventArgs& args) {
  Drawing& drawing = state.drawing;
  auto& work = drawing.work_buffer();
  const std::int32_t no = args.Long("no");
  switch (args.Long("getset")) {
    case kRead:
      if (const Entity* entity = drawing.Find(no)) WriteRecord(*entity, args);
      break;
    case kReadWork:
      if (const Entity* entity = WorkRecord(work, no)) WriteRecord(*entity, args);
      break;
    case kAdd: {
      Entity entity = ReadRecord(args);
      entity.header.segment = drawing.active.segment;
      args.SetLong("no", drawing.Add(std::move(entity)));
      break;
    }
    case kAddWork: {
      Entity entity = ReadRecord(args);
      entity.no = static_cast<std::int32_t>(work.size()) + 1;
      work.push_back(std::move(entity));
      args.SetLong("no", work.back().no);
      break;
    }
    case kChange:
      if (const Entity* old = drawing.Find(no)) {
        Entity entity = ReadRecord(args);
        entity.header.segment = old->header.segment;
        drawing.Change(no, entity);
      }
      break;
    case kChangeWork:
      if (Entity* old = WorkRecord(work, no)) {
        Entity entity = ReadRecord(args);
        entity.no = no;
        entity.header.segment = old->header.segment;
        *old = std::move(entity);
      }
      break;
    default:
      break;
  }
}

// A new entity of the command's making takes the active attributes.
void AddWithActiveAttributes(HostState& state, Entity entity, const EventArgs& args) {
  const ActiveAttributes& active = state.drawing.active;
  entity.header.layer = active.layer;
  entity.header.segment = active.segment;
  entity.header.color = active.color;
  entity.header.ltype = active.ltype;
  entity.header.width = active.width;
  entity.header.page = active.page;
  entity.header.group = active.group;
  state.drawing.EnsureLayer(active.layer);
  args.SetLong("position", state.drawing.Add(std::move(entity)));
}

void SetLine(HostState& state, const EventArgs& args) {
  Entity line =
      MakeLine(args.Double("x1"), args.Double("y1"), args.Double("x2"), args.Double("y2"));
  line.d[slot::kLineTakasa] = args.Double("takasa");
  line.d[slot::kLineAtumi] = args.Double("atumi");
  AddWithActiveAttributes(state, std::move(line), args);
}

void SetCircle(HostState& state, const EventArgs& args) {
  Entity circle = MakeCircle(args.Double("x"), args.Double("y"), args.Double("r"));
  circle.d[slot::kTakasa] = args.Double("takasa");
  circle.d[slot::kAtumi] = args.Double("atumi");
  AddWithActiveAttributes(state, std::move(circle), args);
}

void SetArc(HostState& state, const EventArgs& args) {
  Entity arc = MakeArc(args.Double("x"), args.Double("y"), args.Double("r"), args.Double("s"),
                       args.Double("e"));
  arc.d[slot::kTakasa] = args.Double("takasa");
  arc.d[slot::kAtumi] = args.Double("atumi");
  AddWithActiveAttributes(state, std::move(arc), args);
}

// Where a text record keeps the current text attributes it was made with.
struct TextSlot {
  const char* attribute;
  bool is_double;
  std::size_t index;
};
constexpr TextSlot kTextSlots[] = {
    {"ts_haba", true, 3},        {"ts_kankaku", true, 5},     {"ts_pitch", true, 6},
    {"ts_katamuki", true, 12},   {"ts_fonttype", false, 0},   {"ts_rectflag", false, 1},
    {"ts_pitchflag", false, 2},  {"ts_pointflag", false, 3},  {"ts_scaleflag", false, 4},
    {"ts_tateflag", false, 5},   {"style", false, 6},         {"ts_unit", false, 8},
    {"ts_unitdisp", false, 9},   {"ts_item", false, 10},      {"ts_hi5", false, 11},
    {"ts_textflag", false, 12},  {"ts_italic", false, 13},    {"ts_bold", false, 14},
    {"ts_underline", false, 15}, {"ts_strikeout", false, 16}, {"ts_nodec", false, 17},
};

// A text takes the current text attributes; a height of 0 takes the current text height.
void SetText(HostState& state, const EventArgs& args) {
  const TextAttributes& current = state.drawing.text;
  double height = args.Double("h");
  if (height == 0) height = current.Get("ts_takasa");
  Entity text = MakeText(args.Str("text"), args.Double("x0"), args.Double("y0"), height,
                         args.Double("kaiten"), args.Long("genten"));
  for (const auto& entry : kTextSlots) {
    const double value = current.Get(entry.attribute);
    if (entry.is_double) {
      text.d[entry.index] = value;
    } else {
      text.l[entry.index] = static_cast<std::int32_t>(value);
    }
  }
  text.s[slot::kTextFont] = current.font;
  AddWithActiveAttributes(state, std::move(text), args);
}

struct ActiveField {
  const char* name;
  std::int32_t ActiveAttributes::*field;
};
constexpr ActiveField kActiveFields[] = {
    {"layer", &ActiveAttributes::layer}, {"segment", &ActiveAttributes::segment},
    {"color", &ActiveAttributes::color}, {"ltype", &ActiveAttributes::ltype},
    {"width", &ActiveAttributes::width}, {"page", &ActiveAttributes::page},
    {"Group", &ActiveAttributes::group},
};

void GetActiveAtr(HostState& state, const EventArgs& args) {
  for (const auto& field : kActiveFields)
    args.SetLong(field.name, state.drawing.active.*field.field);
}

void SetActiveAtr(HostState& state, const EventArgs& args) {
  for (const auto& field : kActiveFields) state.drawing.active.*field.field = args.Long(field.name);
}

// The current text attributes travel under the event's own parameter names.
void GetCurrentTextAtr(HostState& state, const EventArgs& args) {
  const TextAttributes& current = state.drawing.text;
  for (const auto& param : args.event().params) {
    if (param.kind == qiv::ValueKind::Str) {
      args.SetStr(param.name, current.font);
    } else if (param.kind == qiv::ValueKind::F64) {
      args.SetDouble(param.name, current.Get(param.name));
    } else {
      args.SetLong(param.name, static_cast<std::int32_t>(current.Get(param.name)));
    }
  }
}

void SetCurrentTextAtr(HostState& state, const EventArgs& args) {
  TextAttributes& current = state.drawing.text;
  for (const auto& param : args.event().params) {
    if (!args.Has(param.name)) continue;
    if (param.kind == qiv::ValueKind::Str) {
      current.font = args.Str(param.name);
    } else if (param.kind == qiv::ValueKind::F64) {
      current.values[std::string(param.name)] = args.Double(param.name);
    } else {
      current.values[std::string(param.name)] = args.Long(param.name);
    }
  }
}

void IncNumberUndo(HostState& state, const EventArgs&) {
  state.drawing.OpenUndoStep();
}

void SetCreateDate(HostState& state, const EventArgs& args) {
  state.drawing.SetCreateDate(args.Long("n"), args.Long("mdate"));
}

void SetDeleteDate(HostState& state, const EventArgs& args) {
  state.drawing.SetDeleteDate(args.Long("n"), args.Long("mdate"));
}

void AskLayerLock(HostState& state, const EventArgs& args) {
  args.SetLong("result", state.drawing.IsLocked(args.Long("no")) ? 1 : 0);
}

void InitWBZ(HostState& state, const EventArgs&) {
  state.drawing.work_buffer().clear();
}

constexpr Answer kAnswers[] = {
    {"QivGetSetData", GetSetData},
    {"QivSetLine", SetLine},
    {"QivSetCircle", SetCircle},
    {"QivSetArc", SetArc},
    {"QivSetText", SetText},
    {"QivGetActiveAtr", GetActiveAtr},
    {"QivSetActiveAtr", SetActiveAtr},
    {"QivGetCurrentTextAtr", GetCurrentTextAtr},
    {"QivSetCurrentTextAtr", SetCurrentTextAtr},
    {"QivIncNumberUndo", IncNumberUndo},
    {"QivSetCreateDate", SetCreateDate},
    {"QivSetDeleteDate", SetDeleteDate},
    {"QivAskLayerLock", AskLayerLock},
    {"QivInitWBZ", InitWBZ},
};

}  // namespace

std::span<const Answer> DrawingDataAnswers() {
  return kAnswers;
}

}  // namespace host
