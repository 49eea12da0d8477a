#include "session_script.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "text_utf.h"

namespace host {
namespace {

struct LineError {
  std::string what;
};

// Splits a line into words: blanks separate, double quotes keep blanks, `\` escapes one
// character (\r \n \t \\ \"), `#` outside quotes ends the line.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\') {
      if (i + 1 >= line.size()) throw LineError{"a line must not end with \\"};
      switch (line[++i]) {
        case 'r':
          word += '\r';
          break;
        case 'n':
          word += '\n';
          break;
        case 't':
          word += '\t';
          break;
        case '\\':
          word += '\\';
          break;
        case '"':
          word += '"';
          break;
        default:
          throw LineError{std::string("unknown escape \\") + line[i]};
      }
      in_word = true;
    } else if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if (!quoted && c == '#') {
      break;
    } else if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (quoted) throw LineError{"a double quote is not closed"};
  if (in_word) words.push_back(std::move(word));
  return words;
}

double Number(const std::string& word, const char* what) {
  double value = 0;
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc() || result.ptr != word.data() + word.size())
    throw LineError{std::string(what) + " must be a number, not \"" + word + "\""};
  if (!std::isfinite(value))
    throw LineError{std::string(what) + " must be a finite number, not \"" + word + "\""};
  return value;
}

std::int32_t Whole(const std::string& word, const char* what) {
  std::int32_t value = 0;
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc() || result.ptr != word.data() + word.size())
    throw LineError{std::string(what) + " must be a whole number, not \"" + word + "\""};
  return value;
}

void ExpectCount(const std::vector<std::string>& words, std::size_t count, const char* usage) {
  if (words.size() != count) throw LineError{std::string("usage: ") + usage};
}

ScriptStep DialogStep(const std::vector<std::string>& words) {
  ScriptStep step;
  const std::string what = words.size() > 1 ? words[1] : "";
  if (what == "ok" || what == "cancel") {
    ExpectCount(words, 2, "dialog ok | dialog cancel");
    step.verb = what == "ok" ? Verb::kDialogOk : Verb::kDialogCancel;
  } else if (what == "set") {
    ExpectCount(words, 4, "dialog set CONTROL VALUE");
    step.verb = Verb::kDialogSet;
    step.name = FromUtf8(words[2]);
    step.value = FromUtf8(words[3]);
  } else if (what == "choose") {
    ExpectCount(words, 4, "dialog choose CONTROL INDEX");
    step.verb = Verb::kDialogChoose;
    step.name = FromUtf8(words[2]);
    step.number = Whole(words[3], "INDEX");
  } else if (what == "click") {
    ExpectCount(words, 3, "dialog click CONTROL");
    step.verb = Verb::kDialogClick;
    step.name = FromUtf8(words[2]);
  } else if (what == "key") {
    ExpectCount(words, 3, "dialog key enter|esc");
    if (words[2] != "enter" && words[2] != "esc") throw LineError{"usage: dialog key enter|esc"};
    step.verb = Verb::kDialogKey;
    step.number = words[2] == "esc" ? 1 : 0;
  } else if (what == "outside") {
    ExpectCount(words, 3, "dialog outside left|right");
    if (words[2] != "left" && words[2] != "right")
      throw LineError{"usage: dialog outside left|right"};
    step.verb = Verb::kDialogOutside;
    step.number = words[2] == "right" ? 1 : 0;
  } else {
    throw LineError{"unknown dialog answer \"" + what +
                    "\" (ok, cancel, set, choose, click, key, outside)"};
  }
  return step;
}

