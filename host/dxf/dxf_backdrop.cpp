// Drawing the kinds the host's model does not hold, for pictures only. Curves become paths of
// short segments; block references place their block's contents through an affine transform
// built from insertion point, scale, rotation and extrusion.
#include "dxf/dxf_backdrop.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

#include "drawing_files.h"
#include "dxf/dxf_model_entities.h"
#include "dxf/dxf_ocs.h"

namespace host::dxf {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kMaxNesting = 16;
// A drawing whose references multiply beyond this many drawn items is drawn in part.
constexpr std::size_t kMaxItems = 2'000'000;

// x' = m * (x, y, z, 1)
struct Affine {
  double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

  Vec3 Apply(const Vec3& p) const {
    Vec3 out{};
    for (int r = 0; r < 3; ++r) out[r] = m[r][0] * p[0] + m[r][1] * p[1] + m[r][2] * p[2] + m[r][3];
    return out;
  }
  Vec3 Direction(const Vec3& v) const {
    Vec3 out{};
    for (int r = 0; r < 3; ++r) out[r] = m[r][0] * v[0] + m[r][1] * v[1] + m[r][2] * v[2];
    return out;
  }
  // this after `inner`
  Affine Then(const Affine& inner) const {
    Affine out;
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 4; ++c) {
        double sum = c == 3 ? m[r][3] : 0;
        for (int k = 0; k < 3; ++k) sum += m[r][k] * inner.m[k][c];
        out.m[r][c] = sum;
      }
    }
    return out;
  }
};

Affine Translation(double x, double y, double z) {
  Affine a;
  a.m[0][3] = x;
  a.m[1][3] = y;
  a.m[2][3] = z;
  return a;
}

Affine Scaling(double x, double y, double z) {
  Affine a;
  a.m[0][0] = x;
  a.m[1][1] = y;
  a.m[2][2] = z;
  return a;
}

Affine Rotation(double degrees) {
  const double r = degrees * kPi / 180;
  Affine a;
  a.m[0][0] = std::cos(r);
  a.m[0][1] = -std::sin(r);
  a.m[1][0] = std::sin(r);
  a.m[1][1] = std::cos(r);
  return a;
}

Affine OcsAffine(const Ocs& ocs) {
  Affine a;
  const Vec3 x = ocs.ToWorld({1, 0, 0});
  const Vec3 y = ocs.ToWorld({0, 1, 0});
  const Vec3 z = ocs.ToWorld({0, 0, 1});
  for (int r = 0; r < 3; ++r) {
    a.m[r][0] = x[r];
    a.m[r][1] = y[r];
    a.m[r][2] = z[r];
  }
  return a;
}

// The records of a span: the entity and those it owns.
std::vector<Record> RecordsOf(const Document& doc, const Span& span) {
  Record all;
  ReadRecordAt(doc.content, span.begin, span.end, doc.name, all);
  std::vector<Record> records;
  for (const Group& group : all.groups) {
    if (group.code == 0) {
      records.emplace_back();
      records.back().file = &doc.name;
    }
    if (!records.empty()) records.back().groups.push_back(group);
  }
  return records;
}

// Attributes that block contents inherit: on layer 0 they take the reference's layer, and
// colour "by block" takes the reference's colour.
struct Inherited {
  std::int32_t layer = 0;
  std::int32_t color = 7;
  bool in_block = false;
};

using Points = std::vector<Vec3>;

void ArcPoints(Points& out, double cx, double cy, double z, double r, double start_deg,
               double sweep_deg) {
  const int steps = std::clamp(static_cast<int>(std::ceil(std::abs(sweep_deg) / 5)), 2, 144);
  for (int i = 0; i <= steps; ++i) {
    const double a = (start_deg + sweep_deg * i / steps) * kPi / 180;
    out.push_back({cx + r * std::cos(a), cy + r * std::sin(a), z});
  }
}

double Sweep(double start, double end) {
  double sweep = std::fmod(end - start, 360.0);
  if (sweep <= 0) sweep += 360;
  return sweep;
}

