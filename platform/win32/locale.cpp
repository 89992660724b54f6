// SPDX-License-Identifier: GPL-2.0-or-later
// The player's language as the system names it ("ko-KR", "en-US").
#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "platform/wide_path.h"

const char* PlatformUserLocale() {
  static std::string locale;
  static bool asked;
  if (!asked) {
    asked = true;
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0) locale = Utf8Path(name);
  }
  return locale.c_str();
}
