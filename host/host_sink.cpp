#include "host_sink.h"

#include <stdexcept>
#include <string>

namespace host {

HostSink::HostSink(HostState& state, Journal& journal) : state_(state), journal_(journal) {
  for (const auto topic : {HostQueryAnswers(), PointInputAnswers(), DrawingDataAnswers()}) {
    for (const auto& entry : topic) {
      const auto* event = qiv::FindMemberByName(entry.event);
      if (event == nullptr || event->kind != qiv::MemberKind::Event)
        throw std::logic_error(std::string("no event named ") + entry.event);
      answers_.emplace(event->dispid, entry.answer);
    }
  }
}

void HostSink::Receive(void* context, std::int32_t dispid, QivArg* args, std::int32_t count) {
  // Nothing may unwind into the plug-in: a failure of the host is journaled instead.
  auto* sink = static_cast<HostSink*>(context);
  try {
    sink->Handle(dispid, args, count);
  } catch (const std::exception& failure) {
    sink->journal_.HostError(failure.what());
  }
}

namespace {

// True when the arguments are those the table declares for the event, kind by kind.
bool MatchesTable(const qiv::Member& event, const QivArg* args, std::int32_t count) {
  if (count != static_cast<std::int32_t>(event.params.size()) || (count > 0 && args == nullptr))
    return false;
  for (std::int32_t i = 0; i < count; ++i) {
    static constexpr std::int32_t kCodes[] = {QIV_ARG_I16, QIV_ARG_I32, QIV_ARG_F64, QIV_ARG_STR};
    const auto kind = event.params[static_cast<std::size_t>(i)].kind;
    if (args[i].kind != kCodes[static_cast<int>(kind)] || args[i].ref.i32 == nullptr) return false;
  }
  return true;
}

}  // namespace

void HostSink::Handle(std::int32_t dispid, QivArg* args, std::int32_t count) {
  const qiv::Member* event = qiv::FindEvent(dispid);
  const auto found = answers_.find(dispid);
  const bool answerable = event != nullptr && found != answers_.end();
  const bool well_formed = answerable && MatchesTable(*event, args, count);
  if (well_formed) found->second(state_, EventArgs(*event, args, count));
  journal_.Event(dispid, event, args, count);
  if (answerable && !well_formed)
    journal_.HostError(std::string(event->name) +
                       ": the arguments do not match the event; not answered");
}

}  // namespace host
