// The plug-in boundary's implementation, compiled into every plug-in: C entry points that turn
// incoming calls into calls on the control and every error into a failed call with its number.
#include <exception>
#include <memory>
#include <string>

#include "abi_values.h"
#include "interface_table.h"
#include "plugin_descriptor.h"
#include "plugin_registration.h"
#include "qiv_opt_cmd200.h"
#include "qiv_plugin_abi.h"
#include "runtime_error.h"

struct QivModule {
  qiv::ModuleState state;
};

struct QivControl {
  std::unique_ptr<qiv::QivOptCmd200> control;
};

namespace {

std::u16string Widen(const char* text) {
  std::u16string out;
  for (const char* p = text; *p != '\0'; ++p) out.push_back(static_cast<unsigned char>(*p));
  return out;
}

// Runs `body`, reporting an escaping error as the call's result.
template <typename Body>
std::int32_t Guarded(QivError* error, Body&& body) {
  try {
    body();
    return 0;
  } catch (const platform::RuntimeError& failure) {
    qiv::FillError(error, failure.number(), failure.text());
    return failure.number();
  } catch (const std::exception& failure) {
    qiv::FillError(error, platform::error::kInternal, Widen(failure.what()));
    return platform::error::kInternal;
  } catch (...) {
    qiv::FillError(error, platform::error::kInternal,
                   platform::StandardErrorText(platform::error::kInternal));
    return platform::error::kInternal;
  }
}

}  // namespace

extern "C" {

QIV_EXPORT const QivClassInfo* qiv_class_info(void) {
  static const QivClassInfo info = [] {
    const auto& plugin = qiv::ThisPlugin();
    return QivClassInfo{QIV_ABI_VERSION, plugin.name,         "QivOptCmd200",
                        plugin.class_id, plugin.interface_id, plugin.events_id};
  }();
  return &info;
}

QIV_EXPORT QivModule* qiv_module_open(void) {
  try {
    auto module = std::make_unique<QivModule>();
    module->state.command = qiv::ThisPlugin().make_command(module->state);
    return module.release();
  } catch (...) {
    return nullptr;
  }
}

QIV_EXPORT void qiv_module_close(QivModule* module) {
  delete module;
}

QIV_EXPORT QivControl* qiv_control_create(QivModule* module, QivEventSink sink, void* context) {
  if (module == nullptr) return nullptr;
  try {
    return new QivControl{std::make_unique<qiv::QivOptCmd200>(module->state, sink, context)};
  } catch (...) {
    return nullptr;
  }
}

QIV_EXPORT int32_t qiv_control_invoke(QivControl* control, int32_t dispid, int32_t invoke_kind,
                                      QivArg* args, int32_t count, QivError* error) {
  if (control == nullptr) {
    qiv::FillError(error, platform::error::kObjectRequired,
                   platform::StandardErrorText(platform::error::kObjectRequired));
    return platform::error::kObjectRequired;
  }
  return Guarded(error, [&] { control->control->Invoke(dispid, invoke_kind, args, count); });
}

QIV_EXPORT int32_t qiv_control_destroy(QivControl* control, QivError* error) {
  if (control == nullptr) return 0;
  const std::int32_t result = Guarded(error, [&] { control->control->Terminate(); });
  delete control;
  return result;
}

QIV_EXPORT int32_t qiv_dispid_of_name(const char* name) {
  if (name == nullptr) return 0;
  const auto* member = qiv::FindMemberByName(name);
  return member ? member->dispid : 0;
}

QIV_EXPORT int32_t qiv_register(const char* registry_dir, QivError* error) {
  return Guarded(error, [&] {
    qiv::WriteManifest(registry_dir ? registry_dir : "", *qiv_class_info(),
                       reinterpret_cast<const void*>(&qiv_register));
  });
}

QIV_EXPORT int32_t qiv_unregister(const char* registry_dir, QivError* error) {
  return Guarded(error,
                 [&] { qiv::RemoveManifest(registry_dir ? registry_dir : "", *qiv_class_info()); });
}

}  // extern "C"
