// SPDX-License-Identifier: GPL-2.0-or-later
// kxs-set-field.exe N TEXT: puts TEXT into the Nth edit field
// (from 1) of the visible dialog, the way a Korean input method leaves its
// characters there. X's key events cannot type Hangul into Wine reliably,
// so the test of the real game window uses this for its Korean name.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>
#include <vector>

namespace {

HWND Dialog;
std::vector<HWND> Edits;

BOOL CALLBACK FindDialog(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
    Dialog = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindEdit(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (_wcsicmp(name, L"Edit") == 0) Edits.push_back(window);
  return TRUE;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count != 3) return 2;
  const int field = _wtoi(args[1]);
  for (int tries = 0; tries < 100 && !Dialog; ++tries) {
    EnumWindows(FindDialog, 0);
    if (!Dialog) Sleep(100);
  }
  if (!Dialog) return 1;
  EnumChildWindows(Dialog, FindEdit, 0);
  if (field < 1 || size_t(field) > Edits.size()) return 1;
  HWND edit = Edits[size_t(field) - 1];
  // The edit field tells the dialog of the change, as of any typing.
  return SendMessageW(edit, WM_SETTEXT, 0, LPARAM(args[2])) ? 0 : 1;
}
