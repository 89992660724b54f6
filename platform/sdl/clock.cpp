// SPDX-License-Identifier: GPL-2.0-or-later
#include <ctime>

#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

uint32_t PlatformMilliseconds() {
  if (!SDL_WasInit(SDL_INIT_TIMER)) SDL_InitSubSystem(SDL_INIT_TIMER);
  // 64-bit ticks cut to 32 bits wrap like timeGetTime, after 49.7 days.
  return static_cast<uint32_t>(SDL_GetTicks64());
}

int64_t PlatformCalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
