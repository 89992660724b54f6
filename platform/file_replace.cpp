// SPDX-License-Identifier: GPL-2.0-or-later
// A written file put in place of the old one under its name: rename(2)
// replaces it in one step on every system but Windows (file_sync_win32.cpp),
// the browser's in-memory files included.
#ifndef _WIN32
#include <cstdio>

#include "platform/files.h"

bool PlatformReplaceFile(const char* from, const char* to) {
  return from != nullptr && to != nullptr && std::rename(from, to) == 0;
}
#endif
