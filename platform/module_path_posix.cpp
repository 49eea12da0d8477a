// POSIX backend of ModulePathOf: the dynamic loader knows which object holds an address.
#include <dlfcn.h>

#include <cstdlib>
#include <memory>

#include "code_page.h"
#include "module_path.h"

namespace platform {

std::string ModulePathOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(info.dli_fname, nullptr),
                                                       &std::free);
  return resolved ? std::string(resolved.get()) : std::string(info.dli_fname);
}

std::u16string ModuleFolderOf(const void* address) {
  const std::string path = ModulePathOf(address);
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  return FromUtf8(slash == 0 ? std::string_view("/") : std::string_view(path).substr(0, slash));
}

}  // namespace platform
