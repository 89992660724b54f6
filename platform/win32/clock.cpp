// SPDX-License-Identifier: GPL-2.0-or-later
// The multimedia header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <ctime>

#include "platform/platform.h"

uint32_t PlatformMilliseconds() {
  // timeGetTime counts from system start; the game wants its own start.
  static const DWORD start = timeGetTime();
  return uint32_t(timeGetTime() - start);
}

int64_t PlatformCalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
