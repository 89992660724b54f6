// SPDX-License-Identifier: GPL-2.0-or-later
#include <string>
#include <vector>

#include "tools/replay/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  std::vector<ReplayCommand> commands;
  std::string error;
  ParseReplayScript(script, &commands, &error);
  ReplayKeyCode(script);
  return 0;
}
