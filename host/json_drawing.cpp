// The host's JSON form of a drawing: the dump it writes, which it also reads back.
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "drawing_files.h"
#include "text_utf.h"

namespace host {
namespace {

using Json = nlohmann::ordered_json;

struct FieldError {
  std::string what;
};

Json EntityJson(const Entity& entity) {
  const auto& h = entity.header;
  const auto& d = entity.d;
  Json out;
  out["no"] = entity.no;
  out["kind"] = KindName(h.id);
  out["deleted"] = entity.deleted_step.has_value();
  out["layer"] = h.layer;
  out["color"] = h.color;
  out["ltype"] = h.ltype;
  out["width"] = h.width;
  switch (h.id) {
    case kind::kLine:
      out["x1"] = d[slot::kX];
      out["y1"] = d[slot::kY];
      out["x2"] = d[slot::kLineX2];
      out["y2"] = d[slot::kLineY2];
      return out;
    case kind::kCircle:
    case kind::kArc:
      out["x"] = d[slot::kX];
      out["y"] = d[slot::kY];
      out["r"] = d[slot::kRadius];
      if (h.id == kind::kArc) {
        out["s"] = d[slot::kStart];
        out["e"] = d[slot::kEnd];
      }
      return out;
    case kind::kPoint:
      out["x"] = d[slot::kX];
      out["y"] = d[slot::kY];
      return out;
    default:
      break;
  }
  if (IsTextId(h.id)) {
    out["text"] = ToUtf8(entity.s[slot::kTextString]);
    out["x"] = d[slot::kX];
    out["y"] = d[slot::kY];
    out["h"] = d[slot::kTextHeight];
    out["angle"] = d[slot::kTextAngle];
    out["genten"] = entity.l[slot::kTextGenten];
    out["font"] = ToUtf8(entity.s[slot::kTextFont]);
    return out;
  }
  // A record the host does not draw keeps its id and every slot.
  Json strings = Json::array();
  for (std::size_t i = 0; i < entity.s.size(); ++i) strings.push_back(ToUtf8(entity.s[i]));
  out["id"] = h.id;
  out["l"] = entity.l.values();
  out["d"] = entity.d;
  out["s"] = strings;
  return out;
}

const Json& Field(const Json& object, const char* name) {
  const auto it = object.find(name);
  if (it == object.end()) throw FieldError{std::string("\"") + name + "\" is missing"};
  return *it;
}

double Number(const Json& object, const char* name) {
  const Json& value = Field(object, name);
  if (!value.is_number()) throw FieldError{std::string("\"") + name + "\" must be a number"};
  return value.get<double>();
}

constexpr const char* kWholeRange = " must be a whole number from -2147483648 to 2147483647";

// A JSON whole number that fits the host's 32-bit fields; `what` names it in the error.
std::int32_t WholeValue(const Json& value, const std::string& what) {
  if (!value.is_number_integer()) throw FieldError{what + " must be a whole number"};
  const bool fits =
      value.is_number_unsigned()
          ? value.get<std::uint64_t>() <= std::uint64_t{std::numeric_limits<std::int32_t>::max()}
          : value.get<std::int64_t>() >= std::numeric_limits<std::int32_t>::min() &&
                value.get<std::int64_t>() <= std::numeric_limits<std::int32_t>::max();
  if (!fits) throw FieldError{what + kWholeRange + ", not " + value.dump()};
  return static_cast<std::int32_t>(value.get<std::int64_t>());
}

std::int32_t Whole(const Json& object, const char* name, std::int32_t fallback) {
  if (!object.contains(name)) return fallback;
  return WholeValue(object[name], std::string("\"") + name + "\"");
}

constexpr const char* kRecordSlots =
    "a record's \"l\", \"d\" and \"s\" must hold 24, 18 and 4 values";

// A record's whole-number slot: a whole number, or a number with no fraction, within 32 bits.
std::int32_t SlotWhole(const Json& value, std::size_t index) {
  const std::string what = "\"l\" value " + std::to_string(index + 1);
  if (value.is_number_float()) {
    const double number = value.get<double>();
    if (number != std::trunc(number) || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
      throw FieldError{what + kWholeRange + ", not " + value.dump()};
    return static_cast<std::int32_t>(number);
  }
  if (!value.is_number()) throw FieldError{kRecordSlots};
  return WholeValue(value, what);
}

std::u16string Text(const Json& object, const char* name, bool required) {
  if (!required && !object.contains(name)) return u"";
  const Json& value = Field(object, name);
  if (!value.is_string()) throw FieldError{std::string("\"") + name + "\" must be a string"};
  return FromUtf8(value.get<std::string>());
}

bool Flag(const Json& object, const char* name) {
  if (!object.contains(name)) return false;
  if (!object[name].is_boolean())
    throw FieldError{std::string("\"") + name + "\" must be true or false"};
  return object[name].get<bool>();
}

Entity EntityFromJson(const Json& item) {
  if (!item.is_object()) throw FieldError{"an entity must be an object"};
  const Json& kind_value = Field(item, "kind");
  const std::string kind = kind_value.is_string() ? kind_value.get<std::string>() : "";
  Entity entity;
  // Fields are read in their written order, so that the first missing one is named.
  const auto numbers = [&](std::initializer_list<const char*> names) {
    std::vector<double> values;
    for (const char* name : names) values.push_back(Number(item, name));
    return values;
  };
  if (kind == "line") {
    const auto v = numbers({"x1", "y1", "x2", "y2"});
    entity = MakeLine(v[0], v[1], v[2], v[3]);
  } else if (kind == "circle") {
    const auto v = numbers({"x", "y", "r"});
    entity = MakeCircle(v[0], v[1], v[2]);
  } else if (kind == "arc") {
    const auto v = numbers({"x", "y", "r", "s", "e"});
    entity = MakeArc(v[0], v[1], v[2], v[3], v[4]);
  } else if (kind == "point") {
    const auto v = numbers({"x", "y"});
    entity = MakePoint(v[0], v[1]);
  } else if (kind == "text") {
    std::u16string text = Text(item, "text", true);
    const auto v = numbers({"x", "y", "h", "angle"});
    entity = MakeText(std::move(text), v[0], v[1], v[2], v[3], Whole(item, "genten", 1));
    entity.s[slot::kTextFont] = Text(item, "font", false);
  } else if (kind == "record") {
    entity.header.id = Whole(item, "id", 0);
    if (item.contains("l")) {
      const Json& slots = item["l"];
      if (!slots.is_array() || slots.size() != entity.l.size()) throw FieldError{kRecordSlots};
      for (std::size_t i = 0; i < entity.l.size(); ++i) entity.l[i] = SlotWhole(slots[i], i);
    }
    try {
      if (item.contains("d")) entity.d = item["d"].get<std::array<double, 18>>();
      if (item.contains("s")) {
        const auto strings = item["s"].get<std::array<std::string, 4>>();
        for (std::size_t i = 0; i < strings.size(); ++i) entity.s[i] = FromUtf8(strings[i]);
      }
    } catch (const nlohmann::json::exception&) {
      throw FieldError{kRecordSlots};
    }
  } else {
    throw FieldError{"unknown kind \"" + kind_value.dump() +
                     "\" (line, circle, arc, text, point or record)"};
  }
  entity.header.layer = Whole(item, "layer", 0);
  entity.header.color = Whole(item, "color", 7);
  entity.header.ltype = Whole(item, "ltype", 0);
  entity.header.width = Whole(item, "width", 0);
  if (Flag(item, "deleted")) entity.deleted_step = 0;
  return entity;
}

// The line on which each element of the top-level "entities" array starts, found by a scan
// of the text (the parser does not keep positions).
std::vector<int> EntityLines(std::string_view text) {
  std::vector<int> lines;
  int line = 1;
  int depth = 0;
  bool in_string = false;
  bool escaped = false;
  bool in_entities = false;
  std::string last_string;
  std::string current;
  for (const char c : text) {
    if (c == '\n') ++line;
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
        if (depth == 1) last_string = current;
      } else {
        current += c;
      }
      continue;
    }
    if (c == '"') {
      in_string = true;
      current.clear();
    } else if (c == '{' || c == '[') {
      if (depth == 1 && c == '[') in_entities = last_string == "entities";
      if (depth == 2 && in_entities && c == '{') lines.push_back(line);
      ++depth;
    } else if (c == '}' || c == ']') {
      --depth;
      if (depth == 1) in_entities = false;
    }
  }
  return lines;
}

int LineAt(std::string_view text, std::size_t byte) {
  int line = 1;
  for (std::size_t i = 0; i < byte && i < text.size(); ++i) line += text[i] == '\n';
  return line;
}

}  // namespace

