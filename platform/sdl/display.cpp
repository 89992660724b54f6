// SPDX-License-Identifier: GPL-2.0-or-later
// The game display: an 8-bit back buffer in system memory, expanded through
// the palette into the window's texture at every flip that changed the
// picture, paced to 60 Hz.
#include <time.h>

#include <cstdlib>
#include <cstring>

#include "platform/display_options.h"
#include "platform/event_queue.h"
#include "platform/letterbox.h"
#include "platform/palette_expand.h"
#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

// Rows padded like a video surface's, so that nothing may assume pitch 640.
static const int BackBufferPadding = 32;
static const double FlipsPerSecond = 60.0;

static SdlTarget Game;
static bool Open;
static bool Fullscreen;
static int Width, Height;
static uint8_t* BackBuffer;
static uint8_t* LastFrame;  // the picture last flipped, for redraws and modal backgrounds
static int32_t Pitch;
static uint8_t Palette[768];
// The window shows LastFrame through ShownPalette: a flip that changes
// neither need not draw again. Anything that may have spoilt the window's
// picture (an expose, a resize, a box over it) presents anew.
static uint8_t ShownPalette[768];
static bool ScreenCurrent;
static PaletteLut Lut;
static bool LutStale = true;
static Uint64 NextFlipDue;
static DisplayOptions Options;

void PlatformSetDisplayOptions(const DisplayOptions& options) { Options = options; }

// The largest whole scale of the picture whose window leaves room on the
// desktop, capped by limit.
static int LargestWindowScale(int displayIndex, int limit) {
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(displayIndex, &usable) != 0) return 1;
  return LargestWindowScale(usable.w, usable.h, Width, Height, limit);
}

SdlTarget* sdl_backend::GameTarget() { return Open ? &Game : nullptr; }

bool PlatformDisplayIsOpen() { return Open; }

bool PlatformOpenDisplay(int width, int height, int bitsPerPixel) {
  if (Open) return true;
  if (bitsPerPixel != 8 || width < 1 || height < 1 || width > 4096 || height > 4096) {
    SdlSetError("display", "only 8-bit displays up to 4096x4096 are offered");
    return false;
  }
  Width = width;
  Height = height;
  Pitch = width + BackBufferPadding;
  BackBuffer = static_cast<uint8_t*>(std::calloc(size_t(Pitch) * height, 1));
  LastFrame = static_cast<uint8_t*>(std::calloc(size_t(Pitch) * height, 1));
  if (!BackBuffer || !LastFrame) {
    SdlSetError("display", "out of memory for the back buffer");
    PlatformCloseDisplay();
    return false;
  }
  if (!SdlVideoUp()) {
    PlatformCloseDisplay();
    return false;
  }
  const int windowScale = Options.windowScale > 0 ? Options.windowScale : LargestWindowScale(0, 8);
  if (!TargetOpen(&Game, "KXS", width, height, Options.fullscreen, windowScale)) {
    PlatformCloseDisplay();
    return false;
  }
  Game.smooth = Options.fitScale;
  TargetRelayout(&Game);
  Open = true;
  Fullscreen = Options.fullscreen;
  LutStale = true;
  NextFlipDue = 0;
  SDL_SetWindowMinimumSize(Game.window, 160, 120);
  QueueInitialActivation();
  RepresentGameFrame();
  return true;
}

void PlatformCloseDisplay() {
  TargetClose(&Game);
  ScreenCurrent = false;
  std::free(BackBuffer);
  std::free(LastFrame);
  BackBuffer = LastFrame = nullptr;
  Open = false;
}

bool PlatformSetPalette(const uint8_t* rgb) {
  if (!rgb) return false;
  std::memcpy(Palette, rgb, sizeof Palette);
  LutStale = true;
  return true;
}

const uint8_t* PlatformCurrentPalette() { return Palette; }

PlatformResult PlatformLockBackBuffer(uint8_t** pixels, int32_t* pitch) {
  if (!Open) return PlatformFailed;
  *pixels = BackBuffer;
  *pitch = Pitch;
  return PlatformOk;
}

void PlatformUnlockBackBuffer() {}

// The picture on screen always shows through the palette set last, as an
// 8-bit display mode does.
void sdl_backend::DrawLastFrame(uint32_t* pixels, int pitchPixels, int scale) {
  if (LutStale) {
    BuildPaletteLut(Palette, &Lut);
    LutStale = false;
  }
  ExpandPicture(LastFrame, Pitch, Width, Height, Lut, pixels, pitchPixels, scale);
}

