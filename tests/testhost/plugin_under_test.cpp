#include "plugin_under_test.h"

#include <stdexcept>

#include "abi_values.h"

namespace testhost {

ControlUnderTest::ControlUnderTest(const host::PluginLibrary& library, QivModule* module,
                                   RecordingHost& host)
    : library_(library), control_(library.control_create(module, host.sink(), host.context())) {
  if (control_ == nullptr) throw std::runtime_error("control not created");
}

ControlUnderTest::~ControlUnderTest() {
  Destroy();
}

std::int32_t ControlUnderTest::DispidOf(std::string_view name) const {
  const std::int32_t dispid = library_.dispid_of_name(std::string(name).c_str());
  if (dispid == 0) throw std::invalid_argument("no member " + std::string(name));
  return dispid;
}

CallResult ControlUnderTest::Call(std::string_view method, std::vector<Value>& args) {
  ArgumentBinding binding(args);
  QivError error{};
  CallResult result;
  result.number = library_.control_invoke(control_, DispidOf(method), QIV_INVOKE_METHOD,
                                          binding.data(), binding.size(), &error);
  if (!result.ok()) result.text = qiv::ErrorText(error);
  return result;
}

CallResult ControlUnderTest::Call(std::string_view method) {
  std::vector<Value> none;
  return Call(method, none);
}

Value ControlUnderTest::Get(std::string_view property, Value kind_of_result) {
  std::vector<Value> values{std::move(kind_of_result)};
  ArgumentBinding binding(values);
  QivError error{};
  if (library_.control_invoke(control_, DispidOf(property), QIV_INVOKE_PROPERTYGET, binding.data(),
                              1, &error) != 0)
    throw std::runtime_error("property get failed");
  return values[0];
}

CallResult ControlUnderTest::Put(std::string_view property, Value value) {
  std::vector<Value> values{std::move(value)};
  ArgumentBinding binding(values);
  QivError error{};
  CallResult result;
  result.number = library_.control_invoke(control_, DispidOf(property), QIV_INVOKE_PROPERTYPUT,
                                          binding.data(), 1, &error);
  if (!result.ok()) result.text = qiv::ErrorText(error);
  return result;
}

CallResult ControlUnderTest::Destroy() {
  CallResult result;
  if (control_ == nullptr) return result;
  QivError error{};
  result.number = library_.control_destroy(control_, &error);
  if (!result.ok()) result.text = qiv::ErrorText(error);
  control_ = nullptr;
  return result;
}

PluginUnderTest::PluginUnderTest(const std::string& path)
    : library_(path), module_(library_.module_open()) {
  if (module_ == nullptr) throw std::runtime_error("module not opened: " + path);
}

PluginUnderTest::~PluginUnderTest() {
  library_.module_close(module_);
}

std::unique_ptr<ControlUnderTest> PluginUnderTest::Create(RecordingHost& host) {
  return std::make_unique<ControlUnderTest>(library_, module_, host);
}

}  // namespace testhost
