// qivhost: the reference host on the command line.
//
//   qivhost run NAME [--drawing F] [--script F|-] [--dump F] [--dxf F] [--svg F] [--png F]
//               [--param ID=VALUE ...] ...
//   qivhost register PATH...    qivhost unregister NAME    qivhost list    qivhost demo
#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "demo.h"
#include "drawing_files.h"
#include "module_path.h"
#include "picture.h"
#include "plugin_registry.h"
#include "run_session.h"
#include "text_utf.h"

#ifndef PIPETRIM_EXAMPLES_DIR
#define PIPETRIM_EXAMPLES_DIR "examples"
#endif

namespace {

namespace fs = std::filesystem;

std::string ProgramDir() {
  static const int anchor = 0;
  const std::string path = platform::ModulePathOf(&anchor);
  return path.empty() ? std::string() : fs::path(path).parent_path().string();
}

std::string DefaultSettingsDir() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return (fs::path(config) / "pipetrim").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home ? home : ".") / ".config" / "pipetrim").string();
}

std::string NewDemoFolder() {
  std::string pattern = (fs::temp_directory_path() / "qivhost-demo-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a demo folder");
  return pattern;
}

int Fail(const std::exception& error) {
  std::fprintf(stderr, "qivhost: %s\n", error.what());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"qivhost: runs drafting command plug-ins on drawings, driven by session scripts"};
  app.require_subcommand(1);
  std::string registry = host::DefaultRegistryDir();
  app.add_option("--registry", registry, "plug-in registry folder")->capture_default_str();

  host::RunRequest run;
  std::string script = "-";
  std::string host_version, start_path;
  std::vector<std::string> parameters;
  std::string picture_area = "all";
  run.settings_dir = DefaultSettingsDir();
  auto* run_cmd = app.add_subcommand("run", "play a session script with a plug-in's command");
  run_cmd->add_option("name", run.plugin, "plug-in name (Sarvik, Morvane, ...) or library path")
      ->required();
  run_cmd->add_option("--drawing", run.drawing, "drawing to open (.dxf or .json)");
  run_cmd->add_option("--script", script, "session script, - for standard input")
      ->capture_default_str();
  run_cmd->add_option("--dump", run.dump_json, "write the drawing as JSON");
  run_cmd->add_option("--dxf", run.dxf, "write the drawing as DXF");
  run_cmd->add_option("--svg", run.svg, "write a picture as SVG");
  run_cmd->add_option("--png", run.png, "write a picture as PNG");
  run_cmd
      ->add_option("--picture-area", picture_area,
                   "all: the whole drawing; changes: around the changes")
      ->check(CLI::IsMember({"all", "changes"}))
      ->capture_default_str();
  run_cmd->add_option("--journal", run.journal, "write the journal (JSON Lines)");
  run_cmd->add_option("--host-version", host_version, "version the host answers (4,0,2,3)");
  run_cmd->add_option("--start-path", start_path, "host program path answered to the command");
  run_cmd->add_option("--settings-dir", run.settings_dir, "where the commands keep their settings")
      ->capture_default_str();
  run_cmd->add_option("--pick-tolerance", run.pick_tolerance, "drawing units a pick may miss by")
      ->capture_default_str();
  run_cmd
      ->add_option("--param", parameters,
                   "ID=VALUE: a host parameter the host answers (repeatable; see param)")
      ->allow_extra_args(false);

  std::vector<std::string> libraries;
  auto* register_cmd = app.add_subcommand("register", "register plug-in libraries");
  register_cmd->add_option("path", libraries, "plug-in library")->required();
  std::string unregister_name;
  auto* unregister_cmd = app.add_subcommand("unregister", "remove a plug-in from the registry");
  unregister_cmd->add_option("name", unregister_name, "plug-in name")->required();
  auto* list_cmd = app.add_subcommand("list", "list the registered plug-ins");

  host::DemoRequest demo;
  demo.examples_dir = PIPETRIM_EXAMPLES_DIR;
  auto* demo_cmd = app.add_subcommand("demo", "play every bundled example session");
  demo_cmd->add_option("--examples", demo.examples_dir, "folder of example sessions")
      ->capture_default_str();
  demo_cmd->add_option("--out", demo.out_dir, "output folder (default: a new temporary folder)");

  CLI11_PARSE(app, argc, argv);

  host::TerminalProgress progress;
  // Picture caches are freed however the program ends.
  struct PictureCaches {
    ~PictureCaches() { host::ReleasePictureCaches(); }
  } picture_caches;
  try {
    if (*run_cmd) {
      run.registry_dir = registry;
      run.program_dir = ProgramDir();
      run.picture_of_changes = picture_area == "changes";
      if (!host_version.empty()) run.host_version = host::FromUtf8(host_version);
      if (!start_path.empty()) run.start_path = host::FromUtf8(start_path);
      for (const auto& parameter : parameters)
        run.parameters.push_back(host::ParseParameterOption(parameter));
      if (script == "-") {
        run.script_file = "<stdin>";
        run.script_text.assign(std::istreambuf_iterator<char>(std::cin), {});
      } else {
        run.script_file = script;
        run.script_text = host::ReadWholeFile(script);
      }
      const host::RunResult result = host::RunSession(run, progress);
      if (result.loaded)
        std::printf("loaded %s: %s\n", run.drawing->c_str(), result.loaded->Summary().c_str());
      std::printf(
          "%s: %lld picks, %lld added, %lld deleted, %d undo steps, %lld message boxes, "
          "%lld failed calls\n",
          run.plugin.c_str(), static_cast<long long>(result.counts.picks),
          static_cast<long long>(result.added), static_cast<long long>(result.deleted),
          result.undo_steps, static_cast<long long>(result.counts.message_boxes),
          static_cast<long long>(result.counts.failed_calls));
    } else if (*register_cmd) {
      for (const auto& library : libraries) {
        const std::string name = host::RegisterPlugin(library, registry);
        std::printf("registered %s in %s\n", name.c_str(), registry.c_str());
      }
    } else if (*unregister_cmd) {
      host::UnregisterPlugin(unregister_name, registry);
      std::printf("unregistered %s\n", unregister_name.c_str());
    } else if (*list_cmd) {
      for (const auto& manifest : host::ListManifests(registry))
        std::printf("%s\t%s\n", manifest.name.c_str(), manifest.path.c_str());
    } else if (*demo_cmd) {
      demo.registry_dir = registry;
      demo.program_dir = ProgramDir();
      if (demo.out_dir.empty()) demo.out_dir = NewDemoFolder();
      return host::RunDemo(demo, progress) == 0 ? 0 : 1;
    }
  } catch (const std::exception& error) {
    progress.Clear();
    return Fail(error);
  }
  return 0;
}
