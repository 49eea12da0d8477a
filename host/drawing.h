// The host's open drawing: entities with their numbers, layers with locks, line types, the
// active and current text attributes, undo steps and the work buffer.
//
// Undo: each step is opened by the command (QivIncNumberUndo). An entity carries the step that
// created it and the step that deleted it; undoing the last step erases what the step created,
// revives what it deleted and puts back what it changed. Deleted entities stay readable by
// number but are neither searched nor drawn nor saved.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backdrop.h"
#include "entity.h"
#include "spatial_index.h"

namespace host {

struct Layer {
  std::int32_t no = 0;
  std::u16string name;
  std::int32_t color = 7;  // colour index; 7 draws black on white
  std::int32_t ltype = 0;  // index into the line type table
  std::int32_t width = 0;  // line weight in 1/100 mm
  bool locked = false;
  bool off = false;     // not drawn, still searched like any other layer
  bool frozen = false;  // not drawn
  bool plotted = true;
};

struct LineType {
  std::string name;
  std::vector<double> pattern;  // dash (> 0) and gap (< 0) lengths; empty = continuous
};

// The seven values of QivGetActiveAtr / QivSetActiveAtr, given to every entity the command adds
// through QivSetLine, QivSetCircle, QivSetArc and QivSetText.
struct ActiveAttributes {
  std::int32_t layer = 0;
  std::int32_t segment = 0;
  std::int32_t color = 7;
  std::int32_t ltype = 0;
  std::int32_t width = 0;
  std::int32_t page = 0;
  std::int32_t group = 0;
};

// The current text attributes, by the parameter names of QivGetCurrentTextAtr (style, ts_...),
// and the font name.
struct TextAttributes {
  std::map<std::string, double, std::less<>> values;
  std::u16string font = u"IPAGothic";

  TextAttributes();
  double Get(std::string_view name) const;
};

// What a search by point looks for (the arguments of QivSearchPrimitiveMode).
struct SearchQuery {
  double x = 0;
  double y = 0;
  std::int32_t mode = 2;       // 1: the lowest-numbered hit; anything else: the nearest
  std::int32_t kinds = 0;      // sel: 1 lines, 2 circles and arcs, 4 texts, 8 points, 0 all
  bool include_locked = true;  // locklayer non-zero: entities of locked layers are found too
  bool limited = true;         // range: only within `tolerance`; otherwise anywhere
  double tolerance = 0;
  std::int32_t start = 0;  // entities numbered below `start` are skipped
};

namespace dxf {
class Document;
}

class Drawing {
 public:
  Drawing();

  // Layers. A layer is created on first use, named after its number. References to layers stay
  // valid while layers are added.
  const std::deque<Layer>& layers() const { return layers_; }
  Layer& EnsureLayer(std::int32_t no);
  const Layer* FindLayer(std::int32_t no) const;
  Layer* FindLayerByName(std::u16string_view name);
  // A new layer of that name, numbered after its name when the name is a free decimal
  // number, else with the next free number.
  Layer& AddLayer(std::u16string name);
  bool IsLocked(std::int32_t layer) const;

  // Line types; the first is CONTINUOUS.
  const std::vector<LineType>& linetypes() const { return linetypes_; }
  // The number of the line type of that name (case-insensitive), added with `pattern` if new.
  std::int32_t LineTypeNo(std::string_view name, const std::vector<double>& pattern = {});
  // The number of the line type of that name, its pattern set to `pattern` as a file defines it.
  std::int32_t DefineLineType(std::string_view name, std::vector<double> pattern);

  // Entities, numbered from 1 in order of creation; numbers are never reused.
  const std::deque<Entity>& entities() const { return entities_; }
  // Adds an entity created in the current undo step; returns its number.
  std::int32_t Add(Entity entity);
  // Adds an entity of the loaded drawing (step 0) without indexing it; call FinishLoading after.
  std::int32_t AddLoaded(Entity entity);
  void FinishLoading();
  // The entity of that number, deleted ones included; null when unknown or erased.
  const Entity* Find(std::int32_t no) const;
  // Overwrites an entity's content, keeping its number and dates; false when unknown.
  bool Change(std::int32_t no, const Entity& content);
  // Whether the entity's content was overwritten by a step that is still done.
  bool Changed(std::int32_t no) const;
  // Stamps the creation / deletion with the current step (mdate != 0) or clears it (mdate 0).
  bool SetCreateDate(std::int32_t no, std::int32_t mdate);
  bool SetDeleteDate(std::int32_t no, std::int32_t mdate);
  void SelectAll(bool on);

  // Undo steps.
  std::int32_t undo_steps() const { return undo_steps_; }
  void OpenUndoStep() { ++undo_steps_; }
  // The step count of a drawing read back from a dump.
  void RestoreUndoSteps(std::int32_t steps) { undo_steps_ = steps > 0 ? steps : 0; }
  // Undoes the last step; false when there is none.
  bool Undo();

  // The entity found at a point, or -1 (also for a point with a NaN or infinite coordinate).
  std::int32_t Search(const SearchQuery& query) const;

  // The host's work buffer: records numbered from 1, cleared by InitWBZ.
  std::vector<Entity>& work_buffer() { return work_buffer_; }

  ActiveAttributes active;
  TextAttributes text;

  // What pictures draw besides the entities: block contents, polylines, hatches, ...
  Backdrop backdrop;
  // The DXF file the drawing was read from, kept whole so that saving changes only what the
  // session changed; null for a drawing from any other source.
  std::shared_ptr<const dxf::Document> dxf_source;

 private:
  Entity* FindMutable(std::int32_t no);
  void Index(const Entity& entity);
  void Unindex(const Entity& entity);

  std::deque<Layer> layers_;
  std::vector<LineType> linetypes_;
  std::deque<Entity> entities_;  // a deque: loading a large drawing moves no entity
  struct EntityChange {
    std::int32_t step;
    Entity before;
  };
  std::vector<EntityChange> changes_;
  std::vector<Entity> work_buffer_;
  SpatialIndex index_;
  std::int32_t undo_steps_ = 0;
};

}  // namespace host
