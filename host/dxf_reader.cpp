// Reading DXF drawings: the file is split into groups here, checked line by line, and fed to
// dxflib's group processor, which calls back with layers, line types and entities.
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing_files.h"
#include "dxf_text.h"
#include "text_utf.h"

namespace host {
namespace {

// What the groups of one entity said, by group code, as written in the file.
using RawGroups = std::vector<std::pair<int, std::string_view>>;

std::optional<double> RawNumber(const RawGroups& groups, int code) {
  for (const auto& [group, value] : groups) {
    if (group != code) continue;
    double number = 0;
    const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
    if (result.ec == std::errc()) return number;
  }
  return std::nullopt;
}

bool IsRealCode(int code) {
  return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) ||
         (code >= 210 && code <= 239) || (code >= 460 && code <= 469) ||
         (code >= 1010 && code <= 1059);
}

bool IsIntegerCode(int code) {
  return (code >= 60 && code <= 99) || (code >= 160 && code <= 179) ||
         (code >= 270 && code <= 289) || (code >= 370 && code <= 389) ||
         (code >= 400 && code <= 409) || (code >= 420 && code <= 429) ||
         (code >= 440 && code <= 459) || (code >= 1060 && code <= 1071);
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

class Builder : public DL_CreationAdapter {
 public:
  Builder(Drawing& drawing, const std::string& path) : drawing_(drawing), path_(path) {}

  // The line on which the entity being completed started, and its groups.
  int entity_line = 0;
  const RawGroups* raw = nullptr;
  LoadReport report;

  void addLayer(const DL_LayerData& data) override {
    const std::u16string name = DecodeDxfText(data.name);
    Layer* layer = drawing_.FindLayerByName(name);
    if (layer == nullptr) layer = &drawing_.AddLayer(name);
    layer->locked = (data.flags & 4) != 0;
    const int color = std::abs(attributes.getColor());  // negative: the layer is off
    layer->color = color >= 1 && color <= 255 ? color : 7;
    const std::string ltype = attributes.getLinetype();
    layer->ltype = ltype == "BYLAYER" || ltype == "BYBLOCK" ? 0 : drawing_.LineTypeNo(ltype);
    layer->width = std::max(attributes.getWidth(), 0);
  }

  void addLinetype(const DL_LinetypeData& data) override {
    // BYLAYER and BYBLOCK are table entries by convention, not line types of their own.
    if (data.name == "BYLAYER" || data.name == "BYBLOCK") return;
    pending_linetype_ = data.name;
    pending_dashes_.clear();
    dashes_left_ = data.numberOfDashes;
    if (dashes_left_ == 0) FlushLinetype();
  }

  void addLinetypeDash(double length) override {
    pending_dashes_.push_back(length);
    if (--dashes_left_ == 0) FlushLinetype();
  }

  void addBlock(const DL_BlockData&) override { in_block_ = true; }
  void endBlock() override { in_block_ = false; }

  void addPoint(const DL_PointData& data) override {
    Take(MakePoint(data.x, data.y), {data.x, data.y});
  }

  void addLine(const DL_LineData& data) override {
    Take(MakeLine(data.x1, data.y1, data.x2, data.y2), {data.x1, data.y1, data.x2, data.y2});
  }

  void addCircle(const DL_CircleData& data) override {
    Take(MakeCircle(data.cx, data.cy, data.radius), {data.cx, data.cy, data.radius});
  }

  void addArc(const DL_ArcData& data) override {
    const double start = RawNumber(*raw, 50).value_or(data.angle1);
    const double end = RawNumber(*raw, 51).value_or(data.angle2);
    Take(MakeArc(data.cx, data.cy, data.radius, start, end),
         {data.cx, data.cy, data.radius, start, end});
  }

  void addText(const DL_TextData& data) override {
    const int h = data.hJustification;
    const int v = data.vJustification;
    const bool at_insertion = (h == 0 && v == 0) || h == 3 || h == 5;
    const double x = at_insertion ? data.ipx : data.apx;
    const double y = at_insertion ? data.ipy : data.apy;
    const int column = h == 1 || h == 4 ? 1 : h == 2 ? 2 : 0;
    const int row = h == 4 ? 1 : v >= 1 ? v - 1 : 0;
    const double angle = RawNumber(*raw, 50).value_or(0.0);
    AddText(DecodeDxfText(data.text), x, y, data.height, angle, row * 3 + column + 1);
  }

  void addMTextChunk(const std::string& text) override { mtext_chunks_ += text; }

  void addMText(const DL_MTextData& data) override {
    std::u16string text = DecodeDxfText(mtext_chunks_ + data.text);
    mtext_chunks_.clear();
    for (std::size_t at = text.find(u"\\P"); at != std::u16string::npos;
         at = text.find(u"\\P", at + 2)) {
      text.replace(at, 2, u"\r\n");
    }
    // Attachment points 1..9 run from the top left; reference points 1..9 from the bottom left.
    const int attachment =
        data.attachmentPoint >= 1 && data.attachmentPoint <= 9 ? data.attachmentPoint - 1 : 0;
    const int genten = (2 - attachment / 3) * 3 + attachment % 3 + 1;
    const double angle = data.angle * 180.0 / std::numbers::pi;
    AddText(std::move(text), data.ipx, data.ipy, data.height, angle, genten);
  }

  // Every other kind of entity is left out and counted.
  void addXLine(const DL_XLineData&) override { Skip(); }
  void addRay(const DL_RayData&) override { Skip(); }
  void addPolyline(const DL_PolylineData&) override { Skip(); }
  void addSpline(const DL_SplineData&) override { Skip(); }
  void addEllipse(const DL_EllipseData&) override { Skip(); }
  void addInsert(const DL_InsertData&) override { Skip(); }
  void addTrace(const DL_TraceData&) override { Skip(); }
  void add3dFace(const DL_3dFaceData&) override { Skip(); }
  void addSolid(const DL_SolidData&) override { Skip(); }
  void addHatch(const DL_HatchData&) override { Skip(); }
  void addImage(const DL_ImageData&) override { Skip(); }
  void addLeader(const DL_LeaderData&) override { Skip(); }
  void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { Skip(); }
  void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { Skip(); }
  void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { Skip(); }
  void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override { Skip(); }
  void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override { Skip(); }
  void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override { Skip(); }
  void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override { Skip(); }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw DrawingFileError(path_ + ":" + std::to_string(entity_line) + ": " + what);
  }

  bool InModelSpace() const { return !in_block_ && !attributes.isInPaperSpace(); }

  void Skip() {
    if (InModelSpace()) ++report.skipped;
  }

  void FlushLinetype() {
    drawing_.LineTypeNo(pending_linetype_, pending_dashes_);
    pending_linetype_.clear();
  }

  void AddText(std::u16string text, double x, double y, double height, double angle, int genten) {
    Take(MakeText(std::move(text), x, y, height, angle, genten), {x, y, height, angle});
  }

  // Gives the entity the attributes of the groups just read, resolving "by layer".
  void Take(Entity entity, std::initializer_list<double> numbers) {
    if (!InModelSpace()) return;
    for (const double number : numbers) {
      if (!std::isfinite(number)) Fail("a coordinate is not a finite number");
    }
    const Layer* layer = LayerOf(attributes.getLayer());
    entity.header.layer = layer->no;
    const int color = attributes.getColor();
    entity.header.color = color == 256 || color < 0 ? layer->color : color == 0 ? 7 : color;
    const std::string ltype = attributes.getLinetype();
    entity.header.ltype = ltype == "BYLAYER"   ? layer->ltype
                          : ltype == "BYBLOCK" ? 0
                                               : LineTypeOf(ltype);
    const int width = attributes.getWidth();
    entity.header.width = width == -1 ? layer->width : std::max(width, 0);
    drawing_.AddLoaded(std::move(entity));
    ++report.entities;
  }

  // Consecutive entities mostly share a layer and a line type: the last ones are remembered.
  const Layer* LayerOf(const std::string& name) {
    if (last_layer_ != nullptr && name == last_layer_name_) return last_layer_;
    const std::u16string decoded = DecodeDxfText(name);
    Layer* layer = drawing_.FindLayerByName(decoded.empty() ? u"0" : decoded);
    if (layer == nullptr) layer = &drawing_.AddLayer(decoded);
    last_layer_name_ = name;
    last_layer_ = layer;
    return layer;
  }

  std::int32_t LineTypeOf(const std::string& name) {
    if (last_ltype_name_.empty() || name != last_ltype_name_) {
      last_ltype_ = drawing_.LineTypeNo(name);
      last_ltype_name_ = name;
    }
    return last_ltype_;
  }

  Drawing& drawing_;
  const std::string& path_;
  std::string last_layer_name_;
  const Layer* last_layer_ = nullptr;
  std::string last_ltype_name_;
  std::int32_t last_ltype_ = 0;
  bool in_block_ = false;
  std::string mtext_chunks_;
  std::string pending_linetype_;
  std::vector<double> pending_dashes_;
  int dashes_left_ = 0;
};

}  // namespace

