#include "plugin_registration.h"

#include <filesystem>
#include <sstream>

#include "code_page.h"
#include "module_path.h"
#include "runtime_error.h"
#include "text_file.h"

namespace qiv {

using platform::RuntimeError;
namespace error = platform::error;

namespace {

std::filesystem::path ManifestPath(const std::string& registry_dir, const QivClassInfo& info) {
  return std::filesystem::path(registry_dir) / (std::string(info.name) + ".qivplugin");
}

}  // namespace

void WriteManifest(const std::string& registry_dir, const QivClassInfo& info, const void* address) {
  std::error_code ignored;
  if (registry_dir.empty() || !std::filesystem::is_directory(registry_dir, ignored))
    throw RuntimeError(error::kPathNotFound);
  const std::string library = platform::ModulePathOf(address);
  if (library.empty()) throw RuntimeError(error::kFileNotFound);
  std::ostringstream content;
  content << "name=" << info.name << '\n'
          << "path=" << library << '\n'
          << "class_name=" << info.class_name << '\n'
          << "class_id=" << info.class_id << '\n'
          << "interface_id=" << info.interface_id << '\n'
          << "events_id=" << info.events_id << '\n';
  // Replaced in one step, so a failed write leaves an earlier registration whole.
  const std::string path = ManifestPath(registry_dir, info).string();
  try {
    platform::ReplaceFileContent(path, content.str());
  } catch (const RuntimeError& failure) {
    throw RuntimeError(failure.number(), failure.text() + u" (" + platform::FromUtf8(path) + u")");
  }
}

void RemoveManifest(const std::string& registry_dir, const QivClassInfo& info) {
  std::error_code failure;
  if (!std::filesystem::remove(ManifestPath(registry_dir, info), failure)) {
    throw RuntimeError(failure ? error::kPathFileAccess : error::kFileNotFound);
  }
}

}  // namespace qiv
