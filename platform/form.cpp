#include "form.h"

#include <algorithm>

#include "form_access.h"
#include "platform_state.h"
#include "user_action.h"
#include "user_agent.h"

namespace platform {
namespace {

// A new form's outer size before its design sets one.
constexpr double kDefaultWidth = 4800;
constexpr double kDefaultHeight = 3600;

// Frame thickness and caption height in pixels for each border style.
struct FramePixels {
  int border;
  int caption;
};

FramePixels FrameOf(BorderStyle style) {
  switch (style) {
    case BorderStyle::kNone:
      return {0, 0};
    case BorderStyle::kSizable:
      return {4, 19};
    case BorderStyle::kFixedToolWindow:
      return {3, 15};
    case BorderStyle::kSizableToolWindow:
      return {4, 15};
    case BorderStyle::kFixedSingle:
    case BorderStyle::kFixedDialog:
      break;
  }
  return {3, 19};
}

double FrameWidth(BorderStyle style) {
  return 2.0 * FrameOf(style).border * win::kTwipsPerPixelX;
}

double FrameHeight(BorderStyle style) {
  const FramePixels frame = FrameOf(style);
  return (2.0 * frame.border + frame.caption) * win::kTwipsPerPixelY;
}

template <class T>
void Erase(std::vector<T>& items, const T& item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

Form::Form(std::u16string name) : name_(std::move(name)) {}

Form::~Form() {
  // No events and no records here: the derived form is gone already.
  if (!loaded_) return;
  DetachWindow();
  Erase(detail::State().windows.loaded, this);
}

void Form::Load() {
  if (loaded_) return;
  auto& windows = detail::State().windows;
  loaded_ = true;
  visible_ = false;
  shown_since_load_ = false;
  hwnd_ = windows.next_handle++;
  windows.loaded.push_back(this);
  caption_ = name_;
  font_ = FontSpec{};
  style_ = FormStyle{};
  place_ = Place{0, 0, kDefaultWidth, kDefaultHeight};
  controls_.clear();
  Design();
  OnLoad();
}

bool Form::Unload() {
  if (!loaded_) return true;
  bool cancel = false;
  OnQueryUnload(cancel);
  if (cancel) return false;
  OnUnload();
  if (!loaded_) return true;
  HideWindow();
  loaded_ = false;
  hwnd_ = 0;
  Erase(detail::State().windows.loaded, this);
  controls_.clear();
  return true;
}

void Form::ShowModal() {
  Load();
  if (visible_) throw RuntimeError(error::kFormAlreadyDisplayed);
  if (!shown_since_load_) {
    shown_since_load_ = true;
    OnResize();
  }
  ShowWindow();
  try {
    while (loaded_ && visible_) PerformUserAction(*this, detail::NextUserAction(*this));
  } catch (...) {
    // A failed show ends it: the window goes away, the form stays loaded.
    HideWindow();
    throw;
  }
}

void Form::Hide() {
  Load();
  HideWindow();
}

bool Form::Visible() {
  Load();
  return visible_;
}

win::HWND Form::hWnd() {
  Load();
  return hwnd_;
}

void Form::ShowWindow() {
  auto& windows = detail::State().windows;
  visible_ = true;
  windows.shown.push_back(this);
  windows.active = hwnd_;
  detail::RecordUserEvent(UserEvent::Kind::kFormShown, name_);
}

void Form::HideWindow() {
  if (!visible_) return;
  DetachWindow();
  detail::RecordUserEvent(UserEvent::Kind::kFormHidden, name_);
}

void Form::DetachWindow() {
  auto& windows = detail::State().windows;
  visible_ = false;
  Erase(windows.shown, this);
  // As on the desktop, the window below takes over when the active one goes.
  if (windows.active == hwnd_) {
    windows.active = windows.shown.empty() ? win::kHostWindow : windows.shown.back()->hwnd_;
  }
}

void Form::ResizeByUser(double width, double height) {
  Load();
  place_.width = width;
  place_.height = height;
  OnResize();
}

const std::u16string& Form::Caption() {
  Load();
  return caption_;
}

void Form::SetCaption(std::u16string caption) {
  Load();
  caption_ = std::move(caption);
}

const FontSpec& Form::Font() {
  Load();
  return font_;
}

void Form::SetFont(FontSpec font) {
  Load();
  font_ = std::move(font);
}

const FormStyle& Form::Style() {
  Load();
  return style_;
}

void Form::SetStyle(const FormStyle& style) {
  Load();
  style_ = style;
}

double Form::Left() {
  Load();
  return place_.left;
}

double Form::Top() {
  Load();
  return place_.top;
}

double Form::Width() {
  Load();
  return place_.width;
}

double Form::Height() {
  Load();
  return place_.height;
}

void Form::SetLeft(double left) {
  Load();
  place_.left = left;
}

void Form::SetTop(double top) {
  Load();
  place_.top = top;
}

void Form::SetWidth(double width) {
  Load();
  place_.width = width;
}

void Form::SetHeight(double height) {
  Load();
  place_.height = height;
}

void Form::Move(double left, double top) {
  Load();
  place_.left = left;
  place_.top = top;
}

double Form::ScaleLeft() {
  Load();
  return 0;
}

double Form::ScaleTop() {
  Load();
  return 0;
}

double Form::ScaleWidth() {
  Load();
  return std::max(0.0, place_.width - FrameWidth(style_.border));
}

double Form::ScaleHeight() {
  Load();
  return std::max(0.0, place_.height - FrameHeight(style_.border));
}

void Form::SetClientSize(double width, double height) {
  Load();
  place_.width = width + FrameWidth(style_.border);
  place_.height = height + FrameHeight(style_.border);
}

Control& Form::ControlNamed(std::u16string_view name) {
  Control* control = FindControl(name);
  if (control == nullptr) throw RuntimeError(error::kControlNotFound);
  return *control;
}

Control* Form::FindControl(std::u16string_view name) {
  Load();
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

std::vector<Control*> Form::Controls() {
  Load();
  std::vector<Control*> controls;
  controls.reserve(controls_.size());
  for (const auto& control : controls_) controls.push_back(control.get());
  return controls;
}

void Form::AddControl(std::unique_ptr<Control> control, const Place& place) {
  if (FindControl(control->Name()) != nullptr) throw RuntimeError(error::kInvalidArgument);
  control->Move(place);
  control->SetFont(font_);
  controls_.push_back(std::move(control));
}

}  // namespace platform