std::string DumpJson(const Drawing& drawing) {
  const auto dump = [](const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
  };
  // One entity a line keeps large dumps readable and comparable line by line.
  std::string text = "{\"entities\": [";
  bool first = true;
  for (const auto& entity : drawing.entities()) {
    if (entity.erased) continue;
    text += first ? "\n  " : ",\n  ";
    text += dump(EntityJson(entity));
    first = false;
  }
  text += first ? "],\n" : "\n],\n";
  text += "\"undo_steps\": " + std::to_string(drawing.undo_steps()) + ",\n";

  Json layers = Json::array();
  for (const auto& layer : drawing.layers()) {
    layers.push_back(Json{{"no", layer.no},
                          {"name", ToUtf8(layer.name)},
                          {"locked", layer.locked},
                          {"color", layer.color},
                          {"ltype", layer.ltype},
                          {"width", layer.width}});
  }
  Json linetypes = Json::array();
  for (const auto& ltype : drawing.linetypes()) {
    linetypes.push_back(Json{{"name", ltype.name}, {"pattern", ltype.pattern}});
  }
  text += "\"layers\": " + dump(layers) + ",\n";
  text += "\"linetypes\": " + dump(linetypes) + "\n}\n";
  return text;
}

void WriteJson(const std::string& path, const Drawing& drawing) {
  WriteFileAtomically(path, DumpJson(drawing));
}

