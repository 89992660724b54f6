// SPDX-License-Identifier: GPL-2.0-or-later
// sndPlaySound's service: one WAV at a time, asynchronous, a new sound
// replacing the one playing. A missing file plays nothing (no system beep).
// The multimedia header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <string>

#include "platform/files.h"
#include "platform/platform.h"
#include "platform/wide_path.h"

void PlatformPlaySound(const char* path, bool loop) {
  if (!path) {
    PlaySoundW(nullptr, nullptr, 0);
    return;
  }
  const std::wstring wide = WidePath(PlatformFilePath(path).c_str());
  if (wide.empty() || GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) {
    PlaySoundW(nullptr, nullptr, 0);
    return;
  }
  DWORD flags = SND_ASYNC | SND_FILENAME | SND_NODEFAULT;
  if (loop) flags |= SND_LOOP;
  PlaySoundW(wide.c_str(), nullptr, flags);
}