LoadReport ReadDxf(const std::string& path, Drawing& drawing, const LoadProgress& progress) {
  const std::string content = ReadWholeFile(path);
  if (content.find_first_not_of(" \t\r\n") == std::string::npos)
    throw DrawingFileError(path + ":1: the file is empty");
  DL_Dxf dxf;
  Builder builder(drawing, path);
  RawGroups raw;
  builder.raw = &raw;

  std::string_view rest = content;
  int line = 0;
  int entity_start = 1;
  constexpr int kLinesPerReport = 1 << 18;
  int next_report = kLinesPerReport;
  const auto next_line = [&]() -> std::optional<std::string_view> {
    if (rest.empty()) return std::nullopt;
    const std::size_t end = rest.find('\n');
    const std::string_view text = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    ++line;
    return text;
  };
  std::string value;
  bool ended = false;
  while (!ended) {
    const auto code_text = next_line();
    if (!code_text) break;
    const std::string_view code_trimmed = Trim(*code_text);
    if (code_trimmed.empty() && rest.empty()) break;  // a final blank line
    int code = 0;
    const auto parsed =
        std::from_chars(code_trimmed.data(), code_trimmed.data() + code_trimmed.size(), code);
    if (parsed.ec != std::errc() || parsed.ptr != code_trimmed.data() + code_trimmed.size() ||
        code < 0)
      throw DrawingFileError(path + ":" + std::to_string(line) +
                             ": a group code was expected, not \"" +
                             std::string(code_trimmed.substr(0, 40)) + "\"");
    const int code_line = line;
    const auto value_text = next_line();
    if (!value_text)
      throw DrawingFileError(path + ":" + std::to_string(code_line) + ": group code " +
                             std::to_string(code) + " has no value");
    const bool is_text = code == 1 || code == 3;
    const std::string_view trimmed =
        is_text ? value_text->substr(0, value_text->find('\r')) : Trim(*value_text);
    if (IsRealCode(code) || IsIntegerCode(code)) {
      double number = 0;
      const auto result = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
      if (result.ec != std::errc() || result.ptr != trimmed.data() + trimmed.size() ||
          !std::isfinite(number))
        throw DrawingFileError(path + ":" + std::to_string(line) + ": group code " +
                               std::to_string(code) + " needs a number, not \"" +
                               std::string(trimmed.substr(0, 40)) + "\"");
    }
    value.assign(trimmed);
    if (code == 0) {
      builder.entity_line = entity_start;
      dxf.processDXFGroup(&builder, code, value);
      raw.clear();
      entity_start = code_line;
      ended = value == "EOF";
      if (progress && line >= next_report) {
        progress(static_cast<double>(content.size() - rest.size()) /
                 static_cast<double>(content.size()));
        next_report = line + kLinesPerReport;
      }
    } else {
      raw.emplace_back(code, trimmed);
      dxf.processDXFGroup(&builder, code, value);
    }
  }
  if (!ended)
    throw DrawingFileError(path + ":" + std::to_string(line) + ": the file ends without EOF");
  drawing.FinishLoading();
  if (progress) progress(1.0);
  return builder.report;
}

}  // namespace host
