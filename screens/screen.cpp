// SPDX-License-Identifier: GPL-2.0-or-later
#include "screens/screen.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/messages.h"

ScreenHandler CurrentScreen;
ScreenHandler ReturnScreen;
uint8_t ScreenRunning = 1;
uint8_t ScreenEntry = 1;
int16_t MouseClick;
int32_t InputEvent;
int16_t AnimState;
int32_t AnimDelay;
uint32_t AnimLast;
uint32_t AnimNow;
uint32_t AnimElapsed;

void StartStepTimer(int16_t state, int32_t delay) {
  AnimDelay = delay;
  AnimLast = AnimNow = PlatformMilliseconds();
  AnimElapsed = 0;
  AnimState = state;
}

bool StepTimerExpired() {
  const uint32_t now = PlatformMilliseconds();
  AnimElapsed += now - AnimLast;
  AnimLast = now;
  AnimNow = now;
  return AnimElapsed > static_cast<uint32_t>(AnimDelay);
}

bool PointInRect(const ButtonRect& rect, int32_t x, int32_t y) {
  return x >= rect.x1 && x <= rect.x2 && y >= rect.y1 && y <= rect.y2;
}

void PressButton(const ButtonRect& rect, const char* pressedImage, int32_t pressDelay) {
  // ComposeFrame serves as the loading area of the pressed picture.
  LoadImage(ComposeFrame, FrameBytes, pressedImage);
  SaveRect(BaseFrame, rect.x1, rect.y1, rect.x2, rect.y2, ScratchFrame);
  PutRect(BaseFrame, rect.x1, rect.y1, rect.x2, rect.y2, ComposeFrame);
  Display->Present(BaseFrame);
  StartStepTimer(1, pressDelay);
}

bool RunButtonAnimation(const ButtonRect& rect) {
  if (!StepTimerExpired()) {
    Display->Present(BaseFrame);
    return false;
  }
  if (AnimState == 1) {
    PutRect(BaseFrame, rect.x1, rect.y1, rect.x2, rect.y2, ScratchFrame);
    StartStepTimer(100, 10);
    Display->Present(BaseFrame);
    return false;
  }
  if (AnimState == 100) {
    AnimState = 0;
    return true;
  }
  Display->Present(BaseFrame);
  return false;
}

const ButtonRect ReturnButton = {475, 427, 609, 461};

bool ReturnButtonClicked() {
  if (AnimState != 0) return RunButtonAnimation(ReturnButton);
  if ((MouseClick & 1) && PointInRect(ReturnButton, MouseX, MouseY)) {
    PressButton(ReturnButton, ReturnButtonImage, 100);
  }
  return false;
}

void SwitchScreen(ScreenHandler next) {
  ScreenEntry = 1;
  CurrentScreen = next;
}

void PostNotice(NoticeId notice) {
  NoticeCode = notice;
  ScreenRunning = 0;
  PostGameMessage(MsgNotice);
}

int ScreenMessageBox(const char* text, const char* caption, int style) {
  Display->FlipToGdi();
  ShowCursor(true);
  const int answer = PlatformMessageBox(text, caption, style);
  ShowCursor(false);
  return answer;
}

void PlaySoundFile(const char* path) { PlatformPlaySound(path, false); }

void PlaySoundLoop(const char* path) { PlatformPlaySound(path, true); }

// Windows keeps a display count: the pointer shows while it is 0 or more.
// The game hides it once at start-up and shows it around every box.
static int PointerCount = 0;

void ShowCursor(bool show) {
  PointerCount += show ? 1 : -1;
  PlatformShowPointer(PointerCount >= 0);
}
