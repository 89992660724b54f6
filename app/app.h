// The application shell: start-up, the frame loop, the window procedure,
// the notices.
#pragma once

#include <cstdint>

extern int32_t AppActive;
extern int32_t ShowFps;
// Previous frame time, this frame's time, milliseconds in the current
// one-second window, last frame's duration, frames in the window, rate shown.
extern uint32_t FpsCounters[6];

extern int16_t ScreenWidth;
extern int16_t ScreenHeight;
extern uint8_t ScreenBpp;

// A code the program has a language for ("ko" and each catalogue's).
bool IsKnownLanguage(const char* code);
// Sets the language of the game's texts and of its data files, once, before
// StartGame: the player's choice (null or "" for none) when it is known,
// else the one the user's locale asks for, else Korean. Returns its code.
const char* StartInLanguage(const char* choice);

// Start-up up to the frame loop. Returns false when the program must end;
// *exitCode then holds its exit code.
bool StartGame(int* exitCode);
// One pass of the frame loop: one message, or one frame. Returns false when
// the program has ended; *exitCode then holds its exit code.
bool RunLoopPass(int* exitCode);
// Start-up and the frame loop to the end: the whole program.
int GameMain();

void InitGlobals();
bool InitDisplay();
bool LoadStartupImages();
// Fills arrow (256 bytes) with the pointer picture at path when it is exactly
// 16x16; otherwise with the transparent key.
void LoadCursorPicture(const char* path, uint8_t* arrow);
void Shutdown();

// Frames that ran (handler called or not) since start-up.
extern uint64_t FramesRun;

// Set by WM_DESTROY: the display is gone and no frame may run.
extern bool WindowDestroyed;

int32_t WindowProc(uint32_t message, uint32_t wParam, int32_t lParam);
void DebugKeys(int32_t keyCode);
void ShowNotice();

