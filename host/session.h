// One session: a plug-in's command played by a script on the host's drawing.
//
// The session answers the command's events (HostSink), drives its control through the C
// boundary, stands in for the user at modal forms and message boxes (answering forms with the
// script's dialog lines, message boxes with OK) and journals everything in order.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "host_sink.h"
#include "hosted_control.h"
#include "journal.h"
#include "session_script.h"
#include "user_action.h"

namespace host {

struct SessionCounts {
  std::int64_t picks = 0;
  std::int64_t failed_calls = 0;
  std::int64_t message_boxes = 0;
};

class Session {
 public:
  Session(LoadedPlugin& plugin, Drawing& drawing, HostSettings settings);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Plays the script, then releases a control that is still alive. Throws ScriptError, naming
  // the line, when a line does not fit what the program waits for.
  void Play(const SessionScript& script);

  HostState& state() { return state_; }
  Journal& journal() { return journal_; }
  SessionCounts counts() const;

 private:
  struct Mismatch {
    int line;
    std::string what;
  };

  void Perform(const ScriptStep& step);
  void PointInputEnded(const ScriptStep& step, std::int32_t sw);
  HostedControl& RunningControl(const ScriptStep& step);
  void SetLayerLock(const ScriptStep& step, bool locked);
  // Installs this session as the user of the platform; removed again by the destructor.
  void BecomeUser();
  // The shown form asks for the user's next action: the script's next line, if it is one.
  std::optional<platform::UserAction> NextDialogAnswer(platform::Form& form);
  void ReleaseControl();
  void ThrowIfMismatch();

  LoadedPlugin& plugin_;
  HostState state_;
  Journal journal_;
  HostSink sink_;
  std::unique_ptr<HostedControl> control_;
  const SessionScript* script_ = nullptr;
  std::size_t next_ = 0;
  std::optional<Mismatch> mismatch_;
  SessionCounts counts_;
};

}  // namespace host
