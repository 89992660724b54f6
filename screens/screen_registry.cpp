// SPDX-License-Identifier: GPL-2.0-or-later
#include <cstring>

#include "screens/screen.h"
#include "screens/screens.h"

namespace {

struct ScreenEntryName {
  ScreenHandler handler;
  const char* name;
};

// Every screen, by the name logs and replay scripts use: its handler's.
#define KXS_NAME_SCREEN(name) {name, #name},
const ScreenEntryName ScreenNames[] = {KXS_SCREENS(KXS_NAME_SCREEN)};
#undef KXS_NAME_SCREEN

}  // namespace

const char* ScreenName(ScreenHandler handler) {
  for (const ScreenEntryName& entry : ScreenNames) {
    if (entry.handler == handler) return entry.name;
  }
  return "?";
}

ScreenHandler ScreenByName(const char* name) {
  for (const ScreenEntryName& entry : ScreenNames) {
    if (std::strcmp(entry.name, name) == 0) return entry.handler;
  }
  return nullptr;
}
