// SPDX-License-Identifier: GPL-2.0-or-later
// The intro: the pictures intro/intro000.kxg .. each with its own palette,
// shown for the time intro/intro.dat gives. It takes no input.
#include <cstdio>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/main_menu.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "world/world.h"

namespace {

// Whether the current picture is loaded and being timed. AnimElapsed alone
// cannot say it: a picture's first frame usually measures 0 ms, which would
// load the next picture at once and flash the whole intro by a frame each.
bool PictureShowing;

}  // namespace

void StartNewGame() {
  // A file that exists but cannot be read is treated as a missing one: the
  // intro is skipped instead of playing pictures of an unknown count.
  if (!ReadIntroData(IntroFilePath, &IntroFrames, &AnimDelay)) {
    RequestNameEntry();
    return;
  }
  AnimElapsed = 0;
  IntroFrame = 0;
  PictureShowing = false;
  CurrentScreen = IntroScreen;
}

void IntroScreen() {
  if (!PictureShowing) {
    if (IntroFrame >= IntroFrames) {
      RequestNameEntry();
      return;
    }
    char name[32];
    std::snprintf(name, sizeof name, "intro/intro%03d.kxg", static_cast<int>(IntroFrame));
    IntroFrame += 1;
    LoadImageWithPalette(BaseFrame, FrameBytes, name, GamePalette);
    Display->SetPalette(GamePalette);
    AnimElapsed = 0;
    AnimLast = AnimNow = PlatformMilliseconds();
    PictureShowing = true;
  }
  Display->Present(BaseFrame);
  if (StepTimerExpired()) {
    AnimElapsed = 0;
    PictureShowing = false;
  }
}
