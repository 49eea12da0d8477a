// Reading a qivhost journal the way the session happened: forward, one expected line after
// another, and the stretch of each third pick, from the parking of the host's attributes to the
// next prompt, where a trim makes its changes.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "qivhost_run.h"

namespace trimsession {

class JournalWalk {
 public:
  explicit JournalWalk(const std::vector<Json>& journal) : journal_(journal) {}

  // The next line after the last one taken whose `key` is `value`; throws std::runtime_error,
  // which fails the test, when there is none.
  const Json& Next(const std::string& key, const std::string& value);
  const Json& NextCall(const std::string& name) { return Next("call", name); }
  // The arguments of the next event of that name.
  const Json& NextEvent(const std::string& name) { return Next("event", name)["args"]; }

  // Where the next line of `key` = `value` lies, without taking it; the journal's size when none.
  std::size_t Find(const std::string& key, const std::string& value) const;
  std::size_t FindEvent(const std::string& name) const { return Find("event", name); }

 private:
  const std::vector<Json>& journal_;
  std::size_t next_ = 0;
};

// Lines [begin, end) of the journal.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// Every third pick's stretch: from the host's text attributes being read before the output to
// the next prompt.
std::vector<Span> ThirdPicks(const std::vector<Json>& journal);

// The prompts of the session, in order.
std::vector<std::string> Prompts(const std::vector<Json>& journal);

// The number of undo steps the stretch opens; a change of the drawing before the first one
// fails the check.
::testing::AssertionResult UndoStepsBeforeChanges(const std::vector<Json>& journal, Span span,
                                                  int expected);

// The host's active and text attributes set last in the stretch are the ones read at its start.
::testing::AssertionResult AttributesRestored(const std::vector<Json>& journal, Span span);

}  // namespace trimsession
