#include "session.h"

#include <charconv>
#include <cmath>

#include "dialog_answer.h"
#include "form.h"
#include "text_utf.h"
#include "user_agent.h"
#include "window_system.h"

namespace host {

Session::Session(LoadedPlugin& plugin, Drawing& drawing, HostSettings settings)
    : plugin_(plugin), state_(drawing), sink_(state_, journal_) {
  state_.settings = std::move(settings);
}

Session::~Session() {
  control_.reset();
  platform::SetUserAgent({});
  platform::SetUserEventObserver({});
}

SessionCounts Session::counts() const {
  SessionCounts counts = counts_;
  if (control_) counts.failed_calls += control_->failed_calls();
  return counts;
}

void Session::BecomeUser() {
  platform::UserAgent agent;
  agent.next_action = [this](platform::Form& form) { return NextDialogAnswer(form); };
  agent.read_message_box = [](const std::u16string&) {};
  platform::SetUserAgent(std::move(agent));
  platform::SetUserEventObserver([this](const platform::UserEvent& event) {
    using Kind = platform::UserEvent::Kind;
    switch (event.kind) {
      case Kind::kFormShown:
        journal_.Form(event.text, true);
        break;
      case Kind::kFormHidden:
        journal_.Form(event.text, false);
        break;
      case Kind::kMessageBox:
        ++counts_.message_boxes;
        journal_.MessageBox(event.text);
        break;
      case Kind::kBeep:
        journal_.Host("beep", "count", 1);
        break;
    }
  });
}

std::optional<platform::UserAction> Session::NextDialogAnswer(platform::Form& form) {
  if (mismatch_) return std::nullopt;
  const auto& steps = script_->steps;
  const std::string name = ToUtf8(form.Name());
  if (next_ >= steps.size()) {
    const int last = steps.empty() ? 0 : steps.back().line;
    mismatch_ = Mismatch{last, "the script ends while form " + name + " is shown"};
    return std::nullopt;
  }
  const ScriptStep& step = steps[next_];
  if (!IsDialogAnswer(step.verb)) {
    mismatch_ = Mismatch{step.line, "form " + name + " is shown and waits for a dialog answer"};
    return std::nullopt;
  }
  ++next_;
  return ToUserAction(step, form);
}

void Session::ThrowIfMismatch() {
  if (mismatch_) throw ScriptError(script_->file, mismatch_->line, mismatch_->what);
}

void Session::Play(const SessionScript& script) {
  script_ = &script;
  next_ = 0;
  mismatch_.reset();
  BecomeUser();
  while (next_ < script.steps.size()) {
    const ScriptStep& step = script.steps[next_++];
    if (IsDialogAnswer(step.verb))
      throw ScriptError(script.file, step.line, "no form is shown to take this answer");
    Perform(step);
    ThrowIfMismatch();
  }
  ReleaseControl();
  ThrowIfMismatch();
}

void Session::ReleaseControl() {
  if (!control_) return;
  control_->Destroy();
  counts_.failed_calls += control_->failed_calls();
  control_.reset();
}

HostedControl& Session::RunningControl(const ScriptStep& step) {
  if (!control_) throw ScriptError(script_->file, step.line, "no control: use start first");
  return *control_;
}

void Session::PointInputEnded(const ScriptStep& step, std::int32_t sw) {
  HostedControl& control = RunningControl(step);
  state_.input.x = step.x;
  state_.input.y = step.y;
  CallArgs args = HostedControl::ArgsFor("QivGCINEnd");
  for (const char* name : {"pgcx", "pgcxUp", "pdcx", "pdcxUp"}) args.Set(name, step.x);
  for (const char* name : {"pgcy", "pgcyUp", "pdcy", "pdcyUp"}) args.Set(name, step.y);
  args.Set("psw", sw);
  args.Set("pkey", step.verb == Verb::kKey ? step.number : 0);
  control.Call(args);
}

void Session::SetLayerLock(const ScriptStep& step, bool locked) {
  Drawing& drawing = state_.drawing;
  Layer* layer = drawing.FindLayerByName(step.name);
  if (layer == nullptr) {
    std::int32_t number = 0;
    const std::string digits(step.name.begin(), step.name.end());
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (result.ec == std::errc() && result.ptr == digits.data() + digits.size() &&
        drawing.FindLayer(number) != nullptr)
      layer = &drawing.EnsureLayer(number);
  }
  if (layer == nullptr)
    throw ScriptError(script_->file, step.line, "the drawing has no such layer");
  layer->locked = locked;
  journal_.Host(locked ? "lock" : "unlock", "layer", layer->no);
}

void Session::Perform(const ScriptStep& step) {
  switch (step.verb) {
    case Verb::kStart:
      if (!control_) control_ = std::make_unique<HostedControl>(plugin_, sink_);
      control_->Call("QivInitCommand");
      break;
    case Verb::kPick:
      ++counts_.picks;
      PointInputEnded(step, 1);
      break;
    case Verb::kCancel:
      PointInputEnded(step, 2);
      break;
    case Verb::kKey:
      PointInputEnded(step, 3);
      break;
    case Verb::kSelect: {
      HostedControl& control = RunningControl(step);
      CallArgs args = HostedControl::ArgsFor("QivSelectEnd");
      args.Set("sw", step.number);
      args.Set("nSelect", step.count);
      control.Call(args);
      break;
    }
    case Verb::kUrgentExit:
      RunningControl(step).Call("QivUrgentExit");
      break;
    case Verb::kRestart: {
      HostedControl& control = RunningControl(step);
      CallArgs args = HostedControl::ArgsFor("QivRestartCommand");
      args.Set("mode", step.number);
      control.Call(args);
      break;
    }
    case Verb::kDestroy:
      RunningControl(step);
      ReleaseControl();
      break;
    case Verb::kUndo:
      state_.drawing.Undo();
      journal_.Host("undo", "undo_steps", state_.drawing.undo_steps());
      break;
    case Verb::kLock:
      SetLayerLock(step, true);
      break;
    case Verb::kUnlock:
      SetLayerLock(step, false);
      break;
    case Verb::kHostVersion:
      state_.settings.version = step.name;
      break;
    case Verb::kParam:
      state_.settings.parameters[step.number] = ParameterFromText(step.value);
      journal_.Host("param", "id", step.number);
      break;
    case Verb::kCursor:
      platform::win::SetCursorPos({static_cast<std::int32_t>(std::lround(step.x)),
                                   static_cast<std::int32_t>(std::lround(step.y))});
      break;
    default:
      break;  // dialog answers are taken by the shown form (NextDialogAnswer)
  }
}

}  // namespace host
