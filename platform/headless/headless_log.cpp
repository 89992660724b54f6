// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"

void HeadlessLog(const std::string& line) {
  HeadlessState& s = Headless();
  s.log.push_back(line);
  if (s.logFile) {
    std::fprintf(s.logFile, "%s\n", line.c_str());
    std::fflush(s.logFile);
  }
}

const std::vector<std::string>& HeadlessLogLines() { return Headless().log; }

void HeadlessSetLogFile(std::FILE* file) { Headless().logFile = file; }

void HeadlessFail(const std::string& reason) {
  if (Headless().failure.empty()) Headless().failure = reason;
}

bool HeadlessFailed() { return !Headless().failure.empty(); }

const std::string& HeadlessFailure() { return Headless().failure; }
