// SPDX-License-Identifier: GPL-2.0-or-later
// Windows only: a UTF-8 path as the wide-character path the system's file
// calls take, so that a folder with Korean letters (a player's name in
// %APPDATA%) opens. Invalid UTF-8 gives "" (which opens nothing).
#pragma once

#ifdef _WIN32
#include <string>

std::wstring WidePath(const char* utf8);
std::string Utf8Path(const wchar_t* wide);
// The folder of the running program (UTF-8, no trailing separator), "" when unknown.
std::string ProgramFolder();
#endif
