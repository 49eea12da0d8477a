// The plug-in registry folder: one manifest "<name>.qivplugin" per registered plug-in, written
// by the plug-in itself (qiv_register), with `key=value` lines, at least name= and path= (the
// library's absolute path).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct PluginManifest {
  std::string file;  // the manifest's own path
  std::string name;
  std::string path;
  std::map<std::string, std::string> fields;  // every key=value line
};

// $QIVHOST_REGISTRY, else $XDG_DATA_HOME/pipetrim/plugins, else ~/.local/share/pipetrim/plugins.
std::string DefaultRegistryDir();

// The manifests in `dir`, by name; manifests without name= or path= are left out.
std::vector<PluginManifest> ListManifests(const std::string& dir);
// The manifest of plug-in `name` (compared without regard to case), if registered.
std::optional<PluginManifest> FindManifest(const std::string& dir, const std::string& name);

// The library to load for NAME: a path (with a '/' or ending in ".so") as given; otherwise the
// registered plug-in of that name; otherwise "lib<NAME>.so" in `program_dir` (plug-ins are
// built beside the program). Throws std::runtime_error when none exists.
std::string ResolvePlugin(const std::string& name, const std::string& registry_dir,
                          const std::string& program_dir);

// Loads the library and lets it register itself in `dir` (created if missing); returns its
// name. Throws std::runtime_error with the plug-in's error text on failure.
std::string RegisterPlugin(const std::string& library_path, const std::string& dir);
// Lets the registered plug-in remove its manifest; a manifest whose library no longer loads is
// removed by the host. Throws std::runtime_error when `name` is not registered.
void UnregisterPlugin(const std::string& name, const std::string& dir);

}  // namespace host
