// The settings kxs.ini holds, read with a word on stderr for each one that
// cannot be taken.
#pragma once

#include <cstdio>
#include <string>

#include "tools/port/ini_file.h"

constexpr const char* SettingDisplay = "display";  // fullscreen | window
constexpr const char* SettingScale = "scale";      // integer | fit
constexpr const char* SettingLanguage = "language";  // ko | en | ... (a code the program knows)

struct PortSettings {
  bool fullscreen = true;
  bool fitScale = false;
  std::string language;  // "": not chosen yet
};

// Reads path into *ini (emptied when the file is garbled) and the settings
// from it; warnings go to warnings.
PortSettings ReadPortSettings(const std::string& path, IniFile* ini, std::FILE* warnings);
