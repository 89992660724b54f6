// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/notice_followups.h"

#include "app/save_game.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"

void VictoryFollowUp() { PlaySoundFile("sound/yes.wav"); }

// The name dialog opens as soon as the notice handler returns; the start
// screen waits behind it.
void NewGameFollowUp() {
  PlaySoundFile("sound/start.wav");
  ScreenEntry = 1;
  AnimState = 0;
  ScreenRunning = 0;
  PostGameMessage(MsgNameDialog);
  LoadImage(BaseFrame, FrameBytes, "data/first.kxg");
  CurrentScreen = NewGameScreen;
  ScreenRunning = 1;
}

void LoadGameFollowUp() { LoadGame(); }

void SaveGameFollowUp() { SaveGame(); }
