// SPDX-License-Identifier: GPL-2.0-or-later
// The walk: the figure goes one pixel a frame from the office door to the
// chosen place, its eight pictures cycling, and hands over to ReturnScreen on
// arrival. It takes no input; the pointer is not drawn.
#include <cstdio>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/screens.h"
#include "screens/town_map.h"

namespace {

constexpr int WalkerBytes = WalkerWidth * WalkerHeight;
// ScreenEntry counts the pictures: 2 draws the first, 9 the eighth.
constexpr uint8_t FirstPicturePhase = 2;
constexpr uint8_t LastPicturePhase = FirstPicturePhase + WalkerPictures - 1;

int32_t Sign(int32_t value) { return (value > 0) - (value < 0); }
int32_t Distance(int32_t from, int32_t to) { return to > from ? to - from : from - to; }

// The pictures wait in ScratchFrame, one after the other.
void LoadWalkerPictures() {
  for (int k = 0; k < WalkerPictures; ++k) {
    char path[32];
    std::snprintf(path, sizeof path, "cur/w%04d.kxg", k + 1);
    LoadImage(ScratchFrame + k * WalkerBytes, WalkerBytes, path);
  }
}

void DrawWalker() {
  const uint8_t* picture = ScratchFrame + (ScreenEntry - FirstPicturePhase) * WalkerBytes;
  PutRectKeyed(ComposeFrame, static_cast<int16_t>(WalkX), static_cast<int16_t>(WalkY),
               static_cast<int16_t>(WalkX + WalkerWidth - 1), static_cast<int16_t>(WalkY + WalkerHeight - 1), picture,
               TransparentKey);
  ScreenEntry = ScreenEntry >= LastPicturePhase ? FirstPicturePhase : static_cast<uint8_t>(ScreenEntry + 1);
}

}  // namespace

void StepWalker() {
  const int32_t ax = Distance(WalkX, WalkTargetX);
  const int32_t ay = Distance(WalkY, WalkTargetY);
  if (ay >= ax) WalkY += Sign(WalkTargetY - WalkY);
  if (ax >= ay) WalkX += Sign(WalkTargetX - WalkX);
}

void WalkScreen() {
  if (ScreenEntry == 1) {
    LoadWalkerPictures();
    ScreenEntry = FirstPicturePhase;
    PlaySoundLoop("sound/walk.wav");
  }
  // A phase outside the cycle (set by someone else) starts it over.
  if (ScreenEntry < FirstPicturePhase || ScreenEntry > LastPicturePhase) ScreenEntry = FirstPicturePhase;
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  if (WalkX == WalkTargetX && WalkY == WalkTargetY) {
    ScreenEntry = 1;
    // Without a destination the figure stays on the map it walked.
    CurrentScreen = ReturnScreen ? ReturnScreen : TownMapScreen;
    PlaySoundFile("sound/stop.wav");
    return;
  }
  StepWalker();
  DrawWalker();
  Display->Present(ComposeFrame);
}
