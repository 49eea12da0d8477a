#include "hosted_control.h"

#include <stdexcept>

#include "abi_values.h"

namespace host {

LoadedPlugin::LoadedPlugin(const std::string& path) : library_(path) {
  module_ = library_.module_open();
  if (module_ == nullptr) throw std::runtime_error(path + ": the plug-in did not open its module");
}

LoadedPlugin::~LoadedPlugin() {
  library_.module_close(module_);
}

HostedControl::HostedControl(LoadedPlugin& plugin, HostSink& sink) : plugin_(plugin), sink_(sink) {
  control_ = plugin.library().control_create(plugin.module(), &HostSink::Receive, &sink);
  if (control_ == nullptr)
    throw std::runtime_error(plugin.library().path() + ": the plug-in did not create a control");
}

HostedControl::~HostedControl() {
  Destroy();
}

CallArgs HostedControl::ArgsFor(std::string_view method) {
  const qiv::Member* member = qiv::FindMemberByName(method);
  if (member == nullptr || member->kind != qiv::MemberKind::Method)
    throw std::logic_error("no method named " + std::string(method));
  return CallArgs(*member);
}

bool HostedControl::Call(CallArgs& args) {
  if (control_ == nullptr) throw std::logic_error("the control has been destroyed");
  const std::string name(args.method().name);
  // Ask the plug-in for the dispatch id, as a host that only knows the names would.
  const std::int32_t dispid = plugin_.library().dispid_of_name(name.c_str());
  if (dispid == 0) throw std::runtime_error(plugin_.library().path() + ": no method " + name);
  sink_.journal().Call(args.method(), args.data(), args.count());
  QivError error{};
  const std::int32_t result = plugin_.library().control_invoke(control_, dispid, QIV_INVOKE_METHOD,
                                                               args.data(), args.count(), &error);
  if (result == 0) return true;
  ++failed_calls_;
  sink_.journal().CallError(name, result, qiv::ErrorText(error));
  return false;
}

bool HostedControl::Call(std::string_view method) {
  CallArgs args = ArgsFor(method);
  return Call(args);
}

bool HostedControl::Destroy() {
  if (control_ == nullptr) return true;
  sink_.journal().Call("destroy");
  QivError error{};
  const std::int32_t result = plugin_.library().control_destroy(control_, &error);
  control_ = nullptr;
  if (result == 0) return true;
  ++failed_calls_;
  sink_.journal().CallError("destroy", result, qiv::ErrorText(error));
  return false;
}

}  // namespace host
