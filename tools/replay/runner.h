// Plays the game on the headless backend from a replay script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/replay/script.h"

struct ReplayOptions {
  std::string root;       // the data tree; the game's working directory
  bool hasSeed = false;
  int64_t seed = 0;       // replaces the calendar time
  uint32_t step = 16;     // clock advance per frame, milliseconds
  std::string language;   // "": Korean (the harness has no locale)
  bool logDrawnText = false;  // log each text drawn on the screen (once) and each dialog's
};

// Runs the game through the script. Returns 0 when the script ran to its end
// or the game quit, otherwise non-zero with the reason in *error.
int RunReplay(const std::vector<ReplayCommand>& commands, const ReplayOptions& options, std::string* error);
