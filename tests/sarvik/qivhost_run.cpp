#include "qivhost_run.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace trimsession {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Write(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

}  // namespace

QivhostRun::QivhostRun(const std::string& name)
    : dir_(fs::temp_directory_path() /
           ("pipetrim-" + name + "-" + std::to_string(static_cast<long>(getpid())))) {
  fs::remove_all(dir_);
  fs::create_directories(dir_ / "registry");
}

QivhostRun::~QivhostRun() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

Played QivhostRun::Play(const std::string& plugin, const Json& drawing,
                        const std::string& script) const {
  const fs::path drawing_file = dir_ / "drawing.json";
  Write(drawing_file, drawing.dump(1));
  return Play(plugin, drawing_file, script);
}

Played QivhostRun::Play(const std::string& plugin, const fs::path& drawing_file,
                        const std::string& script) const {
  const fs::path script_file = dir_ / "session.qivs";
  const fs::path dump_file = dir_ / "dump.json";
  const fs::path journal_file = dir_ / "journal.jsonl";
  const fs::path err_file = dir_ / "err.txt";
  Write(script_file, script);
  fs::remove(dump_file);
  fs::remove(journal_file);

  const std::string command =
      std::string(QIVHOST_PATH) + " --registry " + Quoted(dir_ / "registry") + " run " + plugin +
      " --drawing " + Quoted(drawing_file) + " --script " + Quoted(script_file) + " --dump " +
      Quoted(dump_file) + " --journal " + Quoted(journal_file) + " --settings-dir " +
      Quoted(settings_dir()) + " >/dev/null 2>" + Quoted(err_file);
  const int status = std::system(command.c_str());

  Played played;
  played.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  played.err = Slurp(err_file);
  if (fs::exists(dump_file)) played.dump = Json::parse(Slurp(dump_file));
  std::istringstream lines(Slurp(journal_file));
  for (std::string line; std::getline(lines, line);) played.journal.push_back(Json::parse(line));
  return played;
}

}  // namespace trimsession
