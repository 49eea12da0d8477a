// Answers to the command's questions about the host: version, program path, titles, cursor
// colour, selection settings, the command's dimension and the numbered host parameters.
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "host_sink.h"
#include "text_utf.h"

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

// The typed parameter events: the getters answer from the table, converted to the event's kind,
// and leave an id that the table does not hold (or a text that is no number, asked as a number)
// as the command sent it; the setters store into the table.

std::optional<double> NumberOf(const HostParameter& value) {
  if (const auto* number = std::get_if<double>(&value)) return *number;
  const HostParameter parsed = ParameterFromText(std::get<std::u16string>(value));
  if (const auto* number = std::get_if<double>(&parsed)) return *number;
  return std::nullopt;
}

std::u16string TextOf(const HostParameter& value) {
  if (const auto* text = std::get_if<std::u16string>(&value)) return *text;
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, std::get<double>(value)).ptr;
  return FromUtf8(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// Rounded to a whole number and narrowed to 32 bits as a C host narrows; the 16-bit argument
// narrows it further (EventArgs::SetLong).
std::int32_t WholeOf(double number) {
  if (!std::isfinite(number)) return 0;
  const double rounded = std::round(std::fmod(number, 4294967296.0));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded)));
}

const HostParameter* Parameter(HostState& state, const EventArgs& args) {
  const auto found = state.settings.parameters.find(args.Long("id"));
  return found == state.settings.parameters.end() ? nullptr : &found->second;
}

void AnswerWhole(HostState& state, const EventArgs& args, std::string_view name) {
  const HostParameter* value = Parameter(state, args);
  if (value == nullptr) return;
  if (const auto number = NumberOf(*value)) args.SetLong(name, WholeOf(*number));
}

void GetInteger(HostState& state, const EventArgs& args) {
  AnswerWhole(state, args, "iparam");
}

void GetLong(HostState& state, const EventArgs& args) {
  AnswerWhole(state, args, "lparam");
}

void GetDouble(HostState& state, const EventArgs& args) {
  const HostParameter* value = Parameter(state, args);
  if (value == nullptr) return;
  if (const auto number = NumberOf(*value)) args.SetDouble("dparam", *number);
}

void GetString(HostState& state, const EventArgs& args) {
  if (const HostParameter* value = Parameter(state, args)) args.SetStr("sparam", TextOf(*value));
}

void SetInteger(HostState& state, const EventArgs& args) {
  state.settings.parameters[args.Long("id")] = static_cast<double>(args.Long("iparam"));
}

void SetLong(HostState& state, const EventArgs& args) {
  state.settings.parameters[args.Long("id")] = static_cast<double>(args.Long("lparam"));
}

void SetDouble(HostState& state, const EventArgs& args) {
  state.settings.parameters[args.Long("id")] = args.Double("dparam");
}

void SetString(HostState& state, const EventArgs& args) {
  state.settings.parameters[args.Long("id")] = args.Str("sparam");
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
    {"QivSetInteger", SetInteger},
    {"QivGetLong", GetLong},
    {"QivSetLong", SetLong},
    {"QivGetDouble", GetDouble},
    {"QivSetDouble", SetDouble},
    {"QivGetString", GetString},
    {"QivSetString", SetString},
};

}  // namespace

HostParameter ParameterFromText(std::u16string_view text) {
  std::string ascii;
  for (const char16_t c : text) {
    if (c > 0x7f) return std::u16string(text);
    ascii += static_cast<char>(c);
  }
  double number = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
  if (ascii.empty() || result.ec != std::errc() || result.ptr != ascii.data() + ascii.size())
    return std::u16string(text);
  return number;
}

std::span<const Answer> HostQueryAnswers() {
  return kAnswers;
}

}  // namespace host
