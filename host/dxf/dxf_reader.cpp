// Reading a DXF file: one pass over its groups keeps the places that saving needs, fills the
// layers and line types from the tables and takes the model's kinds of model space into the
// drawing; the other kinds of model space are drawn into the backdrop afterwards.
#include <algorithm>
#include <map>

#include "drawing_files.h"
#include "dxf/dxf_backdrop.h"
#include "dxf/dxf_document.h"
#include "dxf/dxf_model_entities.h"
#include "dxf/dxf_record.h"

namespace host {
namespace {

using dxf::Group;
using dxf::Record;
using dxf::Span;

enum class Section { kNone, kHeader, kTables, kBlocks, kEntities, kOther };

class Reader {
 public:
  Reader(dxf::Document& document, Drawing& drawing, const LoadProgress& progress)
      : doc_(document), drawing_(drawing), progress_(progress) {}

  LoadReport Run() {
    const std::string_view content = doc_.content;
    DetectStyle(content);
    dxf::GroupCursor cursor(content, doc_.name);
    Group group;
    constexpr std::uint32_t kLinesPerReport = 1 << 18;
    std::uint32_t next_report = kLinesPerReport;
    bool ended = false;
    while (cursor.Next(group)) {
      if (group.code == 0) {
        FinishRecord(group.offset);
        if (group.value == "EOF") {
          doc_.eof_offset = group.offset;
          // Entities that run up to the end without their ENDSEC end there.
          if (section_ == Section::kEntities) doc_.entities_end = group.offset;
          ended = true;
          break;
        }
        record_.groups.clear();
        record_begin_ = group.offset;
        if (progress_ && group.line >= next_report) {
          progress_(static_cast<double>(group.offset) / static_cast<double>(content.size()));
          next_report = group.line + kLinesPerReport;
        }
      } else if ((group.code == 5 || group.code == 105) && record_.type() != "SECTION") {
        if (const auto handle = dxf::ParseHandle(group.value)) {
          max_handle_ = std::max(max_handle_, *handle);
          doc_.uses_handles = true;
        }
      }
      if (group.code == 999) continue;  // a comment, kept in the file's bytes only
      if (record_.groups.empty() && group.code != 0)
        throw DrawingFileError(doc_.name + ":" + std::to_string(group.line) + ": group code " +
                               std::to_string(group.code) + " stands outside any record");
      record_.groups.push_back(group);
    }
    if (!ended) {
      FinishRecord(content.size());
      throw DrawingFileError(doc_.name + ":" + std::to_string(cursor.line()) +
                             ": the file ends without EOF");
    }
    if (!doc_.codec) doc_.codec = std::make_unique<dxf::TextCodec>(doc_.version, "");
    doc_.next_handle = std::max(seed_, max_handle_ + 1);
    if (doc_.HasSubclasses()) doc_.uses_handles = true;
    dxf::BuildBackdrop(doc_, backdrop_records_, drawing_);
    drawing_.FinishLoading();
    if (progress_) progress_(1.0);
    return report_;
  }

 private:
  void DetectStyle(std::string_view content) {
    std::size_t start = content.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    doc_.padded_codes = start < content.size() && content[start] == ' ';
    const std::size_t end = content.find('\n', start);
    if (end != std::string_view::npos && end > 0 && content[end - 1] == '\r')
      doc_.line_end = "\r\n";
  }

  const dxf::TextCodec& Codec() {
    if (!doc_.codec) doc_.codec = std::make_unique<dxf::TextCodec>(doc_.version, "");
    return *doc_.codec;
  }

  void FinishRecord(std::size_t end) {
    if (record_.groups.empty()) return;
    record_.file = &doc_.name;
    const std::string_view type = record_.type();
    if (type == "SECTION") {
      StartSection();
      return;
    }
    if (type == "ENDSEC") {
      if (section_ == Section::kEntities) doc_.entities_end = record_begin_;
      section_ = Section::kNone;
      return;
    }
    const Span span{record_begin_, end};
    switch (section_) {
      case Section::kTables:
        TableRecord(span);
        break;
      case Section::kBlocks:
        BlockRecord(span);
        break;
      case Section::kEntities:
        EntityRecord(span);
        break;
      default:
        break;
    }
  }

