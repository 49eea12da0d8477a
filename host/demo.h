// `qivhost demo`: every bundled example session, played and written out.
//
// An example folder holds drawings, session scripts and one "<session>.demo" file per session,
// of `key=value` lines: plugin= (the plug-in's name), drawing= and script= (file names in the
// folder), and optionally host-version= and pick-tolerance=. Each session writes
// "<folder>-<session>.dxf", its journal, and pictures of the drawing before and after.
#pragma once

#include <string>

#include "terminal_progress.h"

namespace host {

struct DemoRequest {
  std::string examples_dir;
  std::string out_dir;
  std::string registry_dir;
  std::string program_dir;
};

// Plays every session; prints one summary line per session. Returns the number of sessions
// that failed (each one's error is printed in its line).
int RunDemo(const DemoRequest& request, TerminalProgress& progress);

}  // namespace host
