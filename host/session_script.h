// Session scripts: what the user does during a session, one action a line.
//
//   start                  create the control if there is none and call QivInitCommand
//   pick X Y               point input ended with a point (sw 1) at X, Y
//   cancel                 point input cancelled (sw 2)
//   key CODE               point input ended by a key (sw 3)
//   select SW N            QivSelectEnd (SW a 16-bit number)
//   urgent-exit            QivUrgentExit
//   restart MODE           QivRestartCommand
//   destroy                release the control
//   undo                   the host undoes the last undo step
//   lock LAYER / unlock LAYER      a layer by name, or by number when no layer has that name
//   host-version V         the version the host answers from now on
//   cursor X Y             the mouse cursor's screen position in pixels
//   param ID VALUE         the host parameter ID answers VALUE from now on (a number, or a
//                          text for the string getters)
//   dialog ok | dialog cancel | dialog key enter|esc
//   dialog set CONTROL VALUE       check boxes 0/1; texts with \r \n \t \\ and "quoted blanks"
//   dialog choose CONTROL INDEX | dialog click CONTROL | dialog outside left|right
//   help close             close the help window
//
// Numbers are finite (no nan or inf). `#` outside double quotes starts a comment. Dialog answers
// are taken by the shown form, in order.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host {

enum class Verb {
  kStart,
  kPick,
  kCancel,
  kKey,
  kSelect,
  kUrgentExit,
  kRestart,
  kDestroy,
  kUndo,
  kLock,
  kUnlock,
  kHostVersion,
  kCursor,
  kParam,
  kDialogOk,
  kDialogCancel,
  kDialogSet,
  kDialogChoose,
  kDialogClick,
  kDialogKey,
  kDialogOutside,
  kHelpClose,
};

// True for the verbs that answer a shown form.
bool IsDialogAnswer(Verb verb);

struct ScriptStep {
  int line = 0;
  Verb verb = Verb::kStart;
  double x = 0;  // pick, cursor
  double y = 0;
  // key code, select sw, restart mode, choose index, parameter id; 1 = right / esc
  std::int32_t number = 0;
  std::int32_t count = 0;  // select N
  std::u16string name;     // layer, version, dialog control
  std::u16string value;    // dialog set, param
};

struct SessionScript {
  std::string file;
  std::vector<ScriptStep> steps;
};

// A script line that cannot be run: "FILE:LINE: what is wrong".
class ScriptError : public std::runtime_error {
 public:
  ScriptError(const std::string& file, int line, const std::string& what);
};

// Parses a whole script; throws ScriptError for the first bad line.
SessionScript ParseScript(std::string_view text, const std::string& file);

// qivhost's `--param ID=VALUE`: the step `param ID VALUE`, VALUE taken as written after the
// first "=". Throws std::invalid_argument naming what is wrong.
ScriptStep ParseParameterOption(std::string_view option);

}  // namespace host
