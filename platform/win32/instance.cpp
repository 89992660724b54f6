// SPDX-License-Identifier: GPL-2.0-or-later
// One game per user session at a time: a named mutex, held until the
// process ends (the system releases it then, even after a crash).
#include <windows.h>

#include "platform/platform.h"

bool PlatformClaimSingleInstance() {
  static HANDLE mutex;
  if (mutex) return true;
  HANDLE created = CreateMutexW(nullptr, FALSE, L"Local\\KXS.SingleInstance");
  // Without a mutex nobody can be detected; refusing to start would be worse.
  if (!created) return true;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(created);
    return false;
  }
  mutex = created;
  return true;
}
