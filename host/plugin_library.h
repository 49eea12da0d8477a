// A command plug-in loaded through its C boundary only, as a foreign host loads it.
#pragma once

#include <string>

#include "qiv_plugin_abi.h"

namespace host {

// The loaded library and its resolved entry points. Unloads the library when destroyed.
class PluginLibrary {
 public:
  // Loads the shared library at `path`; throws std::runtime_error naming the file on failure.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  const std::string& path() const { return path_; }
  const QivClassInfo& info() const { return *class_info_(); }

  decltype(&qiv_module_open) module_open = nullptr;
  decltype(&qiv_module_close) module_close = nullptr;
  decltype(&qiv_control_create) control_create = nullptr;
  decltype(&qiv_control_invoke) control_invoke = nullptr;
  decltype(&qiv_control_destroy) control_destroy = nullptr;
  decltype(&qiv_dispid_of_name) dispid_of_name = nullptr;
  decltype(&qiv_register) register_plugin = nullptr;
  decltype(&qiv_unregister) unregister_plugin = nullptr;

 private:
  std::string path_;
  void* handle_ = nullptr;
  decltype(&qiv_class_info) class_info_ = nullptr;
};

}  // namespace host
