// SPDX-License-Identifier: GPL-2.0-or-later
// What the desktop game does before it starts, on Linux and on Windows
// alike: the options, the places, kxs.ini, the language and the window.
// Each main says things its own way (a terminal line, a message box).
#pragma once

#include <string>

#include "platform/display_options.h"
#include "tools/port/places.h"

enum DesktopSaying { SayAnswer, SayWarning, SayError };
using DesktopTell = void (*)(DesktopSaying kind, const std::string& text);

struct DesktopStart {
  PortPlaces places;
  DisplayOptions display;
  std::string language;  // "": the locale's
};

// Reads the options (argv is UTF-8) and kxs.ini and finds the places.
// -1 when the game is to start with *start; otherwise the exit status after
// --help, --version or a complaint, all told through tell.
int PrepareDesktopStart(int argc, const char* const* argv, DesktopTell tell, DesktopStart* start);
// Sets the places, the language and the window, then plays.
int PlayDesktopGame(const DesktopStart& start);
