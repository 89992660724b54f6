// SPDX-License-Identifier: GPL-2.0-or-later
// A game shell on the headless backend for tests: a display, a palette, and
// a clean message queue, without the data tree.
#pragma once

#include <cstring>

#include "app/app.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "platform/headless/headless.h"
#include "screens/messages.h"
#include "screens/screen.h"

inline void StartTestShell() {
  HeadlessReset();
  ClearGameMessages();
  WindowDestroyed = false;
  // The reset closed the headless display: open a fresh device on it.
  delete Display;
  Display = new DisplayDevice(640, 480, 8);
  AppActive = 1;
  ShowFps = 0;
  ScreenRunning = 1;
  ScreenEntry = 1;
  MouseClick = 0;
  InputEvent = 0;
  AnimState = 0;
}

// Runs loop passes until `frames` frames have run or the game ended.
inline bool RunFramesForTest(int frames) {
  const uint64_t target = FramesRun + static_cast<uint64_t>(frames);
  int exitCode = 0;
  while (FramesRun < target) {
    if (!RunLoopPass(&exitCode)) return false;
  }
  return true;
}

inline void PushTestEvent(PlatformEventType type, int x = 0, int y = 0, int key = 0) {
  PlatformEvent event{};
  event.type = type;
  event.x = x;
  event.y = y;
  event.key = key;
  event.active = 1;
  HeadlessPushEvent(event);
}
