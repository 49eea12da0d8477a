// Self-registration: the plug-in's manifest in a registry folder, where hosts find it by name.
//
// The manifest "<name>.qivplugin" holds `key=value` lines: name, path (the library's absolute
// path), class_name, class_id, interface_id, events_id.
#pragma once

#include <string>

#include "qiv_plugin_abi.h"

namespace qiv {

// Writes the manifest of the library that holds `address`; fails with "path not found" when the
// folder does not exist, and with the file error (61 disk full, 75 path/file access error, ...)
// when it cannot be written; the manifest is replaced in one step, so a failure keeps the old.
void WriteManifest(const std::string& registry_dir, const QivClassInfo& info, const void* address);
// Removes the manifest; fails with "file not found" when there is none.
void RemoveManifest(const std::string& registry_dir, const QivClassInfo& info);

}  // namespace qiv