  void StartSection() {
    const std::string_view name = record_.Text(2);
    section_ = name == "HEADER"     ? Section::kHeader
               : name == "TABLES"   ? Section::kTables
               : name == "BLOCKS"   ? Section::kBlocks
               : name == "ENTITIES" ? Section::kEntities
                                    : Section::kOther;
    if (section_ == Section::kHeader) Header();
  }

  // Header variables: a 9 group names one, the groups after it are its value.
  void Header() {
    std::string_view variable;
    std::string_view code_page;
    for (const Group& group : record_.groups) {
      if (group.code == 9) {
        variable = group.value;
      } else if (variable == "$ACADVER" && group.code == 1) {
        doc_.version = group.value;
      } else if (variable == "$DWGCODEPAGE" && group.code == 3) {
        code_page = group.value;
      } else if (variable == "$HANDSEED" && group.code == 5) {
        const std::size_t at = static_cast<std::size_t>(group.value.data() - doc_.content.data());
        doc_.handseed_value = Span{at, at + group.value.size()};
        seed_ = dxf::ParseHandle(group.value).value_or(0);
      }
    }
    doc_.codec = std::make_unique<dxf::TextCodec>(doc_.version, code_page);
  }

  void TableRecord(const Span& span) {
    const std::string_view type = record_.type();
    if (type == "TABLE") {
      table_name_ = record_.Text(2);
      dxf::Table* table = CurrentTable();
      if (table == nullptr) return;
      table->handle = record_.Text(5);
      if (const Group* count = record_.Find(70)) {
        const std::size_t at = static_cast<std::size_t>(count->value.data() - doc_.content.data());
        table->count_value = Span{at, at + count->value.size()};
        table->count = dxf::ParseInteger(count->value).value_or(0);
      }
      return;
    }
    if (type == "ENDTAB") {
      if (dxf::Table* table = CurrentTable()) table->end = span.begin;
      table_name_ = {};
      return;
    }
    if (type == "LAYER") {
      LayerEntry();
    } else if (type == "LTYPE") {
      LinetypeEntry();
    } else if (type == "STYLE") {
      if (dxf::UpperAscii(record_.Text(2)) == "STANDARD") doc_.text_style = record_.Text(2);
    } else if (type == "BLOCK_RECORD") {
      if (dxf::UpperAscii(record_.Text(2)) == "*MODEL_SPACE")
        doc_.model_space_owner = record_.Text(5);
    }
  }

  dxf::Table* CurrentTable() {
    if (table_name_ == "LAYER") return &doc_.layers;
    if (table_name_ == "LTYPE") return &doc_.linetypes;
    return nullptr;
  }

  void LayerEntry() {
    const std::string_view raw = record_.Text(2);
    const std::u16string name = Codec().Decode(raw);
    doc_.layers.names.emplace(name, std::string(raw));
    if (doc_.layer_plot_style.empty()) doc_.layer_plot_style = record_.Text(390);
    Layer* layer = drawing_.FindLayerByName(name);
    if (layer == nullptr) layer = &drawing_.AddLayer(name);
    const std::int64_t flags = record_.Integer(70, 0);
    layer->frozen = (flags & 1) != 0;
    layer->locked = (flags & 4) != 0;
    const std::int64_t colour = record_.Integer(62, 7);
    layer->off = colour < 0;
    const std::int64_t index = colour < 0 ? -colour : colour;
    layer->color = index >= 1 && index <= 255 ? static_cast<std::int32_t>(index) : 7;
    const std::string ltype = dxf::UpperAscii(record_.Text(6, "CONTINUOUS"));
    layer->ltype = ltype == "BYLAYER" || ltype == "BYBLOCK" ? 0 : LinetypeOf(record_.Text(6));
    const std::int64_t weight = record_.Integer(370, -3);
    layer->width = weight >= 0 && weight <= 211 ? static_cast<std::int32_t>(weight) : 0;
    layer->plotted = record_.Integer(290, 1) != 0;
    layers_by_raw_name_.insert_or_assign(std::string(raw), layer);
  }