// The points of a bulged segment from a to b (bulge = tan of a quarter of the included angle).
void BulgePoints(Points& out, const Vec3& a, const Vec3& b, double bulge) {
  if (std::abs(bulge) < 1e-12) {
    out.push_back(b);
    return;
  }
  const double dx = b[0] - a[0];
  const double dy = b[1] - a[1];
  const double chord = std::hypot(dx, dy);
  if (chord == 0) return;
  const double angle = 4 * std::atan(bulge);
  const double radius = chord / (2 * std::sin(angle / 2));
  const double mx = (a[0] + b[0]) / 2;
  const double my = (a[1] + b[1]) / 2;
  const double sagitta = radius * std::cos(angle / 2);
  const double cx = mx - dy / chord * sagitta;
  const double cy = my + dx / chord * sagitta;
  const double start = std::atan2(a[1] - cy, a[0] - cx) * 180 / kPi;
  Points arc;
  ArcPoints(arc, cx, cy, a[2], std::abs(radius), start, angle * 180 / kPi);
  out.insert(out.end(), arc.begin() + 1, arc.end());
}

// A B-spline of the given degree through de Boor's algorithm, with weights when rational.
Points SplinePoints(int degree, const std::vector<double>& knots, const Points& control,
                    const std::vector<double>& weights) {
  Points out;
  const std::size_t n = control.size();
  if (degree < 1 || n <= static_cast<std::size_t>(degree) || knots.size() != n + degree + 1)
    return control;
  const bool rational = weights.size() == n;
  const double t0 = knots[static_cast<std::size_t>(degree)];
  const double t1 = knots[n];
  const int samples = static_cast<int>(std::min<std::size_t>(n * 8, 2000));
  for (int s = 0; s <= samples; ++s) {
    const double t = t0 + (t1 - t0) * s / samples;
    std::size_t k = static_cast<std::size_t>(degree);
    while (k + 1 < n && t >= knots[k + 1]) ++k;
    std::vector<std::array<double, 4>> d;
    for (std::size_t j = 0; j <= static_cast<std::size_t>(degree); ++j) {
      const Vec3& p = control[k - static_cast<std::size_t>(degree) + j];
      const double w = rational ? weights[k - static_cast<std::size_t>(degree) + j] : 1.0;
      d.push_back({p[0] * w, p[1] * w, p[2] * w, w});
    }
    for (int r = 1; r <= degree; ++r) {
      for (int j = degree; j >= r; --j) {
        const std::size_t i = k - static_cast<std::size_t>(degree) + static_cast<std::size_t>(j);
        const double denominator = knots[i + static_cast<std::size_t>(degree - r) + 1] - knots[i];
        const double alpha = denominator == 0 ? 0 : (t - knots[i]) / denominator;
        for (int c = 0; c < 4; ++c)
          d[static_cast<std::size_t>(j)][static_cast<std::size_t>(c)] =
              (1 - alpha) * d[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(c)] +
              alpha * d[static_cast<std::size_t>(j)][static_cast<std::size_t>(c)];
      }
    }
    const auto& p = d[static_cast<std::size_t>(degree)];
    if (p[3] != 0) out.push_back({p[0] / p[3], p[1] / p[3], p[2] / p[3]});
  }
  return out;
}

class Painter {
 public:
  Painter(const Document& doc, Drawing& drawing) : doc_(doc), drawing_(drawing) {}

  void Draw(const std::vector<Record>& records, const Affine& transform, const Inherited& from,
            int depth) {
    if (records.empty() || Full()) return;
    const Record& record = records.front();
    const std::string_view type = record.type();
    try {
      const Inherited at = Attributes(record, from);
      if (Hidden(at.layer)) return;
      if (type == "LINE" || type == "ARC" || type == "CIRCLE" || type == "POINT" ||
          type == "TEXT" || type == "MTEXT" || type == "ATTRIB") {
        ModelKind(record, transform, at);
      } else if (type == "LWPOLYLINE") {
        LwPolyline(record, transform, at);
      } else if (type == "POLYLINE") {
        Polyline(records, transform, at);
      } else if (type == "ELLIPSE") {
        Ellipse(record, transform, at);
      } else if (type == "SPLINE") {
        Spline(record, transform, at);
      } else if (type == "SOLID" || type == "TRACE" || type == "3DFACE") {
        Face(record, transform, at);
      } else if (type == "LEADER") {
        Leader(record, transform, at);
      } else if (type == "HATCH") {
        Hatch(record, transform, at);
      } else if (type == "INSERT") {
        Insert(records, transform, from, at, depth);
      } else if (type == "DIMENSION") {
        BlockContents(record.Text(2), transform, at, depth);
      }
    } catch (const DrawingFileError&) {
      // A record with values that are not numbers is left out of the picture only.
    }
  }

