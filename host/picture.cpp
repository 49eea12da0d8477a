#include "picture.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "colour_index.h"
#include "drawing_files.h"
#include "text_utf.h"

namespace host {
namespace {

constexpr double kMarginPx = 20;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// Maps drawing coordinates to picture pixels (y grows downward in the picture).
struct View {
  Box area;
  double scale = 1;

  double X(double x) const { return kMarginPx + (x - area.min_x) * scale; }
  double Y(double y) const { return kMarginPx + (area.max_y - y) * scale; }
};

std::vector<std::u16string> TextLines(const std::u16string& text) {
  std::vector<std::u16string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

class Painter {
 public:
  Painter(cairo_t* cr, const Drawing& drawing, const View& view)
      : cr_(cr), drawing_(drawing), view_(view) {}

  // Entities of layers that are off or frozen are not drawn.
  bool Hidden(std::int32_t layer) const {
    const Layer* found = drawing_.FindLayer(layer);
    return found != nullptr && (found->off || found->frozen);
  }

  void Paint(const BackdropPath& path) {
    if (Hidden(path.layer) || path.points.empty()) return;
    SetPen(path.color, path.width, path.ltype);
    cairo_move_to(cr_, view_.X(path.points[0][0]), view_.Y(path.points[0][1]));
    for (std::size_t i = 1; i < path.points.size(); ++i)
      cairo_line_to(cr_, view_.X(path.points[i][0]), view_.Y(path.points[i][1]));
    if (path.closed) cairo_close_path(cr_);
    cairo_stroke(cr_);
  }

  void Paint(const Entity& entity) {
    if (Hidden(entity.header.layer)) return;
    const auto& d = entity.d;
    SetPen(entity.header.color, entity.header.width, entity.header.ltype);
    switch (entity.header.id) {
      case kind::kLine:
        cairo_move_to(cr_, view_.X(d[slot::kX]), view_.Y(d[slot::kY]));
        cairo_line_to(cr_, view_.X(d[slot::kLineX2]), view_.Y(d[slot::kLineY2]));
        cairo_stroke(cr_);
        return;
      case kind::kCircle:
      case kind::kArc: {
        const double r = std::abs(d[slot::kRadius]) * view_.scale;
        const double start = entity.header.id == kind::kArc ? d[slot::kStart] : 0.0;
        const double sweep =
            entity.header.id == kind::kArc ? ArcSweep(d[slot::kStart], d[slot::kEnd]) : 360.0;
        // Counterclockwise in the drawing is clockwise in the picture.
        cairo_new_sub_path(cr_);
        cairo_arc_negative(cr_, view_.X(d[slot::kX]), view_.Y(d[slot::kY]), r, -Radians(start),
                           -Radians(start + sweep));
        cairo_stroke(cr_);
        return;
      }
      case kind::kPoint: {
        const double x = view_.X(d[slot::kX]);
        const double y = view_.Y(d[slot::kY]);
        cairo_set_dash(cr_, nullptr, 0, 0);
        cairo_move_to(cr_, x - 3, y);
        cairo_line_to(cr_, x + 3, y);
        cairo_move_to(cr_, x, y - 3);
        cairo_line_to(cr_, x, y + 3);
        cairo_stroke(cr_);
        return;
      }
      default:
        if (IsTextId(entity.header.id)) PaintText(entity);
        return;
    }
  }

 private:
  void SetPen(std::int32_t color, std::int32_t width, std::int32_t line_type) {
    const Rgb colour = ColourOfIndex(color);
    cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr_, std::max(1.0, width * 0.04));
    const auto& linetypes = drawing_.linetypes();
    const auto ltype = static_cast<std::size_t>(line_type);
    std::vector<double> dashes;
    if (ltype < linetypes.size()) {
      for (const double dash : linetypes[ltype].pattern)
        dashes.push_back(std::abs(dash) * view_.scale);
    }
    double total = 0;
    for (const double dash : dashes) total += dash;
    if (total > 0 && total < 12) {
      // A pattern too fine to see at this scale is drawn 12 pixels long.
      for (double& dash : dashes) dash *= 12 / total;
    }
    for (double& dash : dashes) dash = std::max(dash, 1.0);
    cairo_set_dash(cr_, dashes.empty() ? nullptr : dashes.data(), static_cast<int>(dashes.size()),
                   0);
  }

  // A text's lines stacked downward from the first, the block placed by its reference point:
  // 1..3 bottom, 4..6 middle, 7..9 top; left, centre, right within each row.
  void PaintText(const Entity& entity) {
    const auto& d = entity.d;
    const double height = std::abs(d[slot::kTextHeight]) * view_.scale;
    if (height < 0.5) return;
    std::int32_t genten = entity.l[slot::kTextGenten];
    if (genten < 1 || genten > 9) genten = 1;
    const int column = (genten - 1) % 3;
    const int row = (genten - 1) / 3;
    const auto lines = TextLines(entity.s[slot::kTextString]);
    const double pitch = height * 1.5;
    const double block = height + pitch * static_cast<double>(lines.size() - 1);

    cairo_save(cr_);
    cairo_set_dash(cr_, nullptr, 0, 0);
    cairo_translate(cr_, view_.X(d[slot::kX]), view_.Y(d[slot::kY]));
    cairo_rotate(cr_, -Radians(d[slot::kTextAngle]));
    cairo_select_font_face(cr_, "IPAGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, height);
    // Baseline of the last line, measured downward from the reference point: the block's bottom,
    // middle or top stands on it.
    const double bottom = row == 0 ? 0.0 : row == 1 ? block / 2 : block;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string utf8 = ToUtf8(lines[i]);
      cairo_text_extents_t extents;
      cairo_text_extents(cr_, utf8.c_str(), &extents);
      const double x = column == 0   ? 0.0
                       : column == 1 ? -extents.x_advance / 2
                                     : -extents.x_advance;
      const double y = bottom - pitch * static_cast<double>(lines.size() - 1 - i);
      cairo_move_to(cr_, x, y);
      cairo_show_text(cr_, utf8.c_str());
    }
    cairo_restore(cr_);
  }

  cairo_t* cr_;
  const Drawing& drawing_;
  const View& view_;
};

cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::optional<Box> DrawingExtents(const Drawing& drawing) {
  std::optional<Box> extents;
  const auto extend = [&](const Box& box) {
    if (extents) {
      extents->Extend(box);
    } else {
      extents = box;
    }
  };
  for (const auto& entity : drawing.entities()) {
    if (!entity.live()) continue;
    if (const auto box = BoundsOf(entity)) extend(*box);
  }
  for (const auto& entity : drawing.backdrop.entities) {
    if (const auto box = BoundsOf(entity)) extend(*box);
  }
  for (const auto& path : drawing.backdrop.paths) {
    for (const auto& point : path.points) extend(Box{point[0], point[1], point[0], point[1]});
  }
  return extents;
}

std::optional<Box> ChangedArea(const Drawing& drawing) {
  std::optional<Box> area;
  for (const auto& entity : drawing.entities()) {
    if (entity.erased || (entity.created_step == 0 && !entity.deleted_step)) continue;
    const auto box = BoundsOf(entity);
    if (!box) continue;
    if (area) {
      area->Extend(*box);
    } else {
      area = box;
    }
  }
  if (!area) return area;
  const double margin = std::max({area->max_x - area->min_x, area->max_y - area->min_y, 1.0}) * 0.5;
  return Box{area->min_x - margin, area->min_y - margin, area->max_x + margin,
             area->max_y + margin};
}

void WritePicture(const std::string& path, const Drawing& drawing, const PictureOptions& options) {
  View view;
  view.area = options.area ? *options.area : DrawingExtents(drawing).value_or(Box{0, 0, 1, 1});
  const double world_w = std::max(view.area.max_x - view.area.min_x, 1e-9);
  const double world_h = std::max(view.area.max_y - view.area.min_y, 1e-9);
  const double inner = std::max(options.width, 64) - 2 * kMarginPx;
  view.scale = inner / std::max(world_w, world_h);
  const double width = world_w * view.scale + 2 * kMarginPx;
  const double height = world_h * view.scale + 2 * kMarginPx;

  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string bytes;
  cairo_surface_t* surface = nullptr;
  if (extension == ".svg") {
    surface = cairo_svg_surface_create_for_stream(AppendTo, &bytes, width, height);
  } else if (extension == ".png") {
    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(std::ceil(width)),
                                         static_cast<int>(std::ceil(height)));
  } else {
    throw std::runtime_error(path + ": pictures are .svg or .png");
  }
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
  cairo_paint(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_clip(cr);
  Painter painter(cr, drawing, view);
  for (const auto& outline : drawing.backdrop.paths) painter.Paint(outline);
  for (const auto& entity : drawing.backdrop.entities) painter.Paint(entity);
  for (const auto& entity : drawing.entities()) {
    if (entity.live()) painter.Paint(entity);
  }
  cairo_destroy(cr);
  if (extension == ".png") cairo_surface_write_to_png_stream(surface, AppendTo, &bytes);
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(path + ": " + cairo_status_to_string(status));
  WriteFileAtomically(path, bytes);
}

void ReleasePictureCaches() {
  cairo_debug_reset_static_data();
}

}  // namespace host