  void LinetypeEntry() {
    const std::string_view raw = record_.Text(2);
    const std::string upper = dxf::UpperAscii(raw);
    doc_.linetypes.names.emplace(Codec().Decode(raw), std::string(raw));
    // BYLAYER and BYBLOCK are table entries by convention, not line types of their own.
    if (upper == "BYLAYER" || upper == "BYBLOCK") return;
    std::vector<double> dashes;
    ForEachDataGroup(record_, [&](const Group& group) {
      if (group.code != 49) return;
      const auto length = dxf::ParseReal(group.value);
      if (!length) record_.Fail(group, "a dash length is not a number");
      dashes.push_back(*length);
    });
    drawing_.DefineLineType(raw, std::move(dashes));
  }

  // Records that follow an entity and belong to it: a polyline's vertices, a block
  // reference's attributes, and the SEQEND that closes them.
  bool TakeOwned(const Span& span) {
    const std::string_view type = record_.type();
    if (owner_ == nullptr || (type != "VERTEX" && type != "ATTRIB" && type != "SEQEND"))
      return false;
    owner_->back().end = span.end;
    if (type == "SEQEND") owner_ = nullptr;
    return true;
  }

  void OpenOwner(std::vector<Span>& list) {
    const std::string_view type = record_.type();
    owner_ =
        type == "POLYLINE" || (type == "INSERT" && record_.Integer(66, 0) == 1) ? &list : nullptr;
  }

  void BlockRecord(const Span& span) {
    const std::string_view type = record_.type();
    if (type == "BLOCK") {
      block_ = dxf::Block{};
      block_.name = dxf::UpperAscii(Codec().Decode(record_.Text(2)));
      block_.base[0] = record_.Real(10);
      block_.base[1] = record_.Real(20);
      block_.base[2] = record_.Real(30);
      owner_ = nullptr;
      return;
    }
    if (type == "ENDBLK") {
      const std::u16string name = block_.name;
      doc_.blocks[name] = std::move(block_);
      block_ = dxf::Block{};
      owner_ = nullptr;
      return;
    }
    if (TakeOwned(span)) return;
    block_.entities.push_back(span);
    OpenOwner(block_.entities);
  }

  void EntityRecord(const Span& span) {
    if (TakeOwned(span)) return;
    const std::string type(record_.type());
    if (record_.Integer(67, 0) == 1) {  // paper space: kept, not shown
      paper_space_.clear();
      paper_space_.push_back(span);
      OpenOwner(paper_space_);
      return;
    }
    ++report_.kinds[type];
    if (dxf::IsModelKind(type)) {
      owner_ = nullptr;
      TakeIntoModel(span);
      return;
    }
    if (!dxf::IsBackdropKind(type)) {
      ++report_.not_drawn[type];
      ++report_.skipped;
    }
    backdrop_records_.push_back(span);
    OpenOwner(backdrop_records_);
  }

