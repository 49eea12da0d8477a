// POSIX backend of PluginLibrary: dlopen and dlsym.
#include <dlfcn.h>

#include <stdexcept>

#include "plugin_library.h"

namespace host {
namespace {

template <typename Function>
void Resolve(void* handle, const std::string& path, const char* name, Function& out) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr)
    throw std::runtime_error(path + ": not a command plug-in (no " + name + ")");
  out = reinterpret_cast<Function>(symbol);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : path_(path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    throw std::runtime_error("cannot load plug-in " + path + ": " + (reason ? reason : "unknown"));
  }
  try {
    Resolve(handle_, path, "qiv_class_info", class_info_);
    Resolve(handle_, path, "qiv_module_open", module_open);
    Resolve(handle_, path, "qiv_module_close", module_close);
    Resolve(handle_, path, "qiv_control_create", control_create);
    Resolve(handle_, path, "qiv_control_invoke", control_invoke);
    Resolve(handle_, path, "qiv_control_destroy", control_destroy);
    Resolve(handle_, path, "qiv_dispid_of_name", dispid_of_name);
    Resolve(handle_, path, "qiv_register", register_plugin);
    Resolve(handle_, path, "qiv_unregister", unregister_plugin);
  } catch (...) {
    dlclose(handle_);
    throw;
  }
  if (info().abi_version != QIV_ABI_VERSION) {
    dlclose(handle_);
    throw std::runtime_error(path + ": plug-in boundary version " +
                             std::to_string(info().abi_version) + ", expected " +
                             std::to_string(QIV_ABI_VERSION));
  }
}

PluginLibrary::~PluginLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

}  // namespace host