static bool ComposeGameFrame() {
  uint32_t* pixels = nullptr;
  int pitchPixels = 0;
  int scale = 1;
  ScreenCurrent = false;
  if (!TargetLock(&Game, Game.smooth, &pixels, &pitchPixels, &scale)) return false;
  DrawLastFrame(pixels, pitchPixels, scale);
  TargetUnlockAndCompose(&Game);
  std::memcpy(ShownPalette, Palette, sizeof ShownPalette);
  ScreenCurrent = true;  // once presented, which both callers do next
  return true;
}

// Drivers do not always honour vsync, so a deadline keeps the pace at 60
// flips a second at most. The schedule advances by whole periods, so that
// waking a little late costs no rate; a flip later than a whole period
// starts the schedule anew instead of hurrying the next ones.
static void WaitForFlipDeadline() {
  const Uint64 frequency = SDL_GetPerformanceFrequency();
  const Uint64 period = Uint64(double(frequency) / FlipsPerSecond);
  Uint64 now = SDL_GetPerformanceCounter();
  // The wait sleeps to the deadline itself: spinning its last millisecond
  // or two on SDL_Delay(0) cost more CPU than the whole frame's work.
  while (NextFlipDue > now) {
    const Uint64 waitNs = (NextFlipDue - now) * 1000000000 / frequency;
    timespec pause{static_cast<time_t>(waitNs / 1000000000), static_cast<long>(waitNs % 1000000000)};
    nanosleep(&pause, nullptr);
    now = SDL_GetPerformanceCounter();
  }
  NextFlipDue = now - NextFlipDue < period ? NextFlipDue + period : now + period;
}

// Copies the back buffer into LastFrame; true when any row differed. The
// comparison touches the memory the copy touched, so it costs about what
// the copy did; only rows that differ are copied besides.
static bool TakeBackBuffer() {
  bool changed = false;
  for (int row = 0; row < Height; ++row) {
    uint8_t* shown = LastFrame + size_t(row) * Pitch;
    const uint8_t* back = BackBuffer + size_t(row) * Pitch;
    if (std::memcmp(shown, back, size_t(Width)) == 0) continue;
    std::memcpy(shown, back, size_t(Width));
    changed = true;
  }
  return changed;
}

PlatformResult PlatformFlip() {
  if (!Open) return PlatformFailed;
  const bool changed = TakeBackBuffer();
  // A static screen (the office with nothing running) costs the comparison
  // and the wait, no expansion, upload or present.
  if (!changed && ScreenCurrent && std::memcmp(ShownPalette, Palette, sizeof Palette) == 0) {
    WaitForFlipDeadline();
    return PlatformOk;
  }
  if (!ComposeGameFrame()) return PlatformOk;  // a texture that cannot be locked skips this frame
  WaitForFlipDeadline();
  SDL_RenderPresent(Game.renderer);
  return PlatformOk;
}

void sdl_backend::RepresentGameFrame() {
  if (!Open) return;
  if (ModalOnGameWindow()) {
    ModalInvalidate();  // the modal loop draws the frame with its layers over it
    return;
  }
  if (ComposeGameFrame()) SDL_RenderPresent(Game.renderer);
}

bool PlatformRestore() {
  if (!Open) return false;
  return TargetRelayout(&Game);
}

bool PlatformShowSystemSurface() {
  if (!Open) return false;
  RepresentGameFrame();
  return true;
}

void sdl_backend::ToggleFullscreen() {
  if (!Open) return;
  if (Fullscreen) {
    if (SDL_SetWindowFullscreen(Game.window, 0) != 0) return;
    // The window takes the scale asked for, or the largest that leaves room
    // on the desktop.
    const int scale =
        Options.windowScale > 0 ? Options.windowScale : LargestWindowScale(SDL_GetWindowDisplayIndex(Game.window), 8);
    SDL_SetWindowSize(Game.window, Width * scale, Height * scale);
    SDL_SetWindowPosition(Game.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    Fullscreen = false;
  } else {
    // Covering the desktop first makes full-screen hold even where no window
    // manager carries out the request.
    SDL_Rect desktop;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(Game.window), &desktop) == 0) {
      SDL_SetWindowPosition(Game.window, desktop.x, desktop.y);
      SDL_SetWindowSize(Game.window, desktop.w, desktop.h);
    }
    if (SDL_SetWindowFullscreen(Game.window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return;
    Fullscreen = true;
  }
  TargetRelayout(&Game);
  RepresentGameFrame();
  if (Options.fullscreenChanged) Options.fullscreenChanged(Fullscreen);
}
