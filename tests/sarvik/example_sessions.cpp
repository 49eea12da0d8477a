#include "example_sessions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "journal_walk.h"

namespace trimsession {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> ReadDemo(const fs::path& file) {
  std::map<std::string, std::string> keys;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) keys[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return keys;
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

void ExpectEveryExampleMakesOneTrim(const QivhostRun& run, const fs::path& folder,
                                    const std::string& plugin) {
  int sessions = 0;
  for (const auto& file : fs::directory_iterator(folder)) {
    if (file.path().extension() != ".demo") continue;
    ++sessions;
    SCOPED_TRACE(file.path().filename().string());
    auto keys = ReadDemo(file.path());
    EXPECT_EQ(keys["plugin"], plugin);
    const Played played =
        run.Play(keys["plugin"], folder / keys["drawing"], ReadText(folder / keys["script"]));
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(played.dump["undo_steps"], 1);
    for (const auto& line : played.journal) EXPECT_FALSE(line.contains("msgbox")) << line.dump();
    const JournalWalk walk(played.journal);
    EXPECT_LT(walk.FindEvent("QivExitCommand"), walk.Find("call", "destroy"))
        << "the session does not end the command";
  }
  EXPECT_GT(sessions, 0) << "no example session in " << folder;
}

}  // namespace trimsession