 private:
  bool Full() const {
    return drawing_.backdrop.paths.size() + drawing_.backdrop.entities.size() >= kMaxItems;
  }

  const Layer& LayerNamed(std::string_view raw, const Inherited& from) {
    std::u16string name = doc_.codec->Decode(raw);
    if (name.empty()) name = u"0";
    if (from.in_block && name == u"0") return *drawing_.FindLayer(from.layer);
    Layer* layer = drawing_.FindLayerByName(name);
    return layer != nullptr ? *layer : drawing_.AddLayer(name);
  }

  // Layers that are off or frozen are not drawn; block contents on layer 0 follow the
  // reference's layer.
  bool Hidden(std::int32_t no) const {
    const Layer* layer = drawing_.FindLayer(no);
    return layer != nullptr && (layer->off || layer->frozen);
  }

  Inherited Attributes(const Record& record, const Inherited& from) {
    const Layer& layer = LayerNamed(record.Text(8, "0"), from);
    const std::int64_t colour = record.Integer(62, 256);
    Inherited out;
    out.layer = layer.no;
    out.color = colour == 0                    ? from.color
                : colour >= 1 && colour <= 255 ? static_cast<std::int32_t>(colour)
                                               : layer.color;
    out.in_block = true;
    return out;
  }

  void AddPath(const Points& points, bool closed, const Affine& transform, const Inherited& at) {
    if (points.size() < 2) return;
    BackdropPath path;
    path.closed = closed;
    path.layer = at.layer;
    path.color = at.color;
    if (const Layer* layer = drawing_.FindLayer(at.layer)) {
      path.ltype = layer->ltype;
      path.width = layer->width;
    }
    path.points.reserve(points.size());
    for (const Vec3& p : points) {
      const Vec3 w = transform.Apply(p);
      if (!std::isfinite(w[0]) || !std::isfinite(w[1])) return;
      path.points.push_back({w[0], w[1]});
    }
    drawing_.backdrop.paths.push_back(std::move(path));
  }

  void ModelKind(const Record& record, const Affine& transform, const Inherited& at) {
    const std::string_view type = record.type();
    if (type == "ATTRIB" && (record.Integer(70, 0) & 1) != 0) return;  // invisible
    std::optional<Entity> entity;
    if (type == "ATTRIB") {
      Record as_text = record;
      as_text.groups[0].value = "TEXT";
      // An attribute's vertical alignment is group 74 where a text has 73.
      for (Group& group : as_text.groups) {
        if (group.code == 73) group.code = -73;
        if (group.code == 74) group.code = 73;
      }
      entity = ModelEntity(as_text, *doc_.codec);
    } else {
      entity = ModelEntity(record, *doc_.codec);
    }
    if (!entity) return;
    const auto& d = entity->d;
    Points points;
    switch (entity->header.id) {
      case kind::kLine:
        AddPath({{d[slot::kX], d[slot::kY], 0}, {d[slot::kLineX2], d[slot::kLineY2], 0}}, false,
                transform, at);
        return;
      case kind::kCircle:
        ArcPoints(points, d[slot::kX], d[slot::kY], 0, d[slot::kRadius], 0, 360);
        AddPath(points, true, transform, at);
        return;
      case kind::kArc:
        ArcPoints(points, d[slot::kX], d[slot::kY], 0, d[slot::kRadius], d[slot::kStart],
                  Sweep(d[slot::kStart], d[slot::kEnd]));
        AddPath(points, false, transform, at);
        return;
      default:
        break;
    }
    // Points and texts stay drawn kinds, placed through the transform.
    const Vec3 place = transform.Apply({d[slot::kX], d[slot::kY], 0});
    entity->d[slot::kX] = place[0];
    entity->d[slot::kY] = place[1];
    if (IsTextId(entity->header.id)) {
      const double angle = d[slot::kTextAngle] * kPi / 180;
      const Vec3 along = transform.Direction({std::cos(angle), std::sin(angle), 0});
      const Vec3 up = transform.Direction({-std::sin(angle), std::cos(angle), 0});
      entity->d[slot::kTextAngle] = std::atan2(along[1], along[0]) * 180 / kPi;
      entity->d[slot::kTextHeight] *= std::hypot(up[0], up[1]);
    }
    entity->header.layer = at.layer;
    entity->header.color = at.color;
    drawing_.backdrop.entities.push_back(std::move(*entity));
  }

