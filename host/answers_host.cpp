// Answers to the command's questions about the host: version, program path, titles, cursor
// colour, selection settings, the command's dimension and the numbered host parameters.
#include "host_sink.h"

namespace host {
namespace {

void GetQivVersion(HostState& state, const EventArgs& args) {
  args.SetStr("ver", state.settings.version);
}

void GetStartPath(HostState& state, const EventArgs& args) {
  args.SetStr("m_ProgramPath", state.settings.start_path);
}

void GetActiveQivwinTitle(HostState& state, const EventArgs& args) {
  const bool open = !state.settings.document_title.empty();
  args.SetStr("DocTitle", state.settings.document_title);
  args.SetStr("VwTitle", open ? state.settings.view_title : u"");
  args.SetLong("result", open ? 1 : 0);
}

void GetCursorColor(HostState& state, const EventArgs& args) {
  args.SetLong("m_CursorColor", state.settings.cursor_color);
}

void GetKeepSel(HostState& state, const EventArgs& args) {
  args.SetLong("m_KeepSel", state.settings.keep_selection);
}

void GetHighLight(HostState& state, const EventArgs& args) {
  args.SetLong("m_HighLight", state.settings.highlight);
}

void SetCommandDimension(HostState& state, const EventArgs& args) {
  const std::int32_t dimension = args.Long("dimension");
  const bool refused =
      (dimension == 2 || dimension == 3) && dimension != state.settings.editing_dimension;
  args.SetLong("result", refused ? 0 : 1);
}

void GetInteger(HostState& state, const EventArgs& args) {
  args.SetLong("iparam", state.parameters[args.Long("id")]);
}

void GetLong(HostState& state, const EventArgs& args) {
  args.SetLong("lparam", state.parameters[args.Long("id")]);
}

void SetLong(HostState& state, const EventArgs& args) {
  state.parameters[args.Long("id")] = args.Long("lparam");
}

constexpr Answer kAnswers[] = {
    {"QivGetQivVersion", GetQivVersion},
    {"QivGetStartPath", GetStartPath},
    {"QivGetActiveQivwinTitle", GetActiveQivwinTitle},
    {"QivGetCursorColor", GetCursorColor},
    {"QivGetKeepSel", GetKeepSel},
    {"QivGetHighLight", GetHighLight},
    {"QivSetCommandDimension", SetCommandDimension},
    {"QivGetInteger", GetInteger},
    {"QivGetLong", GetLong},
    {"QivSetLong", SetLong},
};

}  // namespace

std::span<const Answer> HostQueryAnswers() {
  return kAnswers;
}

}  // namespace host
