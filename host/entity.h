// One entity of the host's drawing, held the way the host exchanges it with a command.
//
// The host keeps every entity as a record header plus the slots of the general entity exchange
// (24 Long, 18 Double and 4 String slots), so that whatever a command writes reads back unchanged,
// whatever its id. The host draws, searches and saves five kinds, by the id it answers for them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace host {

// Record ids of the kinds the host draws.
namespace kind {
inline constexpr std::int32_t kPoint = 1;
inline constexpr std::int32_t kLine = 2;
inline constexpr std::int32_t kCircle = 3;
inline constexpr std::int32_t kArc = 4;
inline constexpr std::int32_t kText = 5;
}  // namespace kind

// Text records come under three ids; the host creates them as kind::kText.
inline bool IsTextId(std::int32_t id) {
  return id == 5 || id == 20 || id == 69;
}

// Where each drawn kind keeps its geometry, as zero-based slot indexes (slot d01 is index 0).
namespace slot {
inline constexpr int kX = 0;  // d01: x1 of every drawn kind (a circle's or text's x)
inline constexpr int kY = 1;  // d02: y1
inline constexpr int kLineX2 = 2;
inline constexpr int kLineY2 = 3;
inline constexpr int kTakasa = 2;  // points, circles and arcs: d03, d04
inline constexpr int kAtumi = 3;
inline constexpr int kRadius = 4;  // circles and arcs: d05 r, d06 s, d07 e (degrees)
inline constexpr int kStart = 5;
inline constexpr int kEnd = 6;
inline constexpr int kLineTakasa = 4;  // lines: d05, d06
inline constexpr int kLineAtumi = 5;
inline constexpr int kTextHeight = 4;  // texts: d05 ts_takasa
inline constexpr int kTextAngle = 13;  // d14 extD2: rotation, degrees counterclockwise
inline constexpr int kTextGenten = 7;  // l08 extL19: reference point 1..9 as on a numeric keypad
inline constexpr int kTextFont = 0;    // s01 ts_Fontname
inline constexpr int kTextString = 1;  // s02 text
}  // namespace slot

struct RecordHeader {
  std::int32_t id = 0;
  std::int32_t flag = 0;
  std::int32_t layer = 0;
  std::int32_t segment = 0;
  std::int32_t color = 0;
  std::int32_t ltype = 0;
  std::int32_t width = 0;
  std::int32_t page = 0;
  std::int32_t ndata = 0;
  std::int32_t group = 0;
  std::int32_t undo = 0;
  std::int32_t dimension = 0;
};

// A family of an entity's slots (its Long or its String slots). Most entities of a drawing
// hold nothing in them, so the slots take room only once one is written: a drawing of a
// million lines saves 200 MB by it. Reading an unwritten slot gives zero or the empty string.
template <typename T, std::size_t N>
class SparseSlots {
 public:
  SparseSlots() = default;
  SparseSlots(const SparseSlots& other)
      : values_(other.values_ ? std::make_unique<Values>(*other.values_) : nullptr) {}
  SparseSlots& operator=(const SparseSlots& other) {
    if (this != &other)
      values_ = other.values_ ? std::make_unique<Values>(*other.values_) : nullptr;
    return *this;
  }
  SparseSlots(SparseSlots&&) noexcept = default;
  SparseSlots& operator=(SparseSlots&&) noexcept = default;

  const T& operator[](std::size_t i) const {
    static const T kUnwritten{};
    return values_ ? (*values_)[i] : kUnwritten;
  }
  T& operator[](std::size_t i) {
    if (!values_) values_ = std::make_unique<Values>();
    return (*values_)[i];
  }
  static constexpr std::size_t size() { return N; }
  std::array<T, N> values() const { return values_ ? *values_ : std::array<T, N>{}; }

 private:
  using Values = std::array<T, N>;
  std::unique_ptr<Values> values_;
};

struct Entity {
  std::int32_t no = 0;  // the host's entity number, from 1
  RecordHeader header;
  SparseSlots<std::int32_t, 24> l;
  std::array<double, 18> d{};
  SparseSlots<std::u16string, 4> s;
  std::int32_t created_step = 0;             // undo step that added it; 0 = loaded with the file
  std::optional<std::int32_t> deleted_step;  // undo step that deleted it
  bool erased = false;                       // its creation was undone: it no longer exists
  bool selected = false;

  bool live() const { return !erased && !deleted_step; }
  double x() const { return d[slot::kX]; }
  double y() const { return d[slot::kY]; }
};

// Blank entities of each drawn kind with their geometry set; attributes are left to the caller.
Entity MakePoint(double x, double y);
Entity MakeLine(double x1, double y1, double x2, double y2);
Entity MakeCircle(double x, double y, double r);
Entity MakeArc(double x, double y, double r, double start, double end);
Entity MakeText(std::u16string text, double x, double y, double height, double angle,
                std::int32_t genten);

// The kind name used in dumps and pictures: "point", "line", "circle", "arc", "text", or
// "record" for an id the host does not draw.
const char* KindName(std::int32_t id);

}  // namespace host
