// A plug-in opened through its C boundary for a test: library, module state and controls.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plugin_library.h"
#include "recording_host.h"

namespace testhost {

// The result of one incoming call: 0 or the error number, and the error text.
struct CallResult {
  std::int32_t number = 0;
  std::u16string text;
  bool ok() const { return number == 0; }
};

class ControlUnderTest {
 public:
  ControlUnderTest(const host::PluginLibrary& library, QivModule* module, RecordingHost& host);
  ~ControlUnderTest();
  ControlUnderTest(const ControlUnderTest&) = delete;
  ControlUnderTest& operator=(const ControlUnderTest&) = delete;

  // Calls a method by name with by-reference arguments held in `args`.
  CallResult Call(std::string_view method, std::vector<Value>& args);
  CallResult Call(std::string_view method);
  Value Get(std::string_view property, Value kind_of_result);
  CallResult Put(std::string_view property, Value value);
  // Destroys the control now (its termination runs); returns the destroy call's result.
  CallResult Destroy();

 private:
  std::int32_t DispidOf(std::string_view name) const;
  const host::PluginLibrary& library_;
  QivControl* control_;
};

class PluginUnderTest {
 public:
  explicit PluginUnderTest(const std::string& path);
  ~PluginUnderTest();
  PluginUnderTest(const PluginUnderTest&) = delete;
  PluginUnderTest& operator=(const PluginUnderTest&) = delete;

  const host::PluginLibrary& library() const { return library_; }
  std::unique_ptr<ControlUnderTest> Create(RecordingHost& host);

 private:
  host::PluginLibrary library_;
  QivModule* module_;
};

}  // namespace testhost
