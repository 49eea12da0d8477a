#include "event_raiser.h"

#include <string>

#include "interface_table.h"
#include "runtime_error.h"

namespace qiv {
namespace {

bool MatchesDeclaration(const Member& event, const QivArg* args, std::int32_t count) {
  if (event.origin == ParamOrigin::Open) return true;
  if (static_cast<std::size_t>(count) != event.params.size()) return false;
  for (std::int32_t i = 0; i < count; ++i)
    if (args[i].kind != ArgKindOf(event.params[static_cast<std::size_t>(i)].kind)) return false;
  return true;
}

}  // namespace

void EventRaiser::RaiseArgs(EventId id, QivArg* args, std::int32_t count) const {
  const auto* event = FindEvent(static_cast<std::int32_t>(id));
  if (event == nullptr || !MatchesDeclaration(*event, args, count)) {
    const std::string name =
        event ? std::string(event->name) : std::to_string(static_cast<int>(id));
    throw platform::RuntimeError(
        platform::error::kInternal,
        u"event raised with arguments that do not match its declaration: " +
            std::u16string(name.begin(), name.end()));
  }
  if (sink_ != nullptr) sink_(context_, static_cast<std::int32_t>(id), args, count);
}

}  // namespace qiv
