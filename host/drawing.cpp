#include "drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "entity_geometry.h"

namespace host {
namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return upper(x) == upper(y);
  });
}

// The number a layer name stands for when it is a plain decimal number.
std::optional<std::int32_t> NumberInName(std::u16string_view name) {
  if (name.empty() || name.size() > 9) return std::nullopt;
  std::int32_t number = 0;
  for (const char16_t c : name) {
    if (c < u'0' || c > u'9') return std::nullopt;
    number = number * 10 + (c - u'0');
  }
  return number;
}

std::u16string NameOfNumber(std::int32_t no) {
  const std::string digits = std::to_string(no);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

TextAttributes::TextAttributes() {
  values["ts_takasa"] = 250;
  values["ts_charset"] = 128;
}

double TextAttributes::Get(std::string_view name) const {
  const auto it = values.find(name);
  return it == values.end() ? 0.0 : it->second;
}

Drawing::Drawing() {
  // Line type numbers as draughtsmen know them: 1 is the solid line. 0 stands for the layer's
  // own line type; it draws solid.
  linetypes_ = {
      {"BYLAYER", {}},
      {"CONTINUOUS", {}},
      {"DASHED", {12.7, -6.35}},
      {"HIDDEN", {6.35, -3.175}},
      {"CENTER", {31.75, -6.35, 6.35, -6.35}},
      {"DOT", {0.0, -6.35}},
      {"DASHDOT", {12.7, -6.35, 0.0, -6.35}},
      {"PHANTOM", {31.75, -6.35, 6.35, -6.35, 6.35, -6.35}},
  };
  layers_.push_back(Layer{0, u"0"});
}

Layer& Drawing::EnsureLayer(std::int32_t no) {
  for (auto& layer : layers_) {
    if (layer.no == no) return layer;
  }
  layers_.push_back(Layer{no, NameOfNumber(no)});
  return layers_.back();
}

const Layer* Drawing::FindLayer(std::int32_t no) const {
  for (const auto& layer : layers_) {
    if (layer.no == no) return &layer;
  }
  return nullptr;
}

Layer* Drawing::FindLayerByName(std::u16string_view name) {
  for (auto& layer : layers_) {
    if (layer.name == name) return &layer;
  }
  return nullptr;
}

Layer& Drawing::AddLayer(std::u16string name) {
  std::int32_t no = 0;
  const auto number = NumberInName(name);
  if (number && FindLayer(*number) == nullptr) {
    no = *number;
  } else {
    for (const auto& layer : layers_) no = std::max(no, layer.no + 1);
  }
  layers_.push_back(Layer{no, std::move(name)});
  return layers_.back();
}

bool Drawing::IsLocked(std::int32_t layer) const {
  const auto* found = FindLayer(layer);
  return found != nullptr && found->locked;
}

std::int32_t Drawing::LineTypeNo(std::string_view name, const std::vector<double>& pattern) {
  for (std::size_t i = 0; i < linetypes_.size(); ++i) {
    if (SameNameIgnoringCase(linetypes_[i].name, name)) return static_cast<std::int32_t>(i);
  }
  linetypes_.push_back({std::string(name), pattern});
  return static_cast<std::int32_t>(linetypes_.size() - 1);
}

std::int32_t Drawing::DefineLineType(std::string_view name, std::vector<double> pattern) {
  const std::int32_t no = LineTypeNo(name);
  linetypes_[static_cast<std::size_t>(no)].pattern = std::move(pattern);
  return no;
}

std::int32_t Drawing::Add(Entity entity) {
  entity.no = static_cast<std::int32_t>(entities_.size()) + 1;
  entity.created_step = undo_steps_;
  entity.deleted_step.reset();
  entity.erased = false;
  entities_.push_back(std::move(entity));
  Index(entities_.back());
  return entities_.back().no;
}

std::int32_t Drawing::AddLoaded(Entity entity) {
  entity.no = static_cast<std::int32_t>(entities_.size()) + 1;
  entity.created_step = 0;
  entities_.push_back(std::move(entity));
  return entities_.back().no;
}

void Drawing::FinishLoading() {
  std::vector<std::pair<Box, std::int32_t>> entries;
  entries.reserve(entities_.size());
  for (const auto& entity : entities_) {
    if (!entity.live()) continue;
    if (const auto box = BoundsOf(entity)) entries.emplace_back(*box, entity.no);
  }
  index_.Rebuild(entries);
}

Entity* Drawing::FindMutable(std::int32_t no) {
  if (no < 1 || no > static_cast<std::int32_t>(entities_.size())) return nullptr;
  auto& entity = entities_[static_cast<std::size_t>(no - 1)];
  return entity.erased ? nullptr : &entity;
}

const Entity* Drawing::Find(std::int32_t no) const {
  return const_cast<Drawing*>(this)->FindMutable(no);
}

void Drawing::Index(const Entity& entity) {
  if (!entity.live()) return;
  if (const auto box = BoundsOf(entity)) index_.Insert(*box, entity.no);
}

void Drawing::Unindex(const Entity& entity) {
  if (!entity.live()) return;
  if (const auto box = BoundsOf(entity)) index_.Remove(*box, entity.no);
}

bool Drawing::Change(std::int32_t no, const Entity& content) {
  Entity* entity = FindMutable(no);
  if (entity == nullptr) return false;
  changes_.push_back({undo_steps_, *entity});
  Unindex(*entity);
  entity->header = content.header;
  entity->l = content.l;
  entity->d = content.d;
  entity->s = content.s;
  Index(*entity);
  return true;
}

bool Drawing::Changed(std::int32_t no) const {
  return std::any_of(changes_.begin(), changes_.end(),
                     [no](const EntityChange& change) { return change.before.no == no; });
}

bool Drawing::SetCreateDate(std::int32_t no, std::int32_t mdate) {
  Entity* entity = FindMutable(no);
  if (entity == nullptr) return false;
  entity->created_step = mdate != 0 ? undo_steps_ : 0;
  return true;
}

bool Drawing::SetDeleteDate(std::int32_t no, std::int32_t mdate) {
  Entity* entity = FindMutable(no);
  if (entity == nullptr) return false;
  Unindex(*entity);
  if (mdate != 0) {
    entity->deleted_step = undo_steps_;
    entity->selected = false;
  } else {
    entity->deleted_step.reset();
  }
  Index(*entity);
  return true;
}

void Drawing::SelectAll(bool on) {
  for (auto& entity : entities_) entity.selected = on && entity.live();
}

bool Drawing::Undo() {
  if (undo_steps_ == 0) return false;
  const std::int32_t step = undo_steps_;
  while (!changes_.empty() && changes_.back().step == step) {
    Entity& entity = entities_[static_cast<std::size_t>(changes_.back().before.no - 1)];
    Unindex(entity);
    const auto deleted = entity.deleted_step;
    entity = std::move(changes_.back().before);
    entity.deleted_step = deleted;
    Index(entity);
    changes_.pop_back();
  }
  for (auto& entity : entities_) {
    if (entity.erased) continue;
    if (entity.created_step == step) {
      Unindex(entity);
      entity.erased = true;
    } else if (entity.deleted_step == step) {
      entity.deleted_step.reset();
      Index(entity);
    }
  }
  --undo_steps_;
  return true;
}

std::int32_t Drawing::Search(const SearchQuery& query) const {
  // A point that is no point (a NaN or an infinity) is near nothing.
  if (!std::isfinite(query.x) || !std::isfinite(query.y)) return -1;
  static constexpr std::int32_t kPoints = 8;
  const auto kind_bit = [](std::int32_t id) -> std::int32_t {
    if (id == kind::kLine) return 1;
    if (id == kind::kCircle || id == kind::kArc) return 2;
    if (IsTextId(id)) return 4;
    return id == kind::kPoint ? kPoints : 0;
  };
  const auto wanted = [&](const Entity& entity) {
    return entity.live() && entity.no >= query.start &&
           (query.kinds == 0 || (query.kinds & kind_bit(entity.header.id)) != 0) &&
           (query.include_locked || !IsLocked(entity.header.layer));
  };

  std::int32_t best = -1;
  double best_distance = 0;
  const auto consider = [&](std::int32_t no) {
    const Entity& entity = entities_[static_cast<std::size_t>(no - 1)];
    if (!wanted(entity)) return;
    const auto distance = DistanceTo(entity, query.x, query.y);
    if (!distance || (query.limited && *distance > query.tolerance)) return;
    const bool better =
        best < 0 ||
        (query.mode == 1 ? no < best
                         : *distance < best_distance || (*distance == best_distance && no < best));
    if (better) {
      best = no;
      best_distance = *distance;
    }
  };

  if (query.limited) {
    index_.VisitNear(query.x, query.y, query.tolerance, consider);
  } else if (query.mode == 1) {
    for (const auto& entity : entities_) {
      if (wanted(entity) && DistanceTo(entity, query.x, query.y)) return entity.no;
    }
  } else {
    index_.VisitByDistance(query.x, query.y, [&](std::int32_t no, double box_distance) {
      if (best >= 0 && box_distance > best_distance) return false;
      consider(no);
      return true;
    });
  }
  return best;
}

}  // namespace host
