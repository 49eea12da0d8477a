#include "demo.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "drawing_files.h"
#include "picture.h"
#include "run_session.h"
#include "text_utf.h"

namespace host {
namespace {

namespace fs = std::filesystem;

struct DemoSession {
  std::string id;  // "<folder>-<session>"
  fs::path folder;
  std::map<std::string, std::string> keys;
};

std::vector<DemoSession> FindSessions(const fs::path& examples) {
  std::vector<DemoSession> sessions;
  std::error_code failure;
  for (const auto& folder : fs::directory_iterator(examples, failure)) {
    if (!folder.is_directory()) continue;
    for (const auto& file : fs::directory_iterator(folder.path(), failure)) {
      if (file.path().extension() != ".demo") continue;
      DemoSession session{
          folder.path().filename().string() + "-" + file.path().stem().string(), folder.path(), {}};
      std::ifstream in(file.path());
      std::string line;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find('=');
        if (equals != std::string::npos && line[0] != '#')
          session.keys[line.substr(0, equals)] = line.substr(equals + 1);
      }
      sessions.push_back(std::move(session));
    }
  }
  std::sort(sessions.begin(), sessions.end(),
            [](const auto& a, const auto& b) { return a.id < b.id; });
  return sessions;
}

std::string Key(const DemoSession& session, const std::string& key) {
  const auto it = session.keys.find(key);
  if (it == session.keys.end() || it->second.empty())
    throw std::runtime_error(session.id + ".demo: " + key + "= is missing");
  return it->second;
}

// Plays one session and writes its files; returns its summary.
std::string PlayOne(const DemoSession& session, const DemoRequest& request,
                    TerminalProgress& progress) {
  const fs::path out(request.out_dir);
  RunRequest run;
  run.plugin = Key(session, "plugin");
  run.drawing = (session.folder / Key(session, "drawing")).string();
  run.script_file = (session.folder / Key(session, "script")).string();
  run.script_text = ReadWholeFile(run.script_file);
  run.dxf = (out / (session.id + ".dxf")).string();
  run.journal = (out / (session.id + ".jsonl")).string();
  run.png = (out / (session.id + "-after.png")).string();
  run.settings_dir = (out / "settings").string();
  run.registry_dir = request.registry_dir;
  run.program_dir = request.program_dir;
  if (session.keys.count("host-version"))
    run.host_version = FromUtf8(session.keys.at("host-version"));
  if (session.keys.count("pick-tolerance")) {
    const std::string& text = session.keys.at("pick-tolerance");
    std::from_chars(text.data(), text.data() + text.size(), run.pick_tolerance);
  }
  const RunResult result = RunSession(run, progress);

  // The picture before the session shows the same area as the one after it.
  Drawing before;
  ReadDrawing(*run.drawing, before);
  Drawing after;
  ReadDxf(*run.dxf, after);
  PictureOptions picture;
  picture.area = DrawingExtents(after);
  if (const auto old = DrawingExtents(before)) {
    if (picture.area) {
      picture.area->Extend(*old);
    } else {
      picture.area = old;
    }
  }
  WritePicture((out / (session.id + "-before.png")).string(), before, picture);
  WritePicture(*run.png, after, picture);

  return session.id + ": " + run.plugin + " on " + Key(session, "drawing") + ", " +
         std::to_string(result.counts.picks) + " picks, " + std::to_string(result.added) +
         " added, " + std::to_string(result.deleted) + " deleted, " +
         std::to_string(result.counts.message_boxes) + " message boxes, " +
         std::to_string(result.counts.failed_calls) + " failed calls -> " + session.id + ".dxf";
}

}  // namespace

int RunDemo(const DemoRequest& request, TerminalProgress& progress) {
  const auto sessions = FindSessions(request.examples_dir);
  std::error_code ignored;
  fs::create_directories(request.out_dir, ignored);
  std::printf("qivhost demo: %zu sessions from %s, written to %s\n", sessions.size(),
              request.examples_dir.c_str(), request.out_dir.c_str());
  int failed = 0;
  for (std::size_t i = 0; i < sessions.size(); ++i) {
    std::string status = "[";
    status.append(std::to_string(i + 1)).append("/").append(std::to_string(sessions.size()));
    status.append("] ").append(sessions[i].id);
    progress.Show(status);
    std::string line;
    try {
      line = PlayOne(sessions[i], request, progress);
    } catch (const std::exception& error) {
      ++failed;
      line = sessions[i].id;
      line.append(": FAILED: ").append(error.what());
    }
    progress.Clear();
    std::printf("%s\n", line.c_str());
  }
  return failed;
}

}  // namespace host