  void LwPolyline(const Record& record, const Affine& transform, const Inherited& at) {
    const Ocs ocs(record);
    const double z = record.Real(38);
    Points vertices;
    std::vector<double> bulges;
    ForEachDataGroup(record, [&](const Group& group) {
      if (group.code == 10) {
        vertices.push_back({ParseReal(group.value).value_or(0), 0, z});
        bulges.push_back(0);
      } else if (group.code == 20 && !vertices.empty()) {
        vertices.back()[1] = ParseReal(group.value).value_or(0);
      } else if (group.code == 42 && !bulges.empty()) {
        bulges.back() = ParseReal(group.value).value_or(0);
      }
    });
    const bool closed = (record.Integer(70, 0) & 1) != 0;
    AddPath(BulgedPath(vertices, bulges, closed), closed, transform.Then(OcsAffine(ocs)), at);
  }

  static Points BulgedPath(const Points& vertices, const std::vector<double>& bulges, bool closed) {
    Points points;
    if (vertices.empty()) return points;
    points.push_back(vertices.front());
    for (std::size_t i = 0; i + 1 < vertices.size(); ++i)
      BulgePoints(points, vertices[i], vertices[i + 1], bulges[i]);
    if (closed && vertices.size() > 2)
      BulgePoints(points, vertices.back(), vertices.front(), bulges.back());
    return points;
  }

  void Polyline(const std::vector<Record>& records, const Affine& transform, const Inherited& at) {
    const Record& head = records.front();
    const std::int64_t flags = head.Integer(70, 0);
    const bool world = (flags & (8 | 16 | 64)) != 0;
    const Affine placed = world ? transform : transform.Then(OcsAffine(Ocs(head)));
    const double elevation = head.Real(30);
    Points vertices;
    std::vector<double> bulges;
    std::vector<std::array<std::int64_t, 4>> faces;
    for (std::size_t i = 1; i < records.size(); ++i) {
      const Record& vertex = records[i];
      if (vertex.type() != "VERTEX") continue;
      const std::int64_t vertex_flags = vertex.Integer(70, 0);
      if ((flags & 64) != 0 && (vertex_flags & 128) != 0 && (vertex_flags & 64) == 0) {
        faces.push_back(
            {vertex.Integer(71), vertex.Integer(72), vertex.Integer(73), vertex.Integer(74)});
        continue;
      }
      if ((vertex_flags & 16) != 0) continue;  // a spline's frame, not on the curve
      vertices.push_back({vertex.Real(10), vertex.Real(20), world ? vertex.Real(30) : elevation});
      bulges.push_back(vertex.Real(42));
    }
    if ((flags & 64) != 0) {
      for (const auto& face : faces) {
        Points outline;
        for (const std::int64_t index : face) {
          const std::int64_t k = index < 0 ? -index : index;
          if (k >= 1 && static_cast<std::size_t>(k) <= vertices.size())
            outline.push_back(vertices[static_cast<std::size_t>(k - 1)]);
        }
        AddPath(outline, true, placed, at);
      }
      return;
    }
    if ((flags & 16) != 0) {
      // A mesh of M rows of N vertices: its rows and columns.
      const std::int64_t m = head.Integer(71, 0);
      const std::int64_t n = head.Integer(72, 0);
      if (m < 1 || n < 1 || static_cast<std::size_t>(m * n) > vertices.size()) return;
      for (std::int64_t r = 0; r < m; ++r) {
        AddPath(Points(vertices.begin() + r * n, vertices.begin() + (r + 1) * n), false, placed,
                at);
      }
      for (std::int64_t c = 0; c < n; ++c) {
        Points column;
        for (std::int64_t r = 0; r < m; ++r)
          column.push_back(vertices[static_cast<std::size_t>(r * n + c)]);
        AddPath(column, false, placed, at);
      }
      return;
    }
    const bool closed = (flags & 1) != 0;
    AddPath(BulgedPath(vertices, bulges, closed), closed, placed, at);
  }

