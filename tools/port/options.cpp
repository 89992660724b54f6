// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/port/options.h"

#include <cstdlib>
#include <cstring>

namespace {

#ifdef _WIN32
const char* const Usage =
    "usage: kxs [--data DIR] [--window | --fullscreen] [--scale N] [--lang CODE]\n"
    "           [--version] [--help]\n"
    "  --data DIR     read the data tree from DIR (the save then goes to\n"
    "                 the KXS folder in AppData\\Roaming)\n"
    "  --window       play in a window\n"
    "  --fullscreen   play on the whole screen (the default)\n"
    "  --scale N      a window of 640x480 times N (1 to 8); implies --window\n"
    "                 unless --fullscreen is given\n"
    "  --lang CODE    play in Korean (ko) or English (en) from now on; without\n"
    "                 a choice, English when Windows speaks English\n"
    "  --version      show the version and exit\n"
    "  --help         show this help and exit\n"
    "Alt+Enter switches between window and full screen; the choice is kept in\n"
    "kxs.ini beside the save, as is the language (language=);\n"
    "scale=integer or scale=fit there sets the scaling.\n";
#else
const char* const Usage =
    "usage: kxs [--data DIR] [--window | --fullscreen] [--scale N] [--lang CODE]\n"
    "           [--version] [--help]\n"
    "  --data DIR     read the data tree from DIR (the save then goes to\n"
    "                 $XDG_DATA_HOME/kxs/, unless DIR is the folder kxs runs in)\n"
    "  --window       play in a window\n"
    "  --fullscreen   play on the whole screen (the default)\n"
    "  --scale N      a window of 640x480 times N (1 to 8); implies --window\n"
    "                 unless --fullscreen is given\n"
    "  --lang CODE    play in Korean (ko) or English (en) from now on; without\n"
    "                 a choice, English when the locale (LANG) is en_*\n"
    "  --version      print the version and exit\n"
    "  --help         print this help and exit\n"
    "Alt+Enter switches between window and full screen; the choice is kept in\n"
    "$XDG_CONFIG_HOME/kxs/kxs.ini, as is the language (language=);\n"
    "scale=integer or scale=fit there sets the scaling.\n";
#endif

bool ParseScale(const char* text, int* scale) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*text == '\0' || *end != '\0' || value < 1 || value > PortMaxWindowScale) return false;
  *scale = int(value);
  return true;
}

// "--name VALUE" or "--name=VALUE": the value, or nullptr when arg is not
// the option; *missing when the option stands last without one.
const char* ValueOf(const char* name, int argc, const char* const* argv, int* i, bool* missing) {
  const char* arg = argv[*i];
  const size_t length = std::strlen(name);
  if (std::strncmp(arg, name, length) != 0) return nullptr;
  if (arg[length] == '=') return arg + length + 1;
  if (arg[length] != '\0') return nullptr;
  if (*i + 1 >= argc) {
    *missing = true;
    return nullptr;
  }
  return argv[++*i];
}

}  // namespace

const char* PortUsage() { return Usage; }

PortParse ParsePortOptions(int argc, const char* const* argv, PortOptions* options, std::string* message) {
  *options = PortOptions{};
  PortDisplayChoice chosen = DisplayUnset;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    bool missing = false;
    if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
      *message = Usage;
      return ParseDone;
    }
    if (!std::strcmp(arg, "--version")) {
      *message = "kxs " KXS_VERSION "\n";
      return ParseDone;
    }
    if (!std::strcmp(arg, "--window") || !std::strcmp(arg, "--fullscreen")) {
      const PortDisplayChoice choice = arg[2] == 'w' ? DisplayWindow : DisplayFullscreen;
      if (chosen != DisplayUnset && chosen != choice) {
        *message = "kxs: --window and --fullscreen exclude each other";
        return ParseUsageError;
      }
      chosen = choice;
    } else if (const char* dir = ValueOf("--data", argc, argv, &i, &missing)) {
      if (*dir == '\0') {
        *message = "kxs: --data needs a folder";
        return ParseUsageError;
      }
      options->dataDir = dir;
    } else if (const char* scale = ValueOf("--scale", argc, argv, &i, &missing)) {
      if (!ParseScale(scale, &options->windowScale)) {
        *message = std::string("kxs: --scale takes a whole number from 1 to 8, not '") + scale + "'";
        return ParseUsageError;
      }
    } else if (const char* language = ValueOf("--lang", argc, argv, &i, &missing)) {
      if (*language == '\0') {
        *message = "kxs: --lang needs a language";
        return ParseUsageError;
      }
      options->language = language;
    } else if (missing) {
      *message = std::string("kxs: ") + arg + " needs a value";
      return ParseUsageError;
    } else {
      *message = std::string("kxs: unknown option '") + arg + "'";
      return ParseUsageError;
    }
  }
  options->display = chosen != DisplayUnset ? chosen : options->windowScale > 0 ? DisplayWindow : DisplayUnset;
  return ParseRun;
}
