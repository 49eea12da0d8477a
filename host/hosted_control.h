// A command plug-in as the host runs it: the loaded library with its module state, and the
// control of the running command, driven through the C boundary only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "call_args.h"
#include "host_sink.h"
#include "plugin_library.h"

namespace host {

// The library and its deliverable-wide state, open for the whole session.
class LoadedPlugin {
 public:
  // Loads the library at `path`; throws std::runtime_error naming it on failure.
  explicit LoadedPlugin(const std::string& path);
  ~LoadedPlugin();
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  PluginLibrary& library() { return library_; }
  QivModule* module() { return module_; }

 private:
  PluginLibrary library_;
  QivModule* module_ = nullptr;
};

// One control. Every call is journaled before it runs, and a failed one once more with its
// error; the session goes on either way.
class HostedControl {
 public:
  HostedControl(LoadedPlugin& plugin, HostSink& sink);
  // Destroys the control if it is still alive.
  ~HostedControl();
  HostedControl(const HostedControl&) = delete;
  HostedControl& operator=(const HostedControl&) = delete;

  // The arguments of a method, by its name in the interface table.
  static CallArgs ArgsFor(std::string_view method);
  // Calls the method; false when the control reported a failure.
  bool Call(CallArgs& args);
  bool Call(std::string_view method);
  // Destroys the control (its termination raises events too); false when that failed.
  bool Destroy();

  std::int64_t failed_calls() const { return failed_calls_; }

 private:
  LoadedPlugin& plugin_;
  HostSink& sink_;
  QivControl* control_ = nullptr;
  std::int64_t failed_calls_ = 0;
};

}  // namespace host
