// SPDX-License-Identifier: GPL-2.0-or-later
// The window's messages as the game's events: the pointer in game pixels,
// keys as the virtual-key codes they already are, activation and closing.
#include <windows.h>
#include <windowsx.h>

#include "platform/event_queue.h"
#include "platform/win32/win32_internal.h"

using namespace win32_backend;

namespace {

bool Quit;
bool LastPointingTouch;
int ModalDepth;

// Windows marks the mouse messages it makes from a finger or a pen.
bool FromTouch() { return (GetMessageExtraInfo() & 0xFFFFFF00) == 0xFF515700; }

void Pointer(PlatformEventType type, LPARAM lParam) {
  if (ModalDepth > 0 && type == PlatformEventLeftButtonUp) return;
  LastPointingTouch = FromTouch();
  int x = 0, y = 0;
  WindowToGame(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), &x, &y);
  QueuePointer(type, x, y);
}

void Key(WPARAM key) {
  PlatformEvent event{};
  event.type = PlatformEventKeyDown;
  event.key = int32_t(key);
  QueueGameEvent(event);
}

}  // namespace

void win32_backend::BeginModal() { ++ModalDepth; }

void win32_backend::EndModal() {
  MSG message;
  HWND window = GameWindow();
  while (window && PeekMessageW(&message, window, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  if (ModalDepth > 0) --ModalDepth;
  ForgetPointerPlace();  // the game learns where the pointer went meanwhile
}

LRESULT CALLBACK win32_backend::GameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DisplayMessage(window, message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_MOUSEMOVE:
      Pointer(PlatformEventMouseMove, lParam);
      return 0;
    case WM_LBUTTONUP:
      Pointer(PlatformEventLeftButtonUp, lParam);
      return 0;
    case WM_KEYDOWN:
      Key(wParam);
      return 0;
    case WM_SYSKEYDOWN:
      // F10 arrives as a system key; Alt+Enter switches the display; Alt's
      // other combinations stay the system's.
      if (wParam == VK_F10) {
        Key(wParam);
        return 0;
      }
      if (wParam == VK_RETURN && (lParam & (1 << 29))) {
        if (!(lParam & (1 << 30))) ToggleFullscreen();  // not again while the key is held
        return 0;
      }
      break;
    case WM_SYSCHAR:
      if (wParam == VK_RETURN) return 0;  // no beep for Alt+Enter
      break;
    case WM_ACTIVATEAPP:
      QueueActivation(wParam != FALSE);
      return 0;
    case WM_CLOSE: {
      PlatformEvent event{};
      event.type = PlatformEventClose;
      QueueGameEvent(event);
      return 0;  // the game decides whether to end
    }
    case WM_DESTROY:
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool win32_backend::PumpMessages(bool wait) {
  MSG message;
  if (wait && !Quit) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      Quit = true;
    } else {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  while (!Quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      Quit = true;
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return !Quit;
}

bool PlatformPollEvent(PlatformEvent* event) {
  if (!event) return false;
  if (GameWindow() && !GameEventWaiting()) PumpMessages(false);
  return TakeGameEvent(event);
}

void PlatformWaitEvent() {
  if (!GameWindow()) return;
  while (!GameEventWaiting() && PumpMessages(true)) {
  }
}

void PlatformShowPointer(bool visible) {
  // ShowCursor counts; bring the count to exactly shown or hidden.
  if (visible) {
    while (ShowCursor(TRUE) < 0) {
    }
  } else {
    while (ShowCursor(FALSE) >= 0) {
    }
  }
}

bool PlatformPointerIsTouch() { return LastPointingTouch; }