std::optional<ScriptStep> ParseLine(std::string_view line) {
  if (!DecodeUtf8(line)) throw LineError{"the line is not UTF-8"};
  const std::vector<std::string> words = Words(line);
  if (words.empty()) return std::nullopt;
  const std::string& verb = words[0];
  ScriptStep step;
  if (verb == "start" || verb == "cancel" || verb == "urgent-exit" || verb == "destroy" ||
      verb == "undo") {
    ExpectCount(words, 1, verb.c_str());
    step.verb = verb == "start"     ? Verb::kStart
                : verb == "cancel"  ? Verb::kCancel
                : verb == "undo"    ? Verb::kUndo
                : verb == "destroy" ? Verb::kDestroy
                                    : Verb::kUrgentExit;
  } else if (verb == "pick" || verb == "cursor") {
    ExpectCount(words, 3, verb == "pick" ? "pick X Y" : "cursor X Y");
    step.verb = verb == "pick" ? Verb::kPick : Verb::kCursor;
    step.x = Number(words[1], "X");
    step.y = Number(words[2], "Y");
  } else if (verb == "key") {
    ExpectCount(words, 2, "key CODE");
    step.verb = Verb::kKey;
    step.number = Whole(words[1], "CODE");
  } else if (verb == "select") {
    ExpectCount(words, 3, "select SW N");
    step.verb = Verb::kSelect;
    step.number = Whole(words[1], "SW");
    // QivSelectEnd takes SW as a 16-bit number.
    if (step.number < std::numeric_limits<std::int16_t>::min() ||
        step.number > std::numeric_limits<std::int16_t>::max())
      throw LineError{"SW must be a whole number from -32768 to 32767, not \"" + words[1] + "\""};
    step.count = Whole(words[2], "N");
  } else if (verb == "restart") {
    ExpectCount(words, 2, "restart MODE");
    step.verb = Verb::kRestart;
    step.number = Whole(words[1], "MODE");
  } else if (verb == "lock" || verb == "unlock") {
    ExpectCount(words, 2, verb == "lock" ? "lock LAYER" : "unlock LAYER");
    step.verb = verb == "lock" ? Verb::kLock : Verb::kUnlock;
    step.name = FromUtf8(words[1]);
  } else if (verb == "host-version") {
    ExpectCount(words, 2, "host-version V");
    step.verb = Verb::kHostVersion;
    step.name = FromUtf8(words[1]);
  } else if (verb == "param") {
    ExpectCount(words, 3, "param ID VALUE");
    step.verb = Verb::kParam;
    step.number = Whole(words[1], "ID");
    step.value = FromUtf8(words[2]);
  } else if (verb == "dialog") {
    step = DialogStep(words);
  } else if (verb == "help") {
    if (words.size() != 2 || words[1] != "close") throw LineError{"usage: help close"};
    step.verb = Verb::kHelpClose;
  } else {
    throw LineError{"unknown action \"" + verb + "\""};
  }
  return step;
}

}  // namespace

bool IsDialogAnswer(Verb verb) {
  return verb >= Verb::kDialogOk;
}

ScriptError::ScriptError(const std::string& file, int line, const std::string& what)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}

ScriptStep ParseParameterOption(std::string_view option) {
  const std::size_t equals = option.find('=');
  if (equals == std::string_view::npos)
    throw std::invalid_argument("--param takes ID=VALUE, not \"" + std::string(option) + "\"");
  if (!DecodeUtf8(option)) throw std::invalid_argument("--param: the value is not UTF-8");
  ScriptStep step;
  step.verb = Verb::kParam;
  try {
    step.number = Whole(std::string(option.substr(0, equals)), "the ID of --param");
  } catch (const LineError& error) {
    throw std::invalid_argument(error.what);
  }
  step.value = FromUtf8(option.substr(equals + 1));
  return step;
}

SessionScript ParseScript(std::string_view text, const std::string& file) {
  SessionScript script{file, {}};
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    try {
      if (auto step = ParseLine(line)) {
        step->line = number;
        script.steps.push_back(std::move(*step));
      }
    } catch (const LineError& error) {
      throw ScriptError(file, number, error.what);
    }
  }
  return script;
}

}  // namespace host
