// SPDX-License-Identifier: GPL-2.0-or-later
// The screen framework: one handler per screen, called once per frame while
// it is current, and the conventions every screen shares.
#pragma once

#include <cstdint>

#include "world/notice_state.h"

using ScreenHandler = void (*)();

extern ScreenHandler CurrentScreen;
extern ScreenHandler ReturnScreen;
extern uint8_t ScreenRunning;  // 1 at start
extern uint8_t ScreenEntry;    // 1 at start

extern int16_t MouseClick;
extern int32_t InputEvent;

// The shared step timer.
extern int16_t AnimState;
extern int32_t AnimDelay;
extern uint32_t AnimLast;
extern uint32_t AnimNow;
extern uint32_t AnimElapsed;

constexpr int32_t ClickEvent = 2000;

// Starts a timer state: the delay, the clock and the state.
void StartStepTimer(int16_t state, int32_t delay);
// Adds the time since the last update; true when the current state is over
// (the delay strictly exceeded).
bool StepTimerExpired();

// The button-press animation. A screen calls PressButton on a click, then
// RunButtonAnimation every frame while AnimState is not 0; when it returns
// true the button's action is due (AnimState is 0 again).
struct ButtonRect {
  int16_t x1, y1, x2, y2;
};
bool PointInRect(const ButtonRect& rect, int32_t x, int32_t y);
void PressButton(const ButtonRect& rect, const char* pressedImage, int32_t pressDelay);
bool RunButtonAnimation(const ButtonRect& rect);

// The shared return button of the agency, contract list, ranking, bank and
// planning screens.
extern const ButtonRect ReturnButton;
constexpr const char* ReturnButtonImage = "data/return.kxg";
// Handles the return button on a frame: starts its press on a click, and
// runs its animation; true when its action (a day passes) is due.
bool ReturnButtonClicked();

// Switches to another screen from the next frame on.
void SwitchScreen(ScreenHandler next);

// Asks the window for a notice the way every screen does: NoticeCode, then
// ScreenRunning = 0, then WM_USER + 1. The notice's box (if any) shows
// before the next frame, and most notices let the screens run again after it.
void PostNotice(NoticeId notice);

// A message box shown by a screen itself, over the display.
int ScreenMessageBox(const char* text, const char* caption, int style);

// Sounds, asynchronous; a looping one ends when the next sound plays.
void PlaySoundFile(const char* path);
void PlaySoundLoop(const char* path);

// The system pointer, shown and hidden in balanced pairs as Windows counts them.
void ShowCursor(bool show);

// Name of a screen handler for logs ("?" when it is not registered).
const char* ScreenName(ScreenHandler handler);
ScreenHandler ScreenByName(const char* name);
