// What every control of a form has: a name, a place and size in twips (1/1440 inch), a tooltip, a
// font, visibility, enabled state and a click handler.
//
// Setting a property from code raises no event; the click handler runs when the user acts on the
// control (see user_action.h) or when code calls FireClick. A control belongs to its form and lives
// until the form unloads: hold controls by name, not by reference, across an unload.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "font_info.h"
#include "platform_export.h"

namespace platform {

enum class ControlKind { kLabel, kCheckBox, kButton, kTextBox, kListBox, kComboBox, kSpinEdit };

// Left, top, width and height in twips.
struct Place {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

class PLATFORM_API Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::u16string& Name() const { return name_; }

  double Left() const { return place_.left; }
  double Top() const { return place_.top; }
  double Width() const { return place_.width; }
  double Height() const { return place_.height; }
  void SetLeft(double left) { place_.left = left; }
  void SetTop(double top) { place_.top = top; }
  void SetWidth(double width) { place_.width = width; }
  void SetHeight(double height) { place_.height = height; }
  void Move(const Place& place) { place_ = place; }

  const std::u16string& ToolTipText() const { return tooltip_; }
  void SetToolTipText(std::u16string tooltip) { tooltip_ = std::move(tooltip); }

  const FontSpec& Font() const { return font_; }
  void SetFont(FontSpec font) { font_ = std::move(font); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // The Click handler; none by default.
  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }
  // Runs the Click handler. The handler may unload the form and so destroy this control.
  void FireClick();

 protected:
  Control(ControlKind kind, std::u16string name);

 private:
  ControlKind kind_;
  std::u16string name_;
  Place place_;
  std::u16string tooltip_;
  FontSpec font_;
  bool visible_ = true;
  bool enabled_ = true;
  std::function<void()> on_click_;
};

}  // namespace platform