  void Ellipse(const Record& record, const Affine& transform, const Inherited& at) {
    const Vec3 centre{record.Real(10), record.Real(20), record.Real(30)};
    const Vec3 major{record.Real(11), record.Real(21), record.Real(31)};
    const Vec3 normal{record.Real(210, 0), record.Real(220, 0), record.Real(230, 1)};
    const double ratio = record.Real(40, 1);
    const Vec3 minor{(normal[1] * major[2] - normal[2] * major[1]) * ratio,
                     (normal[2] * major[0] - normal[0] * major[2]) * ratio,
                     (normal[0] * major[1] - normal[1] * major[0]) * ratio};
    const double start = record.Real(41, 0);
    double end = record.Real(42, 2 * kPi);
    if (end <= start) end += 2 * kPi;
    const int steps = std::clamp(static_cast<int>((end - start) / (2 * kPi) * 72), 4, 144);
    Points points;
    for (int i = 0; i <= steps; ++i) {
      const double t = start + (end - start) * i / steps;
      points.push_back({centre[0] + major[0] * std::cos(t) + minor[0] * std::sin(t),
                        centre[1] + major[1] * std::cos(t) + minor[1] * std::sin(t),
                        centre[2] + major[2] * std::cos(t) + minor[2] * std::sin(t)});
    }
    AddPath(points, false, transform, at);
  }

  void Spline(const Record& record, const Affine& transform, const Inherited& at) {
    std::vector<double> knots;
    std::vector<double> weights;
    Points control;
    Points fit;
    ForEachDataGroup(record, [&](const Group& group) {
      const double value = ParseReal(group.value).value_or(0);
      switch (group.code) {
        case 40:
          knots.push_back(value);
          break;
        case 41:
          weights.push_back(value);
          break;
        case 10:
          control.push_back({value, 0, 0});
          break;
        case 20:
          if (!control.empty()) control.back()[1] = value;
          break;
        case 30:
          if (!control.empty()) control.back()[2] = value;
          break;
        case 11:
          fit.push_back({value, 0, 0});
          break;
        case 21:
          if (!fit.empty()) fit.back()[1] = value;
          break;
        default:
          break;
      }
    });
    const int degree = static_cast<int>(std::clamp<std::int64_t>(record.Integer(71, 3), 1, 25));
    const Points points = control.empty() ? fit : SplinePoints(degree, knots, control, weights);
    AddPath(points, (record.Integer(70, 0) & 1) != 0, transform, at);
  }

  void Face(const Record& record, const Affine& transform, const Inherited& at) {
    const bool planar = record.type() != "3DFACE";
    Points corners;
    for (const int code : {10, 11, 12, 13}) {
      if (record.Find(code) == nullptr) continue;
      corners.push_back({record.Real(code), record.Real(code + 10), record.Real(code + 20)});
    }
    // A solid's third and fourth corners are written crosswise.
    if (planar && corners.size() == 4) std::swap(corners[2], corners[3]);
    const Affine placed = planar ? transform.Then(OcsAffine(Ocs(record))) : transform;
    AddPath(corners, true, placed, at);
  }

