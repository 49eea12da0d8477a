// Saving a DXF drawing: the bytes it was read from, with the session's changes spliced in. A
// drawing that was not read from DXF is saved into a new file made from a small template.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "drawing_files.h"
#include "dxf/dxf_document.h"
#include "dxf/dxf_groups.h"
#include "dxf/dxf_new_file.h"
#include "dxf/dxf_record.h"

namespace host {
namespace {

using dxf::Document;
using dxf::Span;

// The shortest decimal text that reads back to the same number, without an exponent.
std::string DxfNumber(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string Hex(std::uint64_t value) {
  char buffer[20];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
  return dxf::UpperAscii(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// Groups written in the file's own style: its line ends, its padding of group codes.
class GroupWriter {
 public:
  explicit GroupWriter(const Document& doc) : doc_(doc) {}

  void Add(int code, std::string_view value) {
    std::string code_text = std::to_string(code);
    if (doc_.padded_codes && code_text.size() < 3) code_text.insert(0, 3 - code_text.size(), ' ');
    out += code_text;
    out += doc_.line_end;
    out += value;
    out += doc_.line_end;
  }
  void Real(int code, double value) { Add(code, DxfNumber(value)); }
  void Integer(int code, std::int64_t value) { Add(code, std::to_string(value)); }

  std::string out;

 private:
  const Document& doc_;
};

class Saver {
 public:
  Saver(const Document& doc, const Drawing& drawing)
      : doc_(doc), drawing_(drawing), next_handle_(doc.next_handle) {}

  std::string Run(bool every_layer) {
    const std::size_t loaded = doc_.model_entities.size();
    // Entities of the file that the session deleted or changed.
    for (std::size_t i = 0; i < loaded; ++i) {
      const auto no = static_cast<std::int32_t>(i + 1);
      const Entity* entity = drawing_.Find(no);
      const Span& span = doc_.model_entities[i];
      if (entity == nullptr || !entity->live()) {
        edits_.push_back({span.begin, span.end, {}});
      } else if (drawing_.Changed(no)) {
        edits_.push_back({span.begin, span.end, Rewritten(*entity, span)});
      }
    }
    // New entities, at the end of the entities.
    GroupWriter added(doc_);
    for (const Entity& entity : drawing_.entities()) {
      if (static_cast<std::size_t>(entity.no) <= loaded || !entity.live()) continue;
      WriteEntity(added, entity, NewHandle(), Owner());
    }
    if (!added.out.empty()) {
      if (doc_.entities_end) {
        edits_.push_back({*doc_.entities_end, *doc_.entities_end, std::move(added.out)});
      } else {
        GroupWriter section(doc_);
        section.Add(0, "SECTION");
        section.Add(2, "ENTITIES");
        section.out += added.out;
        section.Add(0, "ENDSEC");
        edits_.push_back({doc_.eof_offset, doc_.eof_offset, std::move(section.out)});
      }
    }
    if (every_layer) {
      for (const Layer& layer : drawing_.layers()) LayerName(layer.no);
      for (std::size_t i = 1; i < drawing_.linetypes().size(); ++i)
        LinetypeName(static_cast<std::int32_t>(i));
    }
    AddTableEntries();
    if (next_handle_ != doc_.next_handle && doc_.handseed_value)
      edits_.push_back({doc_.handseed_value->begin, doc_.handseed_value->end, Hex(next_handle_)});
    return Apply();
  }

 private:
  struct Edit {
    std::size_t begin;
    std::size_t end;
    std::string text;
  };

  std::string NewHandle() { return doc_.uses_handles ? Hex(next_handle_++) : std::string(); }
  std::string Owner() const { return doc_.HasSubclasses() ? doc_.model_space_owner : ""; }

  // A changed entity keeps its handle and owner; its content is written anew.
  std::string Rewritten(const Entity& entity, const Span& span) {
    dxf::Record record;
    dxf::ReadRecordAt(doc_.content, span.begin, span.end, doc_.name, record);
    GroupWriter w(doc_);
    WriteEntity(w, entity, std::string(record.Text(5)), std::string(record.Text(330)));
    return std::move(w.out);
  }

  void Begin(GroupWriter& w, const char* type, const char* subclass, const Entity& entity,
             const std::string& handle, const std::string& owner) {
    w.Add(0, type);
    if (!handle.empty()) w.Add(5, handle);
    const bool subclasses = doc_.HasSubclasses();
    if (subclasses && !owner.empty()) w.Add(330, owner);
    if (subclasses) w.Add(100, "AcDbEntity");
    w.Add(8, LayerName(entity.header.layer));
    if (entity.header.ltype != 0) w.Add(6, LinetypeName(entity.header.ltype));
    const std::int32_t color = entity.header.color;
    if (color != 256) w.Integer(62, color >= 0 && color <= 255 ? color : 7);
    if (doc_.HasLineWeights() && entity.header.width > 0) w.Integer(370, entity.header.width);
    if (subclasses) w.Add(100, subclass);
  }

  void Point(GroupWriter& w, int code, double x, double y) {
    w.Real(code, x);
    w.Real(code + 10, y);
    w.Real(code + 20, 0.0);
  }

  void WriteEntity(GroupWriter& w, const Entity& entity, const std::string& handle,
                   const std::string& owner) {
    const auto& d = entity.d;
    switch (entity.header.id) {
      case kind::kPoint:
        Begin(w, "POINT", "AcDbPoint", entity, handle, owner);
        Point(w, 10, d[slot::kX], d[slot::kY]);
        return;
      case kind::kLine:
        Begin(w, "LINE", "AcDbLine", entity, handle, owner);
        Point(w, 10, d[slot::kX], d[slot::kY]);
        Point(w, 11, d[slot::kLineX2], d[slot::kLineY2]);
        return;
      case kind::kCircle:
        Begin(w, "CIRCLE", "AcDbCircle", entity, handle, owner);
        Point(w, 10, d[slot::kX], d[slot::kY]);
        w.Real(40, d[slot::kRadius]);
        return;
      case kind::kArc:
        Begin(w, "ARC", "AcDbCircle", entity, handle, owner);
        Point(w, 10, d[slot::kX], d[slot::kY]);
        w.Real(40, d[slot::kRadius]);
        if (doc_.HasSubclasses()) w.Add(100, "AcDbArc");
        w.Real(50, d[slot::kStart]);
        w.Real(51, d[slot::kEnd]);
        return;
      default:
        if (IsTextId(entity.header.id)) WriteText(w, entity, handle, owner);
        return;
    }
  }

  // TEXT anchored at its reference point: justification from the keypad layout, bottom row
  // first; both the insertion and the alignment point are the reference point.
  void WriteText(GroupWriter& w, const Entity& entity, const std::string& handle,
                 const std::string& owner) {
    const auto& d = entity.d;
    std::int32_t genten = entity.l[slot::kTextGenten];
    if (genten < 1 || genten > 9) genten = 1;
    Begin(w, "TEXT", "AcDbText", entity, handle, owner);
    Point(w, 10, d[slot::kX], d[slot::kY]);
    w.Real(40, d[slot::kTextHeight]);
    w.Add(1, doc_.codec->Encode(entity.s[slot::kTextString]));
    w.Real(50, d[slot::kTextAngle]);
    if (!doc_.text_style.empty()) w.Add(7, doc_.text_style);
    w.Integer(72, (genten - 1) % 3);
    Point(w, 11, d[slot::kX], d[slot::kY]);
    if (doc_.HasSubclasses()) w.Add(100, "AcDbText");
    w.Integer(73, (genten - 1) / 3 + 1);
  }

  // The name of a layer as the file writes it; a layer the table lacks is added to it.
  std::string LayerName(std::int32_t no) {
    const Layer* layer = drawing_.FindLayer(no);
    const std::u16string name = layer != nullptr ? layer->name : u"0";
    const auto found = doc_.layers.names.find(name);
    if (found != doc_.layers.names.end()) return found->second;
    if (layer != nullptr && new_layers_.insert(no).second && layer->ltype != 0)
      LinetypeName(layer->ltype);
    return doc_.codec->Encode(name);
  }

  std::string LinetypeName(std::int32_t no) {
    const auto& linetypes = drawing_.linetypes();
    const auto index = static_cast<std::size_t>(no);
    if (no <= 0 || index >= linetypes.size()) return "BYLAYER";
    const std::string& name = linetypes[index].name;
    const std::string upper = dxf::UpperAscii(name);
    for (const auto& [decoded, raw] : doc_.linetypes.names) {
      if (dxf::UpperAscii(raw) == upper) return raw;
    }
    new_linetypes_.insert(no);
    return name;
  }

  void AddTableEntries() {
    if (doc_.linetypes.end && !new_linetypes_.empty()) {
      GroupWriter w(doc_);
      for (const std::int32_t no : new_linetypes_) WriteLinetype(w, no);
      edits_.push_back({*doc_.linetypes.end, *doc_.linetypes.end, std::move(w.out)});
      RaiseCount(doc_.linetypes, new_linetypes_.size());
    }
    if (doc_.layers.end && !new_layers_.empty()) {
      GroupWriter w(doc_);
      for (const std::int32_t no : new_layers_) WriteLayer(w, *drawing_.FindLayer(no));
      edits_.push_back({*doc_.layers.end, *doc_.layers.end, std::move(w.out)});
      RaiseCount(doc_.layers, new_layers_.size());
    }
  }

  void RaiseCount(const dxf::Table& table, std::size_t added) {
    if (!table.count_value) return;
    edits_.push_back({table.count_value->begin, table.count_value->end,
                      std::to_string(table.count + static_cast<std::int64_t>(added))});
  }

  void TableEntryStart(GroupWriter& w, const char* type, const dxf::Table& table,
                       const char* subclass) {
    w.Add(0, type);
    const std::string handle = NewHandle();
    if (!handle.empty()) w.Add(5, handle);
    if (doc_.HasSubclasses()) {
      if (!table.handle.empty()) w.Add(330, table.handle);
      w.Add(100, "AcDbSymbolTableRecord");
      w.Add(100, subclass);
    }
  }

  void WriteLinetype(GroupWriter& w, std::int32_t no) {
    const LineType& ltype = drawing_.linetypes()[static_cast<std::size_t>(no)];
    TableEntryStart(w, "LTYPE", doc_.linetypes, "AcDbLinetypeTableRecord");
    w.Add(2, ltype.name);
    w.Integer(70, 0);
    w.Add(3, "");
    w.Integer(72, 65);
    w.Integer(73, static_cast<std::int64_t>(ltype.pattern.size()));
    double total = 0;
    for (const double dash : ltype.pattern) total += std::abs(dash);
    w.Real(40, total);
    for (const double dash : ltype.pattern) {
      w.Real(49, dash);
      if (doc_.HasSubclasses()) w.Integer(74, 0);
    }
  }

  void WriteLayer(GroupWriter& w, const Layer& layer) {
    TableEntryStart(w, "LAYER", doc_.layers, "AcDbLayerTableRecord");
    w.Add(2, doc_.codec->Encode(layer.name));
    w.Integer(70, (layer.frozen ? 1 : 0) | (layer.locked ? 4 : 0));
    w.Integer(62, layer.off ? -layer.color : layer.color);
    w.Add(6, layer.ltype != 0 ? LinetypeName(layer.ltype) : "CONTINUOUS");
    if (!layer.plotted && doc_.HasLineWeights()) w.Integer(290, 0);
    if (doc_.HasLineWeights()) {
      w.Integer(370, layer.width > 0 ? layer.width : -3);
      if (!doc_.layer_plot_style.empty()) w.Add(390, doc_.layer_plot_style);
    }
  }

  std::string Apply() {
    std::stable_sort(edits_.begin(), edits_.end(),
                     [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    std::string out;
    std::size_t extra = 0;
    for (const Edit& edit : edits_) extra += edit.text.size();
    out.reserve(doc_.content.size() + extra);
    std::size_t at = 0;
    for (const Edit& edit : edits_) {
      out.append(doc_.content, at, edit.begin - at);
      out += edit.text;
      at = edit.end;
    }
    out.append(doc_.content, at, std::string::npos);
    return out;
  }

  const Document& doc_;
  const Drawing& drawing_;
  std::uint64_t next_handle_;
  std::vector<Edit> edits_;
  std::set<std::int32_t> new_layers_;
  std::set<std::int32_t> new_linetypes_;
};

}  // namespace

std::string DxfText(const Drawing& drawing) {
  if (drawing.dxf_source) return Saver(*drawing.dxf_source, drawing).Run(false);
  const std::shared_ptr<const Document> blank = dxf::NewFileDocument();
  return Saver(*blank, drawing).Run(true);
}

void WriteDxf(const std::string& path, const Drawing& drawing) {
  WriteFileAtomically(path, DxfText(drawing));
}

}  // namespace host
