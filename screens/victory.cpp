// SPDX-License-Identifier: GPL-2.0-or-later
// The victory picture: two seconds with the fanfare, then the congratulation
// (its own sound follows the box) and a day passes. Play goes on.
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"

namespace {

constexpr int32_t VictoryDelay = 2000;

}  // namespace

void VictoryScreen() {
  if (ScreenEntry) {
    // The ranking has put data/win.kxg into BaseFrame; the timer runs
    // without a state, so no button logic takes it for a press.
    PlaySoundFile("sound/win.wav");
    AnimLast = AnimNow = PlatformMilliseconds();
    AnimElapsed = 0;
    AnimDelay = VictoryDelay;
    ScreenEntry = 0;
    return;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
  if (!StepTimerExpired()) return;
  PostNotice(NoticeVictory);
  SwitchScreen(DayPassScreen);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
}
