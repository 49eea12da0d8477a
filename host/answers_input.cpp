// Answers to point input, selection and search by point. Starting a point input or a selection
// needs no answer: the script reports the user's input when its line comes.
#include "host_sink.h"

namespace host {
namespace {

// The rest of the input state: every coordinate family holds the reported point, at z 0.
void GetRestGCIN(HostState& state, const EventArgs& args) {
  for (const char* name : {"vcx", "vcxUp", "scx", "scxUp"}) args.SetDouble(name, state.input.x);
  for (const char* name : {"vcy", "vcyUp", "scy", "scyUp"}) args.SetDouble(name, state.input.y);
  for (const char* name : {"dcz", "dczUp", "gcz", "gczUp", "scz", "sczUp"}) args.SetDouble(name, 0);
}

void AllSelect(HostState& state, const EventArgs& args) {
  state.drawing.SelectAll(args.Long("OnOff") == 1);
}

void SearchByPoint(HostState& state, const EventArgs& args) {
  SearchQuery query;
  query.x = args.Double("x");
  query.y = args.Double("y");
  query.mode = args.Has("mode") ? args.Long("mode") : 2;
  query.kinds = args.Long("sel");
  query.include_locked = args.Long("locklayer") != 0;
  query.limited = args.Long("range") != 0;
  query.tolerance = state.settings.pick_tolerance;
  query.start = args.Long("start");
  args.SetLong("position", state.drawing.Search(query));
}

constexpr Answer kAnswers[] = {
    {"QivGetRestGCIN", GetRestGCIN},           {"QivAllSelect", AllSelect},
    {"QivSearchPrimitive", SearchByPoint},     {"QivSearchPrimitivePackage", SearchByPoint},
    {"QivSearchPrimitiveMode", SearchByPoint}, {"QivSearchPrimitiveModePackage", SearchByPoint},
};

}  // namespace

std::span<const Answer> PointInputAnswers() {
  return kAnswers;
}

}  // namespace host