LoadReport ReadJson(const std::string& path, Drawing& drawing) {
  const std::string text = ReadWholeFile(path);
  Json root;
  try {
    root = Json::parse(text);
  } catch (const nlohmann::json::parse_error& error) {
    const std::string what = error.what();
    const auto detail = what.find("syntax error");
    throw DrawingFileError(path + ":" +
                           std::to_string(LineAt(text, error.byte == 0 ? 0 : error.byte - 1)) +
                           ": " + (detail == std::string::npos ? what : what.substr(detail)));
  } catch (const nlohmann::json::exception& error) {
    // A number too large for a double ("1e999"); the parser names the number but not its place.
    const std::string what = error.what();
    const auto detail = what.find("] ");
    throw DrawingFileError(path + ": " +
                           (detail == std::string::npos ? what : what.substr(detail + 2)));
  }
  const auto fail_at = [&](int line, const std::string& what) -> DrawingFileError {
    return DrawingFileError(path + ":" + std::to_string(line) + ": " + what);
  };
  if (!root.is_object() || !root.contains("entities") || !root["entities"].is_array())
    throw fail_at(1, "a drawing needs an \"entities\" array");

  try {
    if (root.contains("linetypes")) {
      for (const auto& ltype : root["linetypes"]) {
        drawing.LineTypeNo(ltype.at("name").get<std::string>(),
                           ltype.value("pattern", std::vector<double>{}));
      }
    }
    if (root.contains("layers")) {
      for (const auto& item : root["layers"]) {
        const std::int32_t no = Whole(item, "no", 0);
        Layer& layer = drawing.EnsureLayer(no);
        if (item.contains("name")) layer.name = Text(item, "name", true);
        layer.locked = Flag(item, "locked");
        layer.color = Whole(item, "color", 7);
        layer.ltype = Whole(item, "ltype", 0);
        layer.width = Whole(item, "width", 0);
      }
    }
  } catch (const FieldError& error) {
    throw fail_at(1, "layers: " + error.what);
  } catch (const nlohmann::json::exception&) {
    throw fail_at(1, "layers and line types must be objects with their fields");
  }

  const std::vector<int> lines = EntityLines(text);
  LoadReport report;
  const auto& items = root["entities"];
  // Numbers skipped by the file stand for entities whose creation was undone, and each takes a
  // place in the drawing: a file may skip no more numbers than it has bytes.
  const std::int64_t highest_no =
      static_cast<std::int64_t>(items.size()) + static_cast<std::int64_t>(text.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int line = i < lines.size() ? lines[i] : 1;
    try {
      Entity entity = EntityFromJson(items[i]);
      const std::int32_t next = static_cast<std::int32_t>(drawing.entities().size()) + 1;
      const std::int32_t no = Whole(items[i], "no", next);
      if (no < next) throw FieldError{"entity numbers must increase"};
      if (no > highest_no)
        throw FieldError{"\"no\" must be at most " + std::to_string(highest_no) + " in a file of " +
                         std::to_string(text.size()) + " bytes, not " + std::to_string(no)};
      while (static_cast<std::int32_t>(drawing.entities().size()) + 1 < no) {
        Entity gap;
        gap.erased = true;
        drawing.AddLoaded(std::move(gap));
      }
      drawing.EnsureLayer(entity.header.layer);
      drawing.AddLoaded(std::move(entity));
      ++report.entities;
    } catch (const FieldError& error) {
      throw fail_at(line, "entity " + std::to_string(i + 1) + ": " + error.what);
    }
  }
  std::int32_t steps = 0;
  try {
    if (root.contains("undo_steps") && root["undo_steps"].is_number_integer())
      steps = WholeValue(root["undo_steps"], "\"undo_steps\"");
  } catch (const FieldError& error) {
    throw fail_at(1, error.what);
  }
  drawing.RestoreUndoSteps(steps);
  drawing.FinishLoading();
  return report;
}

}  // namespace host
