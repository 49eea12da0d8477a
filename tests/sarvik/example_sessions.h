// The bundled example sessions of a trim command, played as `qivhost demo` plays them: each
// "<session>.demo" file of an example folder names the plug-in, the drawing and the script.
#pragma once

#include <filesystem>
#include <string>

#include "qivhost_run.h"

namespace trimsession {

// Plays every session of `folder` and checks that each one is a session of `plugin` that makes
// exactly one trim, shows no message box and ends the command. Fails when the folder holds
// no session.
void ExpectEveryExampleMakesOneTrim(const QivhostRun& run, const std::filesystem::path& folder,
                                    const std::string& plugin);

}  // namespace trimsession
