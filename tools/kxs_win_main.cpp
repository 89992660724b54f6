// SPDX-License-Identifier: GPL-2.0-or-later
// kxs.exe: the game on Windows. A data tree beside the program plays from
// there (portable, or saving in %APPDATA%\KXS when the folder is read-only);
// without one a message box names every place looked in.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/app.h"
#include "platform/files.h"
#include "tools/port/options.h"
#include "tools/port/places.h"

namespace {

// A -mwindows program has no console: what it must say goes into a box.
int Tell(const std::string& utf8, UINT icon) {
  const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring wide(size_t(needed > 0 ? needed : 1), L'\0');
  if (needed > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), needed);
  MessageBoxW(nullptr, wide.c_str(), L"KXS", MB_OK | icon);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  PortOptions options;
  std::string message;
  switch (ParsePortOptions(argc, argv, &options, &message)) {
    case ParseDone:
      Tell(message, MB_ICONINFORMATION);
      return 0;
    case ParseUsageError:
      Tell(message + "\n" + PortUsage(), MB_ICONSTOP);
      return 2;
    case ParseRun:
      break;
  }
  PortPlaces places;
  if (!FindPlaces(options, CurrentEnvironment(), &places, &message)) {
    Tell(message, MB_ICONSTOP);
    return 1;
  }
  if (!places.playerRoot.empty() && !MakeFolders(places.playerRoot)) {
    Tell("KXS cannot make " + places.playerRoot + "; the game cannot be saved", MB_ICONWARNING);
  }
  PlatformSetFileRoots(places.dataRoot.c_str(), places.playerRoot.c_str());
  return GameMain();
}
