// The host's answers to events. A host that answers every raise with values taken from the
// fuzzer's input (and now and then reads or writes a property of the control from inside its
// answer) drives one of the four plug-ins through the C boundary: it creates controls, calls
// their methods with arbitrary arguments and answers their dialogs. Whatever the host answers,
// the plug-in must not crash, hang, leak or let an exception out; a call may fail with an error.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <memory>
#include <optional>
#include <span>

#include "abi_values.h"
#include "code_page.h"
#include "fuzz_input.h"
#include "interface_table.h"
#include "plugin_library.h"
#include "recording_host.h"
#include "user_agent.h"

namespace {

using testhost::Value;

// The libraries stay loaded for the whole run; each input opens its own module state.
host::PluginLibrary& Plugin(std::size_t index) {
  static const std::array<const char*, 4> paths{SARVIK_PLUGIN_PATH, MORVANE_PLUGIN_PATH,
                                                HALDRIN_PLUGIN_PATH, QUENZEL_PLUGIN_PATH};
  static std::array<std::unique_ptr<host::PluginLibrary>, 4> libraries;
  if (!libraries[index]) libraries[index] = std::make_unique<host::PluginLibrary>(paths[index]);
  return *libraries[index];
}

// Numbers a host might answer: mostly small ones, where the commands' choices lie (switch values,
// entity numbers, coordinates), now and then anything.
std::int32_t Whole(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(-2, 8)
                          : in.ConsumeIntegral<std::int32_t>();
}

// Mostly coordinates of a drawing; now and then any bit pattern, NaN and the infinities included.
double Number(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(-20000, 20000)
                          : std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
}

// Texts: the version the commands need and an empty one often, else anything.
std::u16string Text(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return u"4,0,2,3";
    case 1:
      return u"";
    default:
      return fuzz::Widen(in.ConsumeRandomLengthString(40));
  }
}

Value Arbitrary(FuzzedDataProvider& in, qiv::ValueKind kind) {
  switch (kind) {
    case qiv::ValueKind::I16:
      return static_cast<std::int16_t>(Whole(in));
    case qiv::ValueKind::I32:
      return Whole(in);
    case qiv::ValueKind::F64:
      return Number(in);
    case qiv::ValueKind::Str:
      break;
  }
  return Text(in);
}

class FuzzedHost {
 public:
  FuzzedHost(FuzzedDataProvider& in, host::PluginLibrary& library)
      : in_(in), library_(library), module_(library.module_open()) {
    if (module_ == nullptr) fuzz::Broken("a plug-in opens its module state");
  }
  ~FuzzedHost() {
    Destroy();
    library_.module_close(module_);
  }
  FuzzedHost(const FuzzedHost&) = delete;
  FuzzedHost& operator=(const FuzzedHost&) = delete;

  // One thing the host does to the plug-in.
  void Step() {
    if (control_ == nullptr) {
      control_ = library_.control_create(module_, &FuzzedHost::Sink, this);
      if (control_ == nullptr) fuzz::Broken("a plug-in creates a control");
      return;
    }
    switch (in_.ConsumeIntegralInRange(0, 7)) {
      case 0:
        Destroy();
        return;
      case 1:
        Property(QIV_INVOKE_PROPERTYPUT);
        return;
      case 2:
        Property(QIV_INVOKE_PROPERTYGET);
        return;
      default:
        Method();
    }
  }

  // The user: clicks and keys on the shown form, a limited number of them per input.
  std::optional<platform::UserAction> NextAction() {
    if (++actions_ > 24) return std::nullopt;
    static const std::array<const char16_t*, 8> controls{u"OK",     u"Cancel", u"Help",   u"HClose",
                                                         u"Check1", u"Check4", u"Check5", u"List2"};
    switch (in_.ConsumeIntegralInRange(0, 4)) {
      case 0:
        return platform::action::PressKey{platform::action::Key::kEnter};
      case 1:
        return platform::action::PressKey{platform::action::Key::kEscape};
      case 2:
        return platform::action::Set{u"QivSpinEdit1",
                                     fuzz::Widen(in_.ConsumeRandomLengthString(12))};
      case 3:
        return platform::action::Choose{u"List2", Whole(in_)};
      default:
        return platform::action::Click{controls[in_.ConsumeIntegralInRange<std::size_t>(0, 7)]};
    }
  }

