#include "control.h"

#include <utility>

namespace platform {

Control::Control(ControlKind kind, std::u16string name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() = default;

void Control::FireClick() {
  // The handler may unload the form, which destroys this control: run a copy and touch nothing
  // of the control afterwards.
  const auto handler = on_click_;
  if (handler) handler();
}

}  // namespace platform