  void TakeIntoModel(const Span& span) {
    Entity entity = *dxf::ModelEntity(record_, Codec());
    const Layer& layer = LayerOf(record_.Text(8, "0"));
    entity.header.layer = layer.no;
    const std::int64_t colour = record_.Integer(62, 256);
    entity.header.color = colour == 256 || colour < 0 || colour > 256 ? layer.color
                          : colour == 0                               ? 7
                                                                      : static_cast<int>(colour);
    const std::string_view ltype = record_.Text(6, "BYLAYER");
    const std::string kind = dxf::UpperAscii(ltype);
    entity.header.ltype = kind == "BYLAYER"   ? layer.ltype
                          : kind == "BYBLOCK" ? 0
                                              : LinetypeOf(ltype);
    const std::int64_t weight = record_.Integer(370, -1);
    entity.header.width = weight == -1                   ? layer.width
                          : weight >= 0 && weight <= 211 ? static_cast<std::int32_t>(weight)
                                                         : 0;
    const std::int32_t no = drawing_.AddLoaded(std::move(entity));
    if (static_cast<std::size_t>(no) != doc_.model_entities.size() + 1)
      throw DrawingFileError(doc_.name + ": entity numbers out of step");
    doc_.model_entities.push_back(span);
    ++report_.entities;
  }

  const Layer& LayerOf(std::string_view raw) {
    const auto found = layers_by_raw_name_.find(raw);
    if (found != layers_by_raw_name_.end()) return *found->second;
    std::u16string name = Codec().Decode(raw);
    if (name.empty()) name = u"0";
    Layer* layer = drawing_.FindLayerByName(name);
    if (layer == nullptr) layer = &drawing_.AddLayer(name);
    layers_by_raw_name_.emplace(raw, layer);
    return *layer;
  }

  std::int32_t LinetypeOf(std::string_view raw) {
    const auto found = linetypes_by_raw_name_.find(raw);
    if (found != linetypes_by_raw_name_.end()) return found->second;
    const std::int32_t no = drawing_.LineTypeNo(raw);
    linetypes_by_raw_name_.emplace(raw, no);
    return no;
  }

  dxf::Document& doc_;
  Drawing& drawing_;
  const LoadProgress& progress_;
  LoadReport report_;
  Record record_;
  std::size_t record_begin_ = 0;
  Section section_ = Section::kNone;
  std::string_view table_name_;
  dxf::Block block_;
  std::vector<Span>* owner_ = nullptr;
  std::vector<Span> backdrop_records_;
  std::vector<Span> paper_space_;
  std::uint64_t seed_ = 0;
  std::uint64_t max_handle_ = 0;
  // Names as the file writes them: looked up without a copy for every entity.
  std::map<std::string, const Layer*, std::less<>> layers_by_raw_name_;
  std::map<std::string, std::int32_t, std::less<>> linetypes_by_raw_name_;
};

}  // namespace

std::string LoadReport::Summary() const {
  std::string text;
  for (const auto& [kind, count] : kinds) {
    if (!text.empty()) text += ", ";
    text += std::to_string(count) + " " + kind;
  }
  if (text.empty()) text = std::to_string(entities) + " entities";
  if (!not_drawn.empty()) {
    text += "; not drawn:";
    bool first = true;
    for (const auto& [kind, count] : not_drawn) {
      text += first ? " " : ", ";
      text += std::to_string(count) + " " + kind;
      first = false;
    }
  }
  return text;
}

LoadReport ReadDxfContent(std::string content, const std::string& name, Drawing& drawing,
                          const LoadProgress& progress) {
  if (dxf::IsBinaryDxf(content))
    throw DrawingFileError(name + ": binary DXF is not supported; save the drawing as ASCII DXF");
  if (content.find_first_not_of(" \t\r\n") == std::string::npos)
    throw DrawingFileError(name + ":1: the file is empty");
  if (content.size() >= (std::size_t{1} << 32))
    throw DrawingFileError(name + ": the file is too large");
  auto document = std::make_shared<dxf::Document>();
  document->name = name;
  document->content = std::move(content);
  Reader reader(*document, drawing, progress);
  LoadReport report = reader.Run();
  drawing.dxf_source = std::move(document);
  return report;
}

LoadReport ReadDxf(const std::string& path, Drawing& drawing, const LoadProgress& progress) {
  return ReadDxfContent(ReadWholeFile(path), path, drawing, progress);
}

}  // namespace host
