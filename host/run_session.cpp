#include "run_session.h"

#include <filesystem>

#include "drawing_files.h"
#include "picture.h"
#include "plugin_registry.h"
#include "text_utf.h"

namespace host {
namespace {

namespace fs = std::filesystem;

void WriteOutputs(const RunRequest& request, const Drawing& drawing, const Journal& journal) {
  if (request.dump_json) WriteJson(*request.dump_json, drawing);
  if (request.dxf) WriteDxf(*request.dxf, drawing);
  PictureOptions picture;
  if (request.picture_of_changes) picture.area = ChangedArea(drawing);
  if (request.svg) WritePicture(*request.svg, drawing, picture);
  if (request.png) WritePicture(*request.png, drawing, picture);
  if (request.journal) WriteFileAtomically(*request.journal, journal.Text());
}

}  // namespace

std::u16string StartPathIn(const std::string& settings_dir) {
  std::string folder = settings_dir;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return FromUtf8(folder) + u"QIVCAD.EXE";
}

RunResult RunSession(const RunRequest& request, TerminalProgress& progress) {
  const SessionScript script = ParseScript(request.script_text, request.script_file);

  Drawing drawing;
  HostSettings settings;
  RunResult result;
  if (request.drawing) {
    const std::string name = fs::path(*request.drawing).filename().string();
    result.loaded = ReadDrawing(*request.drawing, drawing, [&](double done) {
      progress.Show("loading " + name + " " + std::to_string(static_cast<int>(done * 100)) + "%");
    });
    progress.Clear();
    settings.document_title = FromUtf8(name);
  }
  if (request.host_version) settings.version = *request.host_version;
  settings.pick_tolerance = request.pick_tolerance;
  for (const ScriptStep& parameter : request.parameters)
    settings.parameters[parameter.number] = ParameterFromText(parameter.value);
  if (request.start_path) {
    settings.start_path = *request.start_path;
  } else {
    std::error_code ignored;
    fs::create_directories(request.settings_dir, ignored);
    settings.start_path = StartPathIn(request.settings_dir);
  }

  LoadedPlugin plugin(ResolvePlugin(request.plugin, request.registry_dir, request.program_dir));
  {
    Session session(plugin, drawing, std::move(settings));
    session.Play(script);
    result.counts = session.counts();
    WriteOutputs(request, drawing, session.journal());
  }
  for (const auto& entity : drawing.entities()) {
    if (entity.erased) continue;
    if (entity.created_step > 0 && entity.live()) ++result.added;
    if (entity.deleted_step) ++result.deleted;
  }
  result.undo_steps = drawing.undo_steps();
  return result;
}

}  // namespace host
