// SPDX-License-Identifier: GPL-2.0-or-later
// mkdtemp for the tests built for Windows, whose C library lacks it.
#pragma once

#ifdef _WIN32
#include <direct.h>
#include <io.h>

#include <cstring>

inline char* mkdtemp(char* pattern) {
  if (_mktemp_s(pattern, std::strlen(pattern) + 1) != 0 || _mkdir(pattern) != 0) return nullptr;
  return pattern;
}
#else
#include <stdlib.h>
#endif
