// SPDX-License-Identifier: GPL-2.0-or-later
// Modal loops draw over the last frame of the game window, as boxes and
// dialogs stood over the full-screen display; before the game window exists
// (the "already running" box) a small window of their own carries them.
#include "platform/event_queue.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/sdl/ui_draw.h"

namespace sdl_backend {

namespace {

struct Layer {
  ModalDraw draw;
  void* context;
};

const int MaxLayers = 16;
Layer Layers[MaxLayers];
int LayerCount;
int Depth;
bool Dirty;
bool OwnWindow;
SdlTarget Own;
SdlTarget* Target;
int SavedPointer;

}  // namespace

bool ModalOnGameWindow() { return Depth > 0 && !OwnWindow; }

bool ModalBegin(int width, int height, const char* titleUtf8) {
  if (Depth > 0) {
    ++Depth;
    Dirty = true;
    return true;
  }
  if (SdlTarget* game = GameTarget()) {
    Target = game;
    OwnWindow = false;
  } else {
    if (width < 1 || height < 1 || !SdlVideoUp()) return false;
    // Twice the size on a desktop twice the game's, like the game's picture.
    SDL_Rect desktop;
    const int scale = SDL_GetDisplayBounds(0, &desktop) == 0 && desktop.h >= 960 && desktop.w >= 1280 ? 2 : 1;
    if (!TargetOpen(&Own, titleUtf8, width, height, false, scale)) return false;
    SDL_SetWindowResizable(Own.window, SDL_FALSE);
    SDL_RaiseWindow(Own.window);
    Target = &Own;
    OwnWindow = true;
  }
  SavedPointer = SDL_ShowCursor(SDL_QUERY);
  SDL_ShowCursor(SDL_ENABLE);
  Depth = 1;
  Dirty = true;
  return true;
}

void ModalEnd() {
  if (Depth == 0) return;
  if (--Depth > 0) {
    Dirty = true;
    return;
  }
  SDL_ShowCursor(SavedPointer);
  if (OwnWindow) {
    TargetClose(&Own);
  } else {
    RepresentGameFrame();
    // The game's cursor follows the pointer, which moved while the box was up.
    QueuePointerPlace();
  }
  Target = nullptr;
  OwnWindow = false;
}

void ModalPushLayer(ModalDraw draw, void* context) {
  if (LayerCount < MaxLayers) Layers[LayerCount++] = Layer{draw, context};
  Dirty = true;
}

void ModalPopLayer() {
  if (LayerCount > 0) --LayerCount;
  Dirty = true;
}

void ModalInvalidate() { Dirty = true; }

int ModalWidth() { return Target ? Target->logicalWidth : 0; }
int ModalHeight() { return Target ? Target->logicalHeight : 0; }

void ModalRenderIfNeeded() {
  if (!Dirty || !Target) return;
  Dirty = false;
  uint32_t* pixels = nullptr;
  int pitch = 0;
  int scale = 1;
  if (!TargetLock(Target, true, &pixels, &pitch, &scale)) return;
  const int width = Target->logicalWidth * scale, height = Target->logicalHeight * scale;
  if (OwnWindow) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels[y * pitch + x] = UiColour::Face;
    }
  } else {
    DrawLastFrame(pixels, pitch, scale);
  }
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(pixels, width, height, 32, pitch * 4, SDL_PIXELFORMAT_RGB888);
  if (surface) {
    UiCanvas canvas{surface, scale};
    for (int i = 0; i < LayerCount; ++i) {
      Layers[i].draw(Layers[i].context, &canvas, i == LayerCount - 1);
      UiClip(&canvas, nullptr);
    }
    SDL_FreeSurface(surface);
  }
  TargetUnlockAndCompose(Target);
  SDL_RenderPresent(Target->renderer);
}

bool ModalPoint(int windowX, int windowY, int* x, int* y) {
  if (!Target) return false;
  return TargetWindowToLogical(Target, windowX, windowY, x, y);
}

SDL_Rect ModalRectToWindow(int x, int y, int width, int height) {
  if (!Target) return SDL_Rect{x, y, width, height};
  return TargetLogicalToWindow(Target, x, y, width, height);
}

ModalFilterResult ModalFilter(const SDL_Event& event) {
  if (IsFullscreenToggle(event)) {
    if (!OwnWindow && !event.key.repeat) ToggleFullscreen();
    Dirty = true;
    return ModalEventTaken;
  }
  if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F4 && (event.key.keysym.mod & KMOD_ALT)) {
    return ModalEventDismiss;  // Alt+F4 closes the box or dialog, not the game
  }
  if (OwnWindow && event.type == SDL_WINDOWEVENT && event.window.windowID == SDL_GetWindowID(Own.window)) {
    if (event.window.event == SDL_WINDOWEVENT_CLOSE) return ModalEventDismiss;
    TargetRelayout(&Own);
    Dirty = true;
    return ModalEventTaken;
  }
  if (HandleWindowEvent(event)) {
    Dirty = true;
    return ModalEventTaken;
  }
  if (event.type == SDL_QUIT) {
    // Closing the game window answers the box as Escape would, and the game
    // then sees the close.
    if (!OwnWindow) QueueGameEvent(PlatformEvent{PlatformEventClose, 0, 0, 0, 0});
    return ModalEventDismiss;
  }
  return ModalEventOwn;
}

}  // namespace sdl_backend