 private:
  void Destroy() {
    if (control_ == nullptr) return;
    QivError error{};
    library_.control_destroy(std::exchange(control_, nullptr), &error);
  }

  void Invoke(std::int32_t dispid, std::int32_t kind, std::vector<Value>& values) {
    testhost::ArgumentBinding binding(values);
    QivError error{};
    library_.control_invoke(control_, dispid, kind, binding.data(), binding.size(), &error);
  }

  void Method() {
    const auto methods = qiv::Methods();
    const auto& method = methods[in_.ConsumeIntegralInRange<std::size_t>(0, methods.size() - 1)];
    std::vector<Value> values;
    for (const auto& param : method.params) values.push_back(Arbitrary(in_, param.kind));
    Invoke(method.dispid, QIV_INVOKE_METHOD, values);
  }

  void Property(std::int32_t kind) {
    const auto properties = qiv::Properties();
    const auto& property =
        properties[in_.ConsumeIntegralInRange<std::size_t>(0, properties.size() - 1)];
    std::vector<Value> values{Arbitrary(in_, property.property_kind)};
    Invoke(property.dispid, kind, values);
  }

  static void Sink(void* context, std::int32_t dispid, QivArg* args, std::int32_t count) {
    static_cast<FuzzedHost*>(context)->Answer(dispid, std::span(args, count < 0 ? 0 : count));
  }

  void Answer(std::int32_t dispid, std::span<QivArg> args) {
    // The host program's path decides where the settings file goes: keep it in the scratch
    // folder whatever else the host answers.
    static const std::u16string start_path =
        platform::FromUtf8((fuzz::ScratchFolder() / "QIVCAD.EXE").string());
    if (dispid == start_path_event_ && !args.empty() && args[0].kind == QIV_ARG_STR) {
      qiv::WriteStr(*args[0].ref.str, start_path);
      return;
    }
    for (QivArg& arg : args) {
      if (!in_.ConsumeBool()) continue;
      switch (arg.kind) {
        case QIV_ARG_I16:
          *arg.ref.i16 = static_cast<std::int16_t>(Whole(in_));
          break;
        case QIV_ARG_I32:
          *arg.ref.i32 = Whole(in_);
          break;
        case QIV_ARG_F64:
          *arg.ref.f64 = Number(in_);
          break;
        case QIV_ARG_STR:
          qiv::WriteStr(*arg.ref.str, Text(in_));
          break;
        default:
          fuzz::Broken("an event argument has a known kind");
      }
    }
    // A host may call back into the control while it answers; once deep is enough.
    if (control_ != nullptr && depth_ == 0 && in_.ConsumeIntegralInRange(0, 7) == 0) {
      ++depth_;
      Property(in_.ConsumeBool() ? QIV_INVOKE_PROPERTYPUT : QIV_INVOKE_PROPERTYGET);
      --depth_;
    }
  }

  FuzzedDataProvider& in_;
  host::PluginLibrary& library_;
  QivModule* module_;
  QivControl* control_ = nullptr;
  int actions_ = 0;
  int depth_ = 0;
  const std::int32_t start_path_event_ = qiv::FindMemberByName("QivGetStartPath")->dispid;
};

// Each input starts without the settings files an earlier one left.
void RemoveSettingsFiles() {
  for (const auto& entry : std::filesystem::directory_iterator(fuzz::ScratchFolder()))
    if (entry.path().extension() == ".ini") std::filesystem::remove(entry.path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  host::PluginLibrary& library = Plugin(in.ConsumeIntegralInRange<std::size_t>(0, 3));
  RemoveSettingsFiles();
  platform::ResetHeadlessPlatform();
  {
    FuzzedHost host(in, library);
    platform::SetUserAgent(
        {[&host](platform::Form&) { return host.NextAction(); }, [](const std::u16string&) {}});
    for (int step = 0; step < 48 && in.remaining_bytes() > 0; ++step) host.Step();
  }
  platform::SetUserAgent({});
  return 0;
}
