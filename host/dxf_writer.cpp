// Writing DXF drawings: dxflib writes the sections and tables; the entities' numbers are
// written here at full precision, which dxflib's own entity writers do not keep.
#include <dxflib/dl_dxf.h>

#include <filesystem>
#include <memory>
#include <span>

#include "drawing_files.h"
#include "dxf_text.h"
#include "text_utf.h"

namespace host {
namespace {

class EntityWriter {
 public:
  EntityWriter(DL_WriterA& writer, const Drawing& drawing) : w_(writer), drawing_(drawing) {}

  void Write(const Entity& entity) {
    const auto& d = entity.d;
    switch (entity.header.id) {
      case kind::kPoint:
        Begin("POINT", "AcDbPoint", entity);
        Point(10, d[slot::kX], d[slot::kY]);
        break;
      case kind::kLine:
        Begin("LINE", "AcDbLine", entity);
        Point(10, d[slot::kX], d[slot::kY]);
        Point(11, d[slot::kLineX2], d[slot::kLineY2]);
        break;
      case kind::kCircle:
        Begin("CIRCLE", "AcDbCircle", entity);
        Point(10, d[slot::kX], d[slot::kY]);
        Real(40, d[slot::kRadius]);
        break;
      case kind::kArc:
        Begin("ARC", "AcDbCircle", entity);
        Point(10, d[slot::kX], d[slot::kY]);
        Real(40, d[slot::kRadius]);
        w_.dxfString(100, "AcDbArc");
        Real(50, d[slot::kStart]);
        Real(51, d[slot::kEnd]);
        break;
      default:
        if (IsTextId(entity.header.id)) WriteText(entity);
        break;
    }
  }

 private:
  // TEXT anchored at its reference point: justification from the keypad layout, bottom row
  // first; both the insertion and the alignment point are the reference point.
  void WriteText(const Entity& entity) {
    const auto& d = entity.d;
    std::int32_t genten = entity.l[slot::kTextGenten];
    if (genten < 1 || genten > 9) genten = 1;
    Begin("TEXT", "AcDbText", entity);
    Point(10, d[slot::kX], d[slot::kY]);
    Real(40, d[slot::kTextHeight]);
    w_.dxfString(1, EncodeDxfText(entity.s[slot::kTextString]));
    Real(50, d[slot::kTextAngle]);
    w_.dxfString(7, "STANDARD");
    w_.dxfInt(72, (genten - 1) % 3);
    Point(11, d[slot::kX], d[slot::kY]);
    w_.dxfString(100, "AcDbText");
    w_.dxfInt(73, (genten - 1) / 3 + 1);
  }

  void Begin(const char* type, const char* subclass, const Entity& entity) {
    w_.entity(type);
    w_.dxfString(100, "AcDbEntity");
    const Layer* layer = drawing_.FindLayer(entity.header.layer);
    const std::string layer_name = EncodeDxfText(layer ? layer->name : u"0");
    const auto& linetypes = drawing_.linetypes();
    const std::size_t ltype = static_cast<std::size_t>(entity.header.ltype);
    const std::string ltype_name = ltype < linetypes.size() ? linetypes[ltype].name : "CONTINUOUS";
    const int color =
        entity.header.color >= 1 && entity.header.color <= 255 ? entity.header.color : 7;
    w_.entityAttributes(DL_Attributes(layer_name, color, entity.header.width, ltype_name, 1.0));
    w_.dxfString(100, subclass);
  }

  void Real(int code, double value) { w_.dxfString(code, FormatNumber(value)); }
  void Point(int code, double x, double y) {
    Real(code, x);
    Real(code + 10, y);
    Real(code + 20, 0.0);
  }

  DL_WriterA& w_;
  const Drawing& drawing_;
};

void WriteTables(DL_Dxf& dxf, DL_WriterA& w, const Drawing& drawing) {
  w.sectionTables();
  dxf.writeVPort(w);

  const auto& linetypes = drawing.linetypes();
  // Line type 0 is BYLAYER, written here with BYBLOCK.
  w.tableLinetypes(static_cast<int>(linetypes.size()) + 1);
  dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  for (const auto& ltype : std::span(linetypes).subspan(1)) {
    std::vector<double> pattern = ltype.pattern;
    double length = 0;
    for (const double dash : pattern) length += std::abs(dash);
    dxf.writeLinetype(
        w, DL_LinetypeData(ltype.name, ltype.name, 0, static_cast<int>(pattern.size()), length,
                           pattern.empty() ? nullptr : pattern.data()));
  }
  w.tableEnd();

  w.tableLayers(static_cast<int>(drawing.layers().size()));
  for (const auto& layer : drawing.layers()) {
    const std::size_t ltype = static_cast<std::size_t>(layer.ltype);
    dxf.writeLayer(
        w, DL_LayerData(EncodeDxfText(layer.name), layer.locked ? 4 : 0),
        DL_Attributes("", layer.color, layer.width,
                      ltype < linetypes.size() ? linetypes[ltype].name : "CONTINUOUS", 1.0));
  }
  w.tableEnd();

  w.tableStyle(1);
  dxf.writeStyle(w, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
  w.tableEnd();
  dxf.writeView(w);
  dxf.writeUcs(w);
  w.tableAppid(1);
  dxf.writeAppid(w, "ACAD");
  w.tableEnd();
  dxf.writeDimStyle(w, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(w);
  w.tableEnd();
  w.sectionEnd();
}

}  // namespace

void WriteDxf(const std::string& path, const Drawing& drawing) {
  const std::filesystem::path target(path);
  const std::filesystem::path temporary(PartialPathFor(path));
  {
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> w(dxf.out(temporary.string().c_str(), DL_VERSION_2000));
    if (!w) throw std::runtime_error(path + ": cannot be written");
    dxf.writeHeader(*w);
    w->sectionEnd();
    WriteTables(dxf, *w, drawing);
    w->sectionBlocks();
    dxf.writeBlock(*w, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*w, "*Model_Space");
    dxf.writeBlock(*w, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*w, "*Paper_Space");
    w->sectionEnd();
    w->sectionEntities();
    EntityWriter entities(*w, drawing);
    for (const auto& entity : drawing.entities()) {
      if (entity.live()) entities.Write(entity);
    }
    w->sectionEnd();
    dxf.writeObjects(*w);
    dxf.writeObjectsEnd(*w);
    w->dxfEOF();
    w->close();
  }
  std::error_code failure;
  std::filesystem::rename(temporary, target, failure);
  if (failure) {
    std::filesystem::remove(temporary, failure);
    throw std::runtime_error(path + ": cannot be written");
  }
}

}  // namespace host
