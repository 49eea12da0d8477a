#include "dxf/dxf_model_entities.h"

#include <cmath>
#include <numbers>

#include "dxf/dxf_ocs.h"

namespace host::dxf {
namespace {

Vec3 PointOf(const Record& record, int code) {
  return {record.Real(code), record.Real(code + 10), record.Real(code + 20)};
}

// A TEXT string with its %% control codes: degree, plus-minus and diameter signs; the
// underline and overline switches are dropped.
std::u16string PlainText(std::u16string text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'%' || i + 2 >= text.size() || text[i + 1] != u'%') {
      out += text[i];
      continue;
    }
    switch (text[i + 2]) {
      case u'd':
      case u'D':
        out += u'\u00B0';
        break;
      case u'p':
      case u'P':
        out += u'\u00B1';
        break;
      case u'c':
      case u'C':
        out += u'\u2300';
        break;
      case u'%':
        out += u'%';
        break;
      case u'u':
      case u'U':
      case u'o':
      case u'O':
        break;
      default:
        out += text.substr(i, 3);
        break;
    }
    i += 2;
  }
  return out;
}

Entity Text(const Record& record, const TextCodec& codec) {
  const Ocs ocs(record);
  std::int64_t h = record.Integer(72, 0);
  std::int64_t v = record.Integer(73, 0);
  if (h < 0 || h > 5) h = 0;
  if (v < 0 || v > 3) v = 0;
  const bool at_insertion = (h == 0 && v == 0) || h == 3 || h == 5;
  const Vec3 point = ocs.ToWorld(at_insertion || record.Find(11) == nullptr ? PointOf(record, 10)
                                                                            : PointOf(record, 11));
  const int column = h == 1 || h == 4 ? 1 : h == 2 ? 2 : 0;
  const int row = h == 4 ? 1 : v >= 1 ? static_cast<int>(v) - 1 : 0;
  return MakeText(PlainText(codec.Decode(record.Text(1))), point[0], point[1], record.Real(40),
                  ocs.AngleToWorld(record.Real(50)), row * 3 + column + 1);
}

Entity MText(const Record& record, const TextCodec& codec) {
  std::string bytes;
  std::string_view last;
  ForEachDataGroup(record, [&](const Group& group) {
    if (group.code == 3) bytes += group.value;
    if (group.code == 1) last = group.value;
  });
  bytes += last;
  double angle = record.Real(50);
  if (record.Find(11) != nullptr) {
    angle = std::atan2(record.Real(21), record.Real(11)) * 180 / std::numbers::pi;
  } else {
    angle = Ocs(record).AngleToWorld(angle);
  }
  std::int64_t attachment = record.Integer(71, 1);
  if (attachment < 1 || attachment > 9) attachment = 1;
  // Attachment points 1..9 run from the top left; reference points 1..9 from the bottom left.
  const int index = static_cast<int>(attachment) - 1;
  const int genten = (2 - index / 3) * 3 + index % 3 + 1;
  return MakeText(PlainMText(codec.Decode(bytes)), record.Real(10), record.Real(20),
                  record.Real(40), angle, genten);
}

// An arc's or circle's centre, radius and (for arcs) angles in world coordinates. Seen from
// below, the arc runs the other way round, so its ends change places.
Entity Curve(const Record& record, bool arc) {
  const Ocs ocs(record);
  const Vec3 centre = ocs.ToWorld(PointOf(record, 10));
  const double radius = record.Real(40);
  if (!arc) return MakeCircle(centre[0], centre[1], radius);
  double start = record.Real(50);
  double end = record.Real(51);
  if (!ocs.world()) {
    start = ocs.AngleToWorld(start);
    end = ocs.AngleToWorld(end);
    if (ocs.mirrored()) std::swap(start, end);
  }
  return MakeArc(centre[0], centre[1], radius, start, end);
}

}  // namespace

bool IsModelKind(std::string_view type) {
  return type == "LINE" || type == "ARC" || type == "CIRCLE" || type == "POINT" || type == "TEXT" ||
         type == "MTEXT";
}

std::optional<Entity> ModelEntity(const Record& record, const TextCodec& codec) {
  const std::string_view type = record.type();
  if (type == "LINE")
    return MakeLine(record.Real(10), record.Real(20), record.Real(11), record.Real(21));
  if (type == "POINT") return MakePoint(record.Real(10), record.Real(20));
  if (type == "CIRCLE") return Curve(record, false);
  if (type == "ARC") return Curve(record, true);
  if (type == "TEXT") return Text(record, codec);
  if (type == "MTEXT") return MText(record, codec);
  return std::nullopt;
}

std::u16string PlainMText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'{' || c == u'}') continue;
    if (c != u'\\' || i + 1 >= text.size()) {
      out += c;
      continue;
    }
    const char16_t code = text[++i];
    switch (code) {
      case u'P':
        out += u"\r\n";
        break;
      case u'~':
        out += u' ';
        break;
      case u'\\':
      case u'{':
      case u'}':
        out += code;
        break;
      case u'L':
      case u'l':
      case u'O':
      case u'o':
      case u'K':
      case u'k':
        break;
      case u'S': {
        // A stacked fraction up to ';': numerator and denominator split by ^, / or #.
        const std::size_t end = text.find(u';', i + 1);
        const std::u16string_view stack =
            text.substr(i + 1, (end == std::u16string_view::npos ? text.size() : end) - i - 1);
        for (const char16_t s : stack) out += s == u'^' || s == u'#' ? u'/' : s;
        i = end == std::u16string_view::npos ? text.size() : end;
        break;
      }
      case u'f':
      case u'F':
      case u'H':
      case u'W':
      case u'Q':
      case u'T':
      case u'A':
      case u'C':
      case u'c':
      case u'p': {
        // A setting up to ';'.
        const std::size_t end = text.find(u';', i + 1);
        i = end == std::u16string_view::npos ? text.size() : end;
        break;
      }
      default:
        out += u'\\';
        out += code;
        break;
    }
  }
  return out;
}

}  // namespace host::dxf
