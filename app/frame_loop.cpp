#include <cstdio>

#include "app/app.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "platform/platform.h"
#include "screens/messages.h"
#include "screens/screen.h"

uint64_t FramesRun;

namespace {

// Turns the platform's events into the window messages of the game.
void TranslateEvents() {
  PlatformEvent event;
  while (PlatformPollEvent(&event)) {
    switch (event.type) {
      case PlatformEventMouseMove:
        PostGameMessage(WM_MOUSEMOVE, 0, MakePositionParam(event.x, event.y));
        break;
      case PlatformEventLeftButtonUp:
        PostGameMessage(WM_LBUTTONUP, 0, MakePositionParam(event.x, event.y));
        break;
      case PlatformEventKeyDown:
        PostGameMessage(WM_KEYDOWN, static_cast<uint32_t>(event.key), 0);
        break;
      case PlatformEventActivate:
        PostGameMessage(WM_ACTIVATEAPP, static_cast<uint32_t>(event.active), 0);
        break;
      case PlatformEventClose:
        PostGameMessage(WM_CLOSE);
        break;
      case PlatformEventNone:
        break;
    }
  }
}

// The frame-rate overlay; false when the back buffer takes no text.
bool DrawFpsOverlay() {
  const uint32_t now = PlatformMilliseconds();
  const uint32_t delta = now - FpsCounters[0];
  FpsCounters[0] = FpsCounters[1] = now;
  FpsCounters[3] = delta;
  FpsCounters[2] += delta;
  FpsCounters[4] += 1;
  if (FpsCounters[2] > 1000) {
    FpsCounters[5] = FpsCounters[4];
    FpsCounters[4] = 0;
    FpsCounters[2] = 0;
  }
  char text[64];
  std::snprintf(text, sizeof text, "FPS : %d Mouse : %d, %d", static_cast<int>(FpsCounters[5]),
                static_cast<int>(MouseX), static_cast<int>(MouseY));
  return PlatformBackBufferText(0, 0, text, 255, 255, 255);
}

}  // namespace

bool RunLoopPass(int* exitCode) {
  TranslateEvents();
  Message message;
  if (TakeGameMessage(&message)) {
    if (message.message == WM_QUIT) {
      *exitCode = static_cast<int>(message.wParam);
      return false;
    }
    WindowProc(message.message, message.wParam, message.lParam);
    return true;
  }
  if (AppActive == 0) {
    PlatformWaitEvent();
    return true;
  }
  if (ScreenRunning) CurrentScreen();
  MouseClick = 0;
  InputEvent = 0;
  ++FramesRun;
  if (ShowFps == 1 && !DrawFpsOverlay()) {
    *exitCode = 0;
    return false;
  }
  Display->Flip();
  return true;
}
