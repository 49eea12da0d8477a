// The file system path of the loaded library (plug-in or program) that contains an address.
#pragma once

#include <string>

#include "platform_export.h"

namespace platform {

// Full path of the shared library or executable holding `address`, UTF-8; empty when unknown.
PLATFORM_API std::string ModulePathOf(const void* address);

// The folder of that library as the system's UTF-16 text, without a separator at its end (except
// for the root folder); empty when unknown.
PLATFORM_API std::u16string ModuleFolderOf(const void* address);

}  // namespace platform