  void Leader(const Record& record, const Affine& transform, const Inherited& at) {
    Points vertices;
    ForEachDataGroup(record, [&](const Group& group) {
      const double value = ParseReal(group.value).value_or(0);
      if (group.code == 10) vertices.push_back({value, 0, 0});
      if (group.code == 20 && !vertices.empty()) vertices.back()[1] = value;
      if (group.code == 30 && !vertices.empty()) vertices.back()[2] = value;
    });
    AddPath(vertices, false, transform, at);
  }

  // Hatch boundaries, read in the order the file writes them.
  void Hatch(const Record& record, const Affine& transform, const Inherited& at) {
    const Affine placed = transform.Then(OcsAffine(Ocs(record)));
    const double z = record.Real(30);
    const auto& groups = record.groups;
    std::size_t i = 0;
    const auto seek = [&](int code) {
      while (i < groups.size() && groups[i].code != code) ++i;
      return i < groups.size();
    };
    const auto real = [&](int code) -> double {
      if (!seek(code)) throw DrawingFileError(doc_.name + ": hatch boundary cut short");
      return ParseReal(groups[i++].value).value_or(0);
    };
    const auto integer = [&](int code) -> std::int64_t {
      if (!seek(code)) throw DrawingFileError(doc_.name + ": hatch boundary cut short");
      return ParseInteger(groups[i++].value).value_or(0);
    };
    const std::int64_t paths = integer(91);
    for (std::int64_t p = 0; p < paths && !Full(); ++p) {
      const std::int64_t type = integer(92);
      Points outline;
      if ((type & 2) != 0) {
        const bool has_bulge = integer(72) != 0;
        const bool closed = integer(73) != 0;
        const std::int64_t count = integer(93);
        Points vertices;
        std::vector<double> bulges;
        for (std::int64_t v = 0; v < count && v < 1'000'000; ++v) {
          const double x = real(10);
          const double y = real(20);
          vertices.push_back({x, y, z});
          bulges.push_back(0);
          if (has_bulge && i < groups.size() && groups[i].code == 42) bulges.back() = real(42);
        }
        AddPath(BulgedPath(vertices, bulges, closed), closed, placed, at);
        continue;
      }
      const std::int64_t edges = integer(93);
      for (std::int64_t e = 0; e < edges && e < 1'000'000; ++e) {
        const std::int64_t edge = integer(72);
        if (edge == 1) {
          const double x1 = real(10), y1 = real(20), x2 = real(11), y2 = real(21);
          if (outline.empty()) outline.push_back({x1, y1, z});
          outline.push_back({x2, y2, z});
        } else if (edge == 2) {
          const double cx = real(10), cy = real(20), r = real(40);
          const double start = real(50), end = real(51);
          // A clockwise edge gives its angles mirrored.
          const bool ccw = integer(73) != 0;
          ArcPoints(outline, cx, cy, z, r, ccw ? start : -start,
                    ccw ? Sweep(start, end) : -Sweep(start, end));
        } else if (edge == 3) {
          const double cx = real(10), cy = real(20), mx = real(11), my = real(21);
          const double ratio = real(40);
          const double start = real(50), end = real(51);
          const bool ccw = integer(73) != 0;
          const double from_angle = ccw ? start : -start;
          const double sweep = ccw ? Sweep(start, end) : -Sweep(start, end);
          const int steps = std::clamp(static_cast<int>(std::abs(sweep) / 5), 2, 144);
          for (int s = 0; s <= steps; ++s) {
            const double t = (from_angle + sweep * s / steps) * kPi / 180;
            outline.push_back({cx + mx * std::cos(t) - my * ratio * std::sin(t),
                               cy + my * std::cos(t) + mx * ratio * std::sin(t), z});
          }
        } else if (edge == 4) {
          const int degree = static_cast<int>(std::clamp<std::int64_t>(integer(94), 1, 25));
          const bool rational = integer(73) != 0;
          integer(74);
          const std::int64_t knot_count = integer(95);
          const std::int64_t control_count = integer(96);
          std::vector<double> knots;
          for (std::int64_t k = 0; k < knot_count && k < 100'000; ++k) knots.push_back(real(40));
          Points control;
          std::vector<double> weights;
          for (std::int64_t c = 0; c < control_count && c < 100'000; ++c) {
            const double x = real(10);
            const double y = real(20);
            control.push_back({x, y, z});
            if (rational && i < groups.size() && groups[i].code == 42) weights.push_back(real(42));
          }
          const Points curve = SplinePoints(degree, knots, control, weights);
          outline.insert(outline.end(), curve.begin(), curve.end());
        } else {
          break;
        }
      }
      AddPath(outline, true, placed, at);
    }
  }

  void Insert(const std::vector<Record>& records, const Affine& transform, const Inherited& from,
              const Inherited& at, int depth) {
    const Record& head = records.front();
    const Affine placed = transform.Then(OcsAffine(Ocs(head)));
    const double sx = head.Real(41, 1);
    const double sy = head.Real(42, 1);
    const double sz = head.Real(43, 1);
    const std::int64_t columns = std::max<std::int64_t>(head.Integer(70, 1), 1);
    const std::int64_t rows = std::max<std::int64_t>(head.Integer(71, 1), 1);
    const double column_spacing = head.Real(44, 0);
    const double row_spacing = head.Real(45, 0);
    const Affine base =
        Translation(head.Real(10), head.Real(20), head.Real(30)).Then(Rotation(head.Real(50)));
    const auto block = doc_.blocks.find(BlockKey(head.Text(2)));
    for (std::int64_t r = 0; r < rows && !Full(); ++r) {
      for (std::int64_t c = 0; c < columns && !Full(); ++c) {
        const Affine instance = placed.Then(base)
                                    .Then(Translation(static_cast<double>(c) * column_spacing,
                                                      static_cast<double>(r) * row_spacing, 0))
                                    .Then(Scaling(sx, sy, sz));
        if (block != doc_.blocks.end()) {
          const Affine from_base = instance.Then(
              Translation(-block->second.base[0], -block->second.base[1], -block->second.base[2]));
          DrawBlock(block->second, from_base, at, depth);
        }
      }
    }
    // The attributes that follow the reference stand where they are written.
    for (std::size_t i = 1; i < records.size(); ++i) {
      if (records[i].type() == "ATTRIB") Draw({records[i]}, transform, from, depth);
    }
  }

  std::u16string BlockKey(std::string_view raw) const {
    return UpperAscii(doc_.codec->Decode(raw));
  }

  void BlockContents(std::string_view raw, const Affine& transform, const Inherited& at,
                     int depth) {
    const auto block = doc_.blocks.find(BlockKey(raw));
    if (block != doc_.blocks.end()) DrawBlock(block->second, transform, at, depth);
  }

  void DrawBlock(const Block& block, const Affine& transform, const Inherited& at, int depth) {
    if (depth >= kMaxNesting) return;
    for (const std::vector<Record>& records : Contents(block)) {
      if (Full()) return;
      if (!records.empty() && records.front().type() == "ATTDEF") continue;
      Draw(records, transform, at, depth + 1);
    }
  }

  // A block's entities with the records each owns, read from the file once however often the
  // block is placed.
  const std::vector<std::vector<Record>>& Contents(const Block& block) {
    auto [found, added] = contents_.try_emplace(&block);
    if (added) {
      for (const Span& span : block.entities) found->second.push_back(RecordsOf(doc_, span));
    }
    return found->second;
  }

  const Document& doc_;
  Drawing& drawing_;
  std::map<const Block*, std::vector<std::vector<Record>>> contents_;
};

}  // namespace

bool IsBackdropKind(std::string_view type) {
  return type == "LWPOLYLINE" || type == "POLYLINE" || type == "INSERT" || type == "ELLIPSE" ||
         type == "SPLINE" || type == "SOLID" || type == "TRACE" || type == "3DFACE" ||
         type == "HATCH" || type == "DIMENSION" || type == "LEADER";
}

void BuildBackdrop(const Document& document, const std::vector<Span>& records, Drawing& drawing) {
  Painter painter(document, drawing);
  for (const Span& span : records) painter.Draw(RecordsOf(document, span), Affine{}, {}, 0);
}

}  // namespace host::dxf
