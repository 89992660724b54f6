// SPDX-License-Identifier: GPL-2.0-or-later
// kxs.exe: the game on Windows. A data tree beside the program plays from
// there (portable, or saving in %APPDATA%\KXS when the folder is read-only);
// without one a message box names every place looked in.
// The shell header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>
#include <vector>

#include "platform/wide_path.h"
#include "tools/desktop_start.h"

namespace {

// Started from a console, --help and --version answer there; otherwise (and
// for every complaint, which a player must see) in a box, since a GUI
// program has no console of its own.
void Tell(DesktopSaying kind, const std::string& text) {
  const std::wstring wide = WidePath(text.c_str());
  if (kind == SayAnswer && AttachConsole(ATTACH_PARENT_PROCESS)) {
    DWORD written = 0;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!WriteConsoleW(out, wide.c_str(), DWORD(wide.size()), &written, nullptr)) {
      WriteFile(out, text.data(), DWORD(text.size()), &written, nullptr);  // a file or a pipe: UTF-8
    }
    FreeConsole();
    return;
  }
  const UINT icon = kind == SayError ? MB_ICONSTOP : kind == SayWarning ? MB_ICONWARNING : MB_ICONINFORMATION;
  MessageBoxW(nullptr, wide.c_str(), L"KXS", MB_OK | icon);
}

// The command line as UTF-8: the C runtime's argv is in the ANSI code page,
// which cannot hold every folder name.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 0; wide && i < count; ++i) arguments.push_back(Utf8Path(wide[i]));
  if (wide) LocalFree(wide);
  if (arguments.empty()) arguments.push_back("kxs");
  return arguments;
}

}  // namespace

int main(int, char**) {
  const std::vector<std::string> arguments = Arguments();
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  DesktopStart start;
  const int status = PrepareDesktopStart(int(argv.size()), argv.data(), Tell, &start);
  if (status >= 0) return status;
  return PlayDesktopGame(start);
}
