#include "user_action.h"

#include <string>

#include "code_page.h"
#include "controls.h"
#include "form.h"
#include "form_access.h"
#include "spin_edit.h"
#include "user_agent.h"

namespace platform {
namespace {

[[noreturn]] void Refuse(Form& form, const std::u16string& control, const std::string& why) {
  throw UserAgentError(form.Name(), "control " + ToUtf8(control) + " " + why);
}

// The control the user's hand can reach: present, visible and enabled.
Control& Reach(Form& form, const std::u16string& name) {
  Control* control = form.FindControl(name);
  if (control == nullptr) Refuse(form, name, "does not exist");
  if (!control->Visible()) Refuse(form, name, "is not visible");
  if (!control->Enabled()) Refuse(form, name, "is disabled");
  return *control;
}

// The user sets a check box; its Click fires when the value changes.
void SetCheck(Form& form, CheckBox& box, double value) {
  if (value != CheckBox::kUnchecked && value != CheckBox::kChecked && value != CheckBox::kGrayed) {
    Refuse(form, box.Name(), "takes 0, 1 or 2");
  }
  const auto new_value = static_cast<std::int16_t>(value);
  if (new_value == box.Value()) return;
  box.SetValue(new_value);
  box.FireClick();
}

void Perform(Form& form, const action::Set& set) {
  Control& control = Reach(form, set.control);
  switch (control.Kind()) {
    case ControlKind::kCheckBox:
      if (set.text != u"0" && set.text != u"1" && set.text != u"2") {
        Refuse(form, set.control, "takes 0, 1 or 2");
      }
      SetCheck(form, static_cast<CheckBox&>(control), set.text[0] - u'0');
      return;
    case ControlKind::kTextBox: {
      auto& box = static_cast<TextBox&>(control);
      if (box.ReadOnly()) Refuse(form, set.control, "is read-only");
      box.SetText(set.text);
      return;
    }
    case ControlKind::kComboBox:
      static_cast<ComboBox&>(control).SetText(set.text);
      return;
    case ControlKind::kSpinEdit:
      static_cast<SpinEdit&>(control).Type(set.text);
      return;
    case ControlKind::kLabel:
    case ControlKind::kButton:
    case ControlKind::kListBox:
      break;
  }
  Refuse(form, set.control, "takes no typed input");
}

void Perform(Form& form, const action::SetNumber& set) {
  Control& control = Reach(form, set.control);
  if (control.Kind() == ControlKind::kCheckBox) {
    SetCheck(form, static_cast<CheckBox&>(control), set.value);
  } else if (control.Kind() == ControlKind::kSpinEdit) {
    static_cast<SpinEdit&>(control).SpinTo(set.value);
  } else {
    Refuse(form, set.control, "takes no number");
  }
}

void Perform(Form& form, const action::Choose& choose) {
  Control& control = Reach(form, choose.control);
  if (control.Kind() != ControlKind::kListBox && control.Kind() != ControlKind::kComboBox) {
    Refuse(form, choose.control, "is not a list");
  }
  auto& list = static_cast<ListControl&>(control);
  if (choose.index < 0 || choose.index >= list.ListCount()) {
    Refuse(form, choose.control,
           "has no entry " + std::to_string(choose.index) + " (" +
               std::to_string(list.ListCount()) + " entries)");
  }
  list.SetListIndex(choose.index);
  list.FireClick();
}

void Perform(Form& form, const action::Click& click) {
  Control& control = Reach(form, click.control);
  if (control.Kind() == ControlKind::kCheckBox) {
    auto& box = static_cast<CheckBox&>(control);
    SetCheck(form, box,
             box.Value() == CheckBox::kChecked ? CheckBox::kUnchecked : CheckBox::kChecked);
  } else {
    control.FireClick();
  }
}

void Perform(Form& form, const action::Resize& resize) {
  const BorderStyle border = form.Style().border;
  if (border != BorderStyle::kSizable && border != BorderStyle::kSizableToolWindow) {
    throw UserAgentError(form.Name(), "has a fixed frame and cannot be resized");
  }
  detail::FormAccess::ResizeByUser(form, resize.width, resize.height);
}

void Perform(Form& form, const action::PressKey& key) {
  for (Control* control : form.Controls()) {
    if (control->Kind() != ControlKind::kButton || !control->Visible() || !control->Enabled()) {
      continue;
    }
    const auto& button = static_cast<const Button&>(*control);
    if (key.key == action::Key::kEnter ? button.IsDefault() : button.IsCancel()) {
      control->FireClick();
      return;
    }
  }
}

void Perform(Form&, const action::MousePress& press) {
  win::SetCursorPos(press.point);
  win::DeliverMouseMessage(press.message, press.point);
}

}  // namespace

UserAction NonClientPress(MouseButton button, win::POINT point) {
  return action::MousePress{
      button == MouseButton::kLeft ? win::WM_NCLBUTTONDOWN : win::WM_NCRBUTTONDOWN, point};
}

void PerformUserAction(Form& form, const UserAction& action) {
  std::visit([&form](const auto& act) { Perform(form, act); }, action);
}

}  // namespace platform
