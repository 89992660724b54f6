// SPDX-License-Identifier: GPL-2.0-or-later
// Where the desktop game finds its data tree and keeps the player's files.
#pragma once

#include <string>

#include "tools/port/options.h"

// What the process was started with, gathered once so that the rules can
// be checked without touching the real environment.
struct PortEnvironment {
  std::string workingDir;  // absolute
  std::string programDir;  // the folder of the running executable, absolute
  std::string home, xdgDataHome, xdgConfigHome;
  // Windows: %APPDATA% (absolute, UTF-8), whether the program's folder
  // takes new files, and whether the installer put it there (its
  // uninstaller is beside the program). Only a writable folder the
  // installer did not make plays portable: an uninstall removes the
  // installed folder, which an administrator can write to.
  std::string appData;
  bool programDirWritable = false;
  bool programDirInstalled = false;
};

struct PortPlaces {
  std::string dataRoot;    // "": the working directory
  std::string playerRoot;  // "": the data tree's cur/ (the game as it always was)
  std::string iniPath;     // $XDG_CONFIG_HOME/kxs/kxs.ini
};

// A folder holding data/han.fnt is a data tree.
bool IsDataTree(const std::string& dir);
// The environment of this process.
PortEnvironment CurrentEnvironment();
// Chooses the places; false with *error naming every place looked in. On
// Windows (places_win32.cpp) a data tree in the program's folder plays from
// there, saving beside it when the folder is writable (portable) and in
// %APPDATA%\KXS otherwise (installed).
bool FindPlaces(const PortOptions& options, const PortEnvironment& env, PortPlaces* places, std::string* error);
// mkdir -p, new folders private to the player.
bool MakeFolders(const std::string& path);
