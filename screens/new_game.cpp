// SPDX-License-Identifier: GPL-2.0-or-later
// The new-game start screen: data/first.kxg with its start button, shown
// after the name dialog. The button builds the world and opens the office.
#include "screens/new_game.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/main_menu.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "world/world.h"

const ButtonRect StartButton = {519, 408, 605, 451};

namespace {

constexpr int32_t StartPressDelay = 80;

// The button is released: build the world. On success the office follows;
// on a missing file the loader has chosen the notice and the screen stays
// for another try.
void StartWorld() {
  // A new game begun from a running one must not inherit its loan, job,
  // offers or the records beyond the new counts.
  ClearWorldForNewGame();
  if (LoadGameData() == 0) {
    // The loader leaves ScreenRunning alone, and so does this notice.
    PostGameMessage(MsgNotice);
    return;
  }
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  CurrentScreen = OfficeScreen;
}

void RunStartButton() {
  if (!StepTimerExpired()) {
    Display->Present(BaseFrame);
    return;
  }
  if (AnimState == 1) {
    StartStepTimer(100, 10);
    PutRect(BaseFrame, StartButton.x1, StartButton.y1, StartButton.x2, StartButton.y2, ScratchFrame);
  } else if (AnimState == 100) {
    AnimState = 0;
    StartWorld();
    return;
  }
  Display->Present(BaseFrame);
}

}  // namespace

void RequestNameEntry() {
  AnimState = 0;
  PostGameMessage(MsgNameDialog);
  ScreenRunning = 0;
  LoadImage(BaseFrame, FrameBytes, "data/first.kxg");
  CurrentScreen = NewGameScreen;
}

void NewGameScreen() {
  if (AnimState != 0) {
    RunStartButton();
    return;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  if ((MouseClick & 1) && PointInRect(StartButton, MouseX, MouseY)) {
    // The pressed picture's palette is read but not applied.
    LoadImageWithPalette(ComposeFrame, FrameBytes, "data/fir_but.kxg", GamePalette);
    SaveRect(BaseFrame, StartButton.x1, StartButton.y1, StartButton.x2, StartButton.y2, ScratchFrame);
    PutRect(BaseFrame, StartButton.x1, StartButton.y1, StartButton.x2, StartButton.y2, ComposeFrame);
    Display->Present(BaseFrame);
    StartStepTimer(1, StartPressDelay);
    return;
  }
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
