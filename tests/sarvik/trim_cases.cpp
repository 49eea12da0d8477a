#include "trim_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <utility>

#include "journal_walk.h"

namespace trimsession {

const double kC = 2000 * std::cos(std::numbers::pi / 9);
const double kS = 2000 * std::sin(std::numbers::pi / 9);

namespace {

// Coordinates are compared to a micrometre of a drawing unit: the commands compute with a
// truncated π, which moves their points by far less.
constexpr double kTolerance = 1e-6;
constexpr int kSymbolLineType = 1;

Json LineJson(const FixtureLine& line, Point by) {
  return {{"kind", "line"},
          {"layer", line.attributes.layer},
          {"color", line.attributes.color},
          {"ltype", line.attributes.ltype},
          {"x1", line.start.x + by.x},
          {"y1", line.start.y + by.y},
          {"x2", line.end.x + by.x},
          {"y2", line.end.y + by.y}};
}

Json Layers() {
  return Json::array({{{"no", 1}, {"name", "PIPE"}},
                      {{"no", 2}, {"name", "VENT"}},
                      {{"no", 3}, {"name", "FRAME"}, {"locked", true}}});
}

Point Origin(std::size_t k) {
  return {0, kSpacing * static_cast<double>(k + 1)};
}

// The fields of `shape` in the dump, moved by `by`.
std::vector<std::pair<const char*, double>> Fields(const Shape& shape, Point by) {
  const auto& v = shape.values;
  if (shape.kind == "line") {
    return {{"x1", v[0] + by.x}, {"y1", v[1] + by.y}, {"x2", v[2] + by.x}, {"y2", v[3] + by.y}};
  }
  std::vector<std::pair<const char*, double>> fields{
      {"x", v[0] + by.x}, {"y", v[1] + by.y}, {"r", v[2]}};
  if (shape.kind == "arc") {
    fields.emplace_back("s", v[3]);
    fields.emplace_back("e", v[4]);
  }
  return fields;
}

std::string Describe(const Shape& shape, Point by) {
  std::ostringstream text;
  text << shape.kind << " ltype " << shape.ltype;
  for (const auto& [name, value] : Fields(shape, by)) text << " " << name << " " << value;
  return text.str();
}

::testing::AssertionResult Matches(const Json& entity, const Shape& shape, Point by) {
  bool same = entity["kind"] == shape.kind && entity["deleted"] == false &&
              entity["layer"] == kPipe.layer && entity["color"] == kPipe.color &&
              entity["ltype"] == shape.ltype;
  for (const auto& [name, value] : Fields(shape, by)) {
    same =
        same && entity.contains(name) && std::abs(entity[name].get<double>() - value) <= kTolerance;
  }
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "expected " << Describe(shape, by) << "\n     got " << entity.dump();
}

bool Unchanged(const Json& entity, const FixtureLine& line, Point by) {
  const Json expected = LineJson(line, by);
  for (const char* name : {"layer", "color", "ltype", "x1", "y1", "x2", "y2"}) {
    if (entity[name] != expected[name]) return false;
  }
  return true;
}

// Where an entity was drawn: a line's start, an arc's or circle's centre.
double PlaceY(const Json& entity) {
  return entity["kind"] == "line" ? entity["y1"].get<double>() : entity["y"].get<double>();
}

std::string ScriptOf(const std::vector<TrimCase>& cases) {
  std::ostringstream script;
  script << "start\ndialog ok\n";
  for (std::size_t k = 0; k < cases.size(); ++k) {
    script << "# " << cases[k].name << "\n";
    for (const Point click : cases[k].clicks) {
      script << "pick " << click.x + Origin(k).x << " " << click.y + Origin(k).y << "\n";
    }
  }
  script << "cancel\ndialog cancel\ndestroy\n";
  return script.str();
}

void ExpectShapes(const std::vector<const Json*>& entities, const std::vector<Shape>& shapes,
                  Point by) {
  EXPECT_EQ(entities.size(), shapes.size()) << "entities added";
  for (std::size_t i = 0; i < std::min(entities.size(), shapes.size()); ++i) {
    EXPECT_TRUE(Matches(*entities[i], shapes[i], by)) << "added entity " << i;
  }
}

}  // namespace

Json DrawingOf(const std::vector<FixtureLine>& lines) {
  Json entities = Json::array();
  for (const auto& line : lines) entities.push_back(LineJson(line, {}));
  return {{"entities", entities}, {"layers", Layers()}};
}

Shape Pipe(Point from, Point to) {
  return {"line", {from.x, from.y, to.x, to.y}, kPipe.ltype};
}

Shape Mark(Point from, Point to) {
  return {"line", {from.x, from.y, to.x, to.y}, kSymbolLineType};
}

Shape Arc(Point centre, double r, double start, double end) {
  return {"arc", {centre.x, centre.y, r, start, end}, kSymbolLineType};
}

Shape Circle(Point centre, double r) {
  return {"circle", {centre.x, centre.y, r}, kSymbolLineType};
}

void PlayAndCheck(const QivhostRun& run, const std::string& plugin,
                  const std::vector<TrimCase>& cases) {
  Json drawing = DrawingOf({});
  std::vector<std::size_t> first_line;
  for (std::size_t k = 0; k < cases.size(); ++k) {
    first_line.push_back(drawing["entities"].size());
    for (const auto& line : cases[k].lines)
      drawing["entities"].push_back(LineJson(line, Origin(k)));
  }
  const std::size_t loaded = drawing["entities"].size();

  const Played played = run.Play(plugin, drawing, ScriptOf(cases));
  ASSERT_EQ(played.status, 0) << played.err;
  const Json& entities = played.dump["entities"];
  EXPECT_EQ(played.dump["undo_steps"], cases.size());

  // What the session added, sorted to the copies by where it was drawn.
  std::vector<std::vector<const Json*>> added(cases.size());
  for (std::size_t i = loaded; i < entities.size(); ++i) {
    const double copy = std::floor(PlaceY(entities[i]) / kSpacing + 0.5) - 1;
    if (copy < 0 || copy >= static_cast<double>(cases.size())) {
      ADD_FAILURE() << "an entity outside every copy: " << entities[i].dump();
      continue;
    }
    added[static_cast<std::size_t>(copy)].push_back(&entities[i]);
  }

  for (std::size_t k = 0; k < cases.size(); ++k) {
    const TrimCase& trim = cases[k];
    SCOPED_TRACE(trim.name);
    for (std::size_t i = 0; i < trim.lines.size(); ++i) {
      const Json& entity = entities[first_line[k] + i];
      const bool deleted = std::find(trim.deleted.begin(), trim.deleted.end(),
                                     static_cast<int>(i)) != trim.deleted.end();
      EXPECT_EQ(entity["deleted"], deleted) << "line " << i;
      EXPECT_TRUE(Unchanged(entity, trim.lines[i], Origin(k))) << entity.dump();
    }
    ExpectShapes(added[k], trim.added, Origin(k));
  }

  const auto third_picks = ThirdPicks(played.journal);
  EXPECT_EQ(third_picks.size(), cases.size());
  for (const Span span : third_picks) {
    EXPECT_TRUE(UndoStepsBeforeChanges(played.journal, span, 1));
    EXPECT_TRUE(AttributesRestored(played.journal, span));
  }
}

void ExpectAdded(const Json& dump, std::size_t loaded, const std::vector<Shape>& shapes) {
  std::vector<const Json*> added;
  const Json& entities = dump["entities"];
  for (std::size_t i = loaded; i < entities.size(); ++i) added.push_back(&entities[i]);
  ExpectShapes(added, shapes, {});
}

}  // namespace trimsession
