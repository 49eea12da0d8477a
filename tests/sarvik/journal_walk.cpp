#include "journal_walk.h"

#include <stdexcept>

namespace trimsession {
namespace {

bool Is(const Json& line, const std::string& key, const std::string& value) {
  const auto it = line.find(key);
  return it != line.end() && it->is_string() && *it == value;
}

bool IsEvent(const Json& line, const char* name) {
  return Is(line, "event", name);
}

// The events by which a command changes the drawing.
bool ChangesDrawing(const Json& line) {
  for (const char* name : {"QivSetDeleteDate", "QivSetLine", "QivSetArc", "QivSetCircle"}) {
    if (IsEvent(line, name)) return true;
  }
  return false;
}

// The arguments of the last event of that name in the span; null when there is none.
const Json* LastArgs(const std::vector<Json>& journal, Span span, const char* name) {
  const Json* found = nullptr;
  for (std::size_t i = span.begin; i < span.end; ++i) {
    if (IsEvent(journal[i], name)) found = &journal[i]["args"];
  }
  return found;
}

}  // namespace

const Json& JournalWalk::Next(const std::string& key, const std::string& value) {
  const std::size_t found = Find(key, value);
  if (found == journal_.size()) {
    throw std::runtime_error("the journal has no " + key + " " + value + " after line " +
                             std::to_string(next_));
  }
  next_ = found + 1;
  return journal_[found];
}

std::size_t JournalWalk::Find(const std::string& key, const std::string& value) const {
  for (std::size_t i = next_; i < journal_.size(); ++i) {
    if (Is(journal_[i], key, value)) return i;
  }
  return journal_.size();
}

std::vector<Span> ThirdPicks(const std::vector<Json>& journal) {
  std::vector<Span> spans;
  for (std::size_t i = 0; i < journal.size(); ++i) {
    if (!IsEvent(journal[i], "QivGetCurrentTextAtr")) continue;
    std::size_t end = i + 1;
    while (end < journal.size() && !IsEvent(journal[end], "QivGCINStart")) ++end;
    spans.push_back({i, end});
  }
  return spans;
}

std::vector<std::string> Prompts(const std::vector<Json>& journal) {
  std::vector<std::string> prompts;
  for (const auto& line : journal) {
    if (IsEvent(line, "QivGCINStart")) prompts.push_back(line["args"]["msg"]);
  }
  return prompts;
}

::testing::AssertionResult UndoStepsBeforeChanges(const std::vector<Json>& journal, Span span,
                                                  int expected) {
  int opened = 0;
  for (std::size_t i = span.begin; i < span.end; ++i) {
    if (IsEvent(journal[i], "QivIncNumberUndo")) ++opened;
    if (opened == 0 && ChangesDrawing(journal[i])) {
      return ::testing::AssertionFailure()
             << "journal line " << i << " changes the drawing before an undo step is opened";
    }
  }
  if (opened != expected) {
    return ::testing::AssertionFailure() << "journal lines " << span.begin << " to " << span.end
                                         << " open " << opened << " undo steps";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult AttributesRestored(const std::vector<Json>& journal, Span span) {
  for (const auto& [get, set] : {std::pair{"QivGetCurrentTextAtr", "QivSetCurrentTextAtr"},
                                 std::pair{"QivGetActiveAtr", "QivSetActiveAtr"}}) {
    const Json* before = LastArgs(journal, {span.begin, span.begin + 2}, get);
    const Json* after = LastArgs(journal, span, set);
    if (before == nullptr || after == nullptr || *before != *after) {
      return ::testing::AssertionFailure() << "journal line " << span.begin << ": " << get << " "
                                           << (before ? before->dump() : "missing") << ", last "
                                           << set << " " << (after ? after->dump() : "missing");
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace trimsession
