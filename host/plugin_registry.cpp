#include "plugin_registry.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "abi_values.h"
#include "plugin_library.h"
#include "text_utf.h"

namespace host {
namespace {

namespace fs = std::filesystem;

constexpr const char* kManifestExtension = ".qivplugin";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::optional<PluginManifest> ReadManifest(const fs::path& file) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  PluginManifest manifest;
  manifest.file = file.string();
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    manifest.fields[line.substr(0, equals)] = line.substr(equals + 1);
  }
  manifest.name = manifest.fields["name"];
  manifest.path = manifest.fields["path"];
  if (manifest.name.empty() || manifest.path.empty()) return std::nullopt;
  return manifest;
}

std::string Failure(const std::string& what, std::int32_t number, const QivError& error) {
  return what + ": error " + std::to_string(number) + " " + ToUtf8(qiv::ErrorText(error));
}

}  // namespace

std::string DefaultRegistryDir() {
  if (const char* dir = std::getenv("QIVHOST_REGISTRY"); dir && *dir) return dir;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    return (fs::path(data) / "pipetrim" / "plugins").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home ? home : ".") / ".local" / "share" / "pipetrim" / "plugins").string();
}

std::vector<PluginManifest> ListManifests(const std::string& dir) {
  std::vector<PluginManifest> manifests;
  std::error_code failure;
  for (const auto& entry : fs::directory_iterator(dir, failure)) {
    if (entry.path().extension() != kManifestExtension) continue;
    if (auto manifest = ReadManifest(entry.path())) manifests.push_back(std::move(*manifest));
  }
  std::sort(manifests.begin(), manifests.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return manifests;
}

std::optional<PluginManifest> FindManifest(const std::string& dir, const std::string& name) {
  for (auto& manifest : ListManifests(dir)) {
    if (Lower(manifest.name) == Lower(name)) return std::move(manifest);
  }
  return std::nullopt;
}

std::string ResolvePlugin(const std::string& name, const std::string& registry_dir,
                          const std::string& program_dir) {
  const bool is_path = name.find('/') != std::string::npos ||
                       (name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0);
  if (is_path) {
    if (!fs::exists(name)) throw std::runtime_error("no plug-in library " + name);
    return fs::absolute(name).string();
  }
  if (auto manifest = FindManifest(registry_dir, name)) return manifest->path;
  const fs::path beside = fs::path(program_dir) / ("lib" + name + ".so");
  if (!program_dir.empty() && fs::exists(beside)) return beside.string();
  throw std::runtime_error("plug-in " + name + " is not registered in " + registry_dir +
                           " (see qivhost register)");
}

std::string RegisterPlugin(const std::string& library_path, const std::string& dir) {
  std::error_code failure;
  fs::create_directories(dir, failure);
  if (failure) throw std::runtime_error("cannot create the registry folder " + dir);
  PluginLibrary library(fs::absolute(library_path).string());
  QivError error{};
  const std::int32_t result = library.register_plugin(dir.c_str(), &error);
  if (result != 0) throw std::runtime_error(Failure(library_path, result, error));
  return library.info().name;
}

void UnregisterPlugin(const std::string& name, const std::string& dir) {
  const auto manifest = FindManifest(dir, name);
  if (!manifest) throw std::runtime_error("plug-in " + name + " is not registered in " + dir);
  std::optional<PluginLibrary> library;
  try {
    library.emplace(manifest->path);
  } catch (const std::runtime_error&) {
    // The library is gone or broken: nobody else can take its entry out.
    fs::remove(manifest->file);
    return;
  }
  QivError error{};
  const std::int32_t result = library->unregister_plugin(dir.c_str(), &error);
  if (result != 0) throw std::runtime_error(Failure(name, result, error));
}

}  // namespace host
