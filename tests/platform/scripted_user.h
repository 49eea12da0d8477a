// A user agent for tests: answers the modal forms with a list of actions in order, each meant for
// a named form, and remembers the message boxes it read.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "code_page.h"
#include "form.h"
#include "user_agent.h"

namespace testing_support {

struct Step {
  std::u16string form;
  platform::UserAction action;
};

class ScriptedUser {
 public:
  explicit ScriptedUser(std::vector<Step> steps = {}) : steps_(steps.begin(), steps.end()) {}

  // Installs this user as the platform's agent; it must outlive the forms it answers.
  void Install() {
    platform::SetUserAgent(
        platform::UserAgent{[this](platform::Form& form) -> std::optional<platform::UserAction> {
                              if (steps_.empty()) return std::nullopt;
                              Step step = std::move(steps_.front());
                              steps_.pop_front();
                              EXPECT_EQ(platform::ToUtf8(step.form), platform::ToUtf8(form.Name()));
                              return std::move(step.action);
                            },
                            [this](const std::u16string& text) { messages_read.push_back(text); }});
  }

  std::size_t Remaining() const { return steps_.size(); }

  std::vector<std::u16string> messages_read;

 private:
  std::deque<Step> steps_;
};

}  // namespace testing_support
