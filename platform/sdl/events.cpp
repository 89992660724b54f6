// SPDX-License-Identifier: GPL-2.0-or-later
// The game's events: SDL's input turned into the few events the game sees,
// in window order, through the shared queue.
#include "platform/event_queue.h"
#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

void sdl_backend::QueuePointerPlace() {
  SdlTarget* game = GameTarget();
  if (!game) return;
  int wx = 0, wy = 0, x = 0, y = 0;
  SDL_GetMouseState(&wx, &wy);
  TargetWindowToLogical(game, wx, wy, &x, &y);
  ForgetPointerPlace();
  QueuePointer(PlatformEventMouseMove, x, y);
}

bool sdl_backend::HandleWindowEvent(const SDL_Event& event) {
  if (event.type == SDL_RENDER_DEVICE_RESET || event.type == SDL_RENDER_TARGETS_RESET) {
    if (SdlTarget* game = GameTarget()) {
      // The texture's content is gone; a new one is drawn from the last frame.
      TargetResetTextures(game);
      TargetRelayout(game);
      RepresentGameFrame();
    }
    return true;
  }
  if (event.type != SDL_WINDOWEVENT) return false;
  SdlTarget* game = GameTarget();
  const bool gameWindow = game && SDL_GetWindowID(game->window) == event.window.windowID;
  switch (event.window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (gameWindow) QueueActivation(true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
      if (gameWindow) QueueActivation(false);
      break;
    // A static screen is not presented again by its flips, so every event
    // after which the window may not hold the picture presents it here.
    case SDL_WINDOWEVENT_RESTORED:
      if (gameWindow) QueueActivation(true);
      [[fallthrough]];
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
      if (gameWindow) {
        TargetRelayout(game);
        RepresentGameFrame();
      } else {
        ModalInvalidate();
      }
      break;
    default:
      break;
  }
  return true;
}

static bool IsToggleKey(const SDL_Keysym& key) {
  return (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) && (key.mod & KMOD_ALT);
}

bool sdl_backend::IsFullscreenToggle(const SDL_Event& event) {
  return event.type == SDL_KEYDOWN && IsToggleKey(event.key.keysym);
}

static void TranslateKey(const SDL_KeyboardEvent& key) {
  if (IsToggleKey(key.keysym)) {
    if (!key.repeat) ToggleFullscreen();
    return;
  }
  // Alt and keys pressed with Alt are system keys to Windows (they never
  // reach the game as key presses); Alt+F4 closes the window.
  if (key.keysym.mod & KMOD_ALT) {
    if (key.keysym.sym == SDLK_F4 && !key.repeat) QueueGameEvent(PlatformEvent{PlatformEventClose, 0, 0, 0, 0});
    return;
  }
  const int code = VirtualKeyOf(key.keysym);
  if (code == 0) return;
  QueueGameEvent(PlatformEvent{PlatformEventKeyDown, 0, 0, code, 0});
}

static void Translate(const SDL_Event& event) {
  if (HandleWindowEvent(event)) return;
  SdlTarget* game = GameTarget();
  int x = 0, y = 0;
  switch (event.type) {
    case SDL_QUIT:
      QueueGameEvent(PlatformEvent{PlatformEventClose, 0, 0, 0, 0});
      break;
    case SDL_KEYDOWN:
      TranslateKey(event.key);
      break;
    case SDL_MOUSEMOTION:
      if (!game) break;
      TargetWindowToLogical(game, event.motion.x, event.motion.y, &x, &y);
      QueuePointer(PlatformEventMouseMove, x, y);
      break;
    case SDL_MOUSEBUTTONUP:
      if (!game || event.button.button != SDL_BUTTON_LEFT) break;
      TargetWindowToLogical(game, event.button.x, event.button.y, &x, &y);
      QueuePointer(PlatformEventLeftButtonUp, x, y);
      break;
    default:
      break;
  }
}

bool PlatformPollEvent(PlatformEvent* event) {
  if (!event) return false;
  if (SDL_WasInit(SDL_INIT_VIDEO)) {
    SDL_Event sdlEvent;
    while (!GameEventWaiting() && SDL_PollEvent(&sdlEvent)) Translate(sdlEvent);
  }
  return TakeGameEvent(event);
}

void PlatformWaitEvent() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  SDL_Event sdlEvent;
  // Events the game does not see (an expose, a key it ignores) are handled
  // here and the wait goes on.
  while (!GameEventWaiting()) {
    if (!SDL_WaitEvent(&sdlEvent)) return;
    Translate(sdlEvent);
  }
}
