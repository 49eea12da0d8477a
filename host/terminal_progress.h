// Progress of long batch work, shown on one rewritten line, only when standard output is a
// terminal (never in pipes, files or CI logs).
#pragma once

#include <string_view>

namespace host {

class TerminalProgress {
 public:
  TerminalProgress();
  ~TerminalProgress();
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  bool enabled() const { return enabled_; }
  // Replaces the progress line.
  void Show(std::string_view text);
  // Clears the progress line, so that ordinary output follows on a clean line.
  void Clear();

 private:
  bool enabled_;
  bool shown_ = false;
};

}  // namespace host
