// SPDX-License-Identifier: GPL-2.0-or-later
// kxs: the game on the desktop. Started inside a data tree it reads and
// saves there, as it always did; installed, it reads the tree beside its
// program and keeps the save in the player's XDG data folder. The options
// and kxs.ini are the port's own: nothing of the game's rules reads them.
#include <cstdio>
#include <string>

#include "platform/sdl/display_check.h"
#include "tools/desktop_start.h"

namespace {

// Answers go to stdout, everything else to stderr.
void Print(DesktopSaying kind, const std::string& text) {
  std::fputs(text.c_str(), kind == SayAnswer ? stdout : stderr);
}

}  // namespace

int main(int argc, char** argv) {
  DesktopStart start;
  const int status = PrepareDesktopStart(argc, argv, Print, &start);
  if (status >= 0) return status;
  const char* noDisplay = nullptr;
  if (!sdl_backend::CheckDisplay(&noDisplay)) {
    std::fprintf(stderr, "kxs: %s\n", noDisplay);
    return 1;
  }
  return PlayDesktopGame(start);
}
