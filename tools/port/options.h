// The options of the desktop game: where its data is, how its window looks
// and the language it speaks. Nothing of the game's rules reads them.
#pragma once

#include <string>

enum PortDisplayChoice { DisplayUnset = 0, DisplayWindow = 1, DisplayFullscreen = 2 };

struct PortOptions {
  std::string dataDir;                       // --data DIR; empty: look for it
  PortDisplayChoice display = DisplayUnset;  // --window / --fullscreen
  int windowScale = 0;                       // --scale N; 0: the largest that fits
  std::string language;                      // --lang CODE; empty: kxs.ini's, else the locale's
};

enum PortParse {
  ParseRun,         // start the game
  ParseDone,        // --help or --version: *message is the text for stdout
  ParseUsageError,  // *message is the complaint; the usage follows it on stderr
};

constexpr int PortMaxWindowScale = 8;

PortParse ParsePortOptions(int argc, const char* const* argv, PortOptions* options, std::string* message);
const char* PortUsage();
