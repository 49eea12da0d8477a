// The host's event sink: answers every host-service event a command raises and journals it.
//
// Events the host has an answer for are answered (the answers are grouped by topic in
// answers_*.cpp); every other event is journaled and left as the command prepared it.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>

#include "event_args.h"
#include "host_state.h"
#include "journal.h"
#include "qiv_plugin_abi.h"

namespace host {

using AnswerFunction = void (*)(HostState& state, const EventArgs& args);

struct Answer {
  const char* event;  // the event's name in the interface table
  AnswerFunction answer;
};

// The answers by topic.
std::span<const Answer> HostQueryAnswers();
std::span<const Answer> PointInputAnswers();
std::span<const Answer> DrawingDataAnswers();

class HostSink {
 public:
  HostSink(HostState& state, Journal& journal);

  // The C sink handed to qiv_control_create, with the HostSink as its context.
  static void Receive(void* context, std::int32_t dispid, QivArg* args, std::int32_t count);
  void Handle(std::int32_t dispid, QivArg* args, std::int32_t count);

  HostState& state() { return state_; }
  Journal& journal() { return journal_; }

 private:
  HostState& state_;
  Journal& journal_;
  std::unordered_map<std::int32_t, AnswerFunction> answers_;
};

}  // namespace host
