// POSIX backend of TerminalProgress: isatty and carriage returns.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "terminal_progress.h"

namespace host {

TerminalProgress::TerminalProgress() : enabled_(isatty(STDOUT_FILENO) != 0) {}

TerminalProgress::~TerminalProgress() {
  Clear();
}

void TerminalProgress::Show(std::string_view text) {
  if (!enabled_) return;
  std::string line(text.substr(0, 79));
  line.resize(79, ' ');
  std::fprintf(stdout, "\r%s", line.c_str());
  std::fflush(stdout);
  shown_ = true;
}

void TerminalProgress::Clear() {
  if (!enabled_ || !shown_) return;
  std::fprintf(stdout, "\r%79s\r", "");
  std::fflush(stdout);
  shown_ = false;
}

}  // namespace host
