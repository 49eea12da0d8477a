// One `qivhost run`: read the drawing and the script, play the session, write what was asked.
// Nothing is written unless the whole session played.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drawing_files.h"
#include "session.h"
#include "terminal_progress.h"

namespace host {

struct RunRequest {
  std::string plugin;                  // a registered name or a library path
  std::optional<std::string> drawing;  // .dxf or .json; none: no drawing is open
  std::string script_file;             // for messages
  std::string script_text;
  std::optional<std::string> dump_json, dxf, svg, png, journal;
  bool picture_of_changes = false;  // pictures of the area around the changes only
  std::optional<std::u16string> host_version;
  std::optional<std::u16string> start_path;  // default: settings_dir + program file name
  std::string settings_dir;
  double pick_tolerance = 100;
  std::vector<ScriptStep> parameters;  // --param ID=VALUE, as `param ID VALUE` steps
  std::string registry_dir;
  std::string program_dir;
};

struct RunResult {
  std::optional<LoadReport> loaded;  // what the drawing file held
  SessionCounts counts;
  std::int64_t added = 0;
  std::int64_t deleted = 0;
  std::int32_t undo_steps = 0;
};

// The host program's path answered to the command: the settings folder followed by a program
// file name of ten characters, so that a command that drops them lands in the settings folder.
std::u16string StartPathIn(const std::string& settings_dir);

// Throws std::runtime_error (DrawingFileError, ScriptError, ...) naming the file and line.
RunResult RunSession(const RunRequest& request, TerminalProgress& progress);

}  // namespace host
