// SPDX-License-Identifier: GPL-2.0-or-later
// What the files of the SDL backend share among themselves. Nothing outside
// platform/sdl/ includes this (or SDL).
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/platform.h"

namespace sdl_backend {

// ---------------------------------------------------------------------------
// A window with its renderer, showing a logical picture (640x480 for the
// game) scaled by whole pixels and letterboxed. The game window is one; a
// message box opened before the game window exists gets a small one of its
// own.
//
// Game frames go through a texture of the logical size that the renderer
// stretches: measured with SDL's software renderer at 2x (Xvfb), writing
// doubled pixels into a texture of the full size costs as much as the
// stretch (1.6-2.8 ms against 1.7-2.3 ms a frame) and at 3x far more (6.8
// against 4.2 ms), because the big texture is copied once more. Boxes and
// dialogs are drawn into a texture of the full scale instead, so that their
// text is drawn by the font at that size rather than enlarged.

struct SdlTarget {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;        // logical size
  SDL_Texture* scaledTexture = nullptr;  // logical size x scaledScale, made on first use
  SDL_Texture* locked = nullptr;
  int logicalWidth = 0, logicalHeight = 0;
  int scaledScale = 1;
  int outputWidth = 0, outputHeight = 0;  // the drawable, in pixels
  SDL_Rect dest{0, 0, 0, 0};              // where the picture lands in the drawable
  bool softwareRenderer = false;
  bool smooth = false;  // fills the drawable through scaledTexture instead of whole pixels
};

// Opens a window; fullscreen: desktop full-screen, else a window of the
// logical size times windowScale. False with the reason in PlatformLastError().
bool TargetOpen(SdlTarget* target, const char* titleUtf8, int logicalWidth, int logicalHeight, bool fullscreen,
                int windowScale);
void TargetClose(SdlTarget* target);
// Follows the drawable's size.
bool TargetRelayout(SdlTarget* target);
// A whole texture for writing, in pixels of 0x00RRGGBB: the logical-size one,
// or with scaled the one at the drawable's whole scale (its scale in *scale).
bool TargetLock(SdlTarget* target, bool scaled, uint32_t** pixels, int* pitchPixels, int* scale);
// Both textures anew (after the renderer lost them).
void TargetResetTextures(SdlTarget* target);
// Unlocks, draws the picture and the black bars; SDL_RenderPresent follows.
void TargetUnlockAndCompose(SdlTarget* target);
// Window coordinates (as SDL reports the mouse) to logical pixels; false when
// the point lies outside the picture (the result is then clamped to it).
bool TargetWindowToLogical(const SdlTarget* target, int windowX, int windowY, int* x, int* y);
// A logical rectangle in window coordinates (for the input method's window).
SDL_Rect TargetLogicalToWindow(const SdlTarget* target, int x, int y, int width, int height);

void SdlSetError(const char* what, const char* detail);
// Brings SDL's video up once per process; false when there is no display.
bool SdlVideoUp();

// ---------------------------------------------------------------------------
// The game display (display.cpp).

SdlTarget* GameTarget();  // nullptr while the display is closed
// Draws the last flipped picture through the current palette (no present).
void DrawLastFrame(uint32_t* pixels, int pitchPixels, int scale);
// Shows the last flipped picture again (after an expose or a resize).
void RepresentGameFrame();
void ToggleFullscreen();

// ---------------------------------------------------------------------------
// The game's events (events.cpp), through the shared queue of
// platform/event_queue.h.

// Window events every loop must honour: focus (activation reaches the game
// even while a box is up), size, expose, the renderer's reset. True when the
// event was one of them.
bool HandleWindowEvent(const SDL_Event& event);
// Alt+Enter.
bool IsFullscreenToggle(const SDL_Event& event);
// Sends the pointer's present place to the game (after a modal loop, whose
// mouse movement the game did not see).
void QueuePointerPlace();

// Virtual-key code of a key, 0 for none the game can see (keys.cpp).
int VirtualKeyOf(const SDL_Keysym& key);

// ---------------------------------------------------------------------------
// Modal loops (modal.cpp): message boxes and dialogs drawn over the last
// frame. Layers are drawn bottom first; the top one has the keyboard.

struct UiCanvas;
using ModalDraw = void (*)(void* context, UiCanvas* canvas, bool top);

// Starts a modal loop: on the game window when it is open, else on a window
// of its own of width x height titled titleUtf8. False when nothing can be
// shown at all.
bool ModalBegin(int width, int height, const char* titleUtf8);
void ModalEnd();
void ModalPushLayer(ModalDraw draw, void* context);
void ModalPopLayer();
void ModalInvalidate();
// Draws all layers when something changed.
void ModalRenderIfNeeded();
int ModalWidth();
int ModalHeight();
// Window to logical coordinates of the modal picture; false outside it.
bool ModalPoint(int windowX, int windowY, int* x, int* y);
SDL_Rect ModalRectToWindow(int x, int y, int width, int height);
// What a modal loop does with an event before it looks at it itself.
enum ModalFilterResult { ModalEventOwn, ModalEventTaken, ModalEventDismiss };
ModalFilterResult ModalFilter(const SDL_Event& event);
// True while the game window is the modal's window (not a window of its own).
bool ModalOnGameWindow();

}  // namespace sdl_backend
