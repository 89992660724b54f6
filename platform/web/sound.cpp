// SPDX-License-Identifier: GPL-2.0-or-later
// sndPlaySound's service through Web Audio: the page reads the WAV from the
// packaged files, decodes it once, and plays one sound at a time.
#include <emscripten/emscripten.h>

#include "platform/platform.h"

EM_JS(void, web_play_sound, (const char* path, int loop),
      { KXS.playSound(path ? UTF8ToString(path) : "", loop != 0); });

void PlatformPlaySound(const char* path, bool loop) { web_play_sound(path, loop ? 1 : 0); }
