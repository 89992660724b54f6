// SPDX-License-Identifier: GPL-2.0-or-later
// kxs.ini: a few key=value lines of the player's settings. Lines the game
// does not know (other keys, comments) are written back as they were read.
#pragma once

#include <string>
#include <vector>

struct IniFile {
  std::vector<std::string> lines;  // without line feeds
};

enum IniRead { IniMissing, IniGarbled, IniReadOk };

// Reads path; a file that is not text of key=value lines (or is larger than
// a settings file can be) is IniGarbled and leaves *ini empty.
IniRead ReadIni(const char* path, IniFile* ini);
// The value of key, or "" when it is not set.
std::string IniValue(const IniFile& ini, const char* key);
// Sets key to value in place, or appends it.
void SetIniValue(IniFile* ini, const char* key, const std::string& value);
// Writes through a temporary file, synced, and a rename, creating the
// folder; false (the old file kept) when that fails.
bool WriteIni(const char* path, const IniFile& ini);
