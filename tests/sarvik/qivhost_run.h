// Runs qivhost the way a draughtsman's session runs: a drawing, a session script, a fresh
// settings folder and an empty plug-in registry (so the plug-in loaded is the one built beside
// the program), and reads back the drawing it wrote (its JSON dump) and its journal.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace trimsession {

using Json = nlohmann::json;

struct Played {
  int status = 0;             // qivhost's exit status
  std::string err;            // what it wrote to standard error
  Json dump;                  // the drawing after the session; null when nothing was written
  std::vector<Json> journal;  // one object a line
};

// A folder of its own for one test, removed at the end.
class QivhostRun {
 public:
  // `name` tells the folders of concurrent tests apart.
  explicit QivhostRun(const std::string& name);
  ~QivhostRun();
  QivhostRun(const QivhostRun&) = delete;
  QivhostRun& operator=(const QivhostRun&) = delete;

  // Plays `script` with the plug-in called `plugin` ("Sarvik", ...) on `drawing` (the host's
  // JSON form of a drawing).
  Played Play(const std::string& plugin, const Json& drawing, const std::string& script) const;
  // The same on a drawing file (.dxf or .json).
  Played Play(const std::string& plugin, const std::filesystem::path& drawing_file,
              const std::string& script) const;

  // Where the commands of these sessions keep their settings files.
  std::filesystem::path settings_dir() const { return dir_ / "settings"; }

 private:
  std::filesystem::path dir_;
};

}  // namespace trimsession
