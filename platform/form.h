// Forms: windows with controls, loaded on first access and shown modally.
//
// Stands in for the dialog toolkit's forms, headless: a form is its properties, its controls and
// its events; nothing is drawn. Not provided: modeless display, keyboard focus and tab order,
// menus, painting, control events other than Click.
//
// A form class derives from Form, creates its controls with their initial values in Design() and
// hooks its handlers there or in OnLoad(). The form model follows the dialog toolkit the commands
// were written for:
// - the first access to a form or to any of its controls loads it: Design() runs, then OnLoad();
// - Unload() runs OnQueryUnload() (which may refuse) and OnUnload(), then discards the controls;
//   a later access loads a fresh form with its initial values;
// - Hide() keeps the form loaded with its values;
// - ShowModal() returns when the form is hidden or unloaded. While it runs, the installed user
//   agent (user_agent.h) acts as the user, one action at a time; modal shows nest.
// - OnResize() runs when the form is first shown after loading and when the user resizes it.
// Setting properties from code raises no events. Positions and sizes are in twips (1/1440 inch).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control.h"
#include "font_info.h"
#include "platform_export.h"
#include "runtime_error.h"
#include "window_system.h"

namespace platform {

namespace detail {
struct FormAccess;
}

enum class BorderStyle {
  kNone = 0,
  kFixedSingle = 1,
  kSizable = 2,
  kFixedDialog = 3,
  kFixedToolWindow = 4,
  kSizableToolWindow = 5,
};

// Frame settings, kept as plain data: only the border style's frame size and whether the user
// may resize take effect.
struct FormStyle {
  BorderStyle border = BorderStyle::kSizable;
  bool control_box = true;
  bool min_button = true;
  bool max_button = true;
  bool show_in_taskbar = true;
};

class PLATFORM_API Form {
 public:
  explicit Form(std::u16string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Neither of these loads the form.
  const std::u16string& Name() const { return name_; }
  bool IsLoaded() const { return loaded_; }

  // Loads the form unless it is loaded.
  void Load();
  // Unloads a loaded form; answers false when OnQueryUnload refused.
  bool Unload();
  // Shows the form modally and returns when it is hidden or unloaded. Fails with "Form already
  // displayed" (400) while the form is shown.
  void ShowModal();
  void Hide();
  bool Visible();
  // The form's window handle, new at each load.
  win::HWND hWnd();

  const std::u16string& Caption();
  void SetCaption(std::u16string caption);
  const FontSpec& Font();
  void SetFont(FontSpec font);
  const FormStyle& Style();
  void SetStyle(const FormStyle& style);

  // Outer position and size.
  double Left();
  double Top();
  double Width();
  double Height();
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  void Move(double left, double top);
  // The inner (client) area: origin 0, 0; its size is the outer size less the frame.
  double ScaleLeft();
  double ScaleTop();
  double ScaleWidth();
  double ScaleHeight();
  // Sets the outer size so that the inner area has this size.
  void SetClientSize(double width, double height);

  // The control named `name`; "Control not found" (730) when there is none.
  Control& ControlNamed(std::u16string_view name);
  // The control named `name`, or null.
  Control* FindControl(std::u16string_view name);
  // The control named `name` as its kind; "Type mismatch" (13) when it is of another kind.
  template <class T>
  T& Get(std::u16string_view name) {
    Control& control = ControlNamed(name);
    if (control.Kind() != T::kKind) throw RuntimeError(error::kTypeMismatch);
    return static_cast<T&>(control);
  }
  // The controls in the order they were added.
  std::vector<Control*> Controls();

 protected:
  // Sets the form's design-time properties and adds its controls with their initial values.
  virtual void Design() = 0;
  virtual void OnLoad() {}
  virtual void OnQueryUnload(bool& cancel) { static_cast<void>(cancel); }
  virtual void OnUnload() {}
  virtual void OnResize() {}

  // Adds a control with the form's font at `place`; the name must be new on the form.
  template <class T>
  T& Add(std::u16string name, const Place& place) {
    auto control = std::make_unique<T>(std::move(name));
    T& added = *control;
    AddControl(std::move(control), place);
    return added;
  }

 private:
  friend struct detail::FormAccess;

  void AddControl(std::unique_ptr<Control> control, const Place& place);
  void ShowWindow();
  void HideWindow();
  // Takes the window off the screen without recording it.
  void DetachWindow();
  void ResizeByUser(double width, double height);

  std::u16string name_;
  bool loaded_ = false;
  bool visible_ = false;
  bool shown_since_load_ = false;
  win::HWND hwnd_ = 0;
  std::u16string caption_;
  FontSpec font_;
  FormStyle style_;
  Place place_;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace platform
