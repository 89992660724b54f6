// SPDX-License-Identifier: GPL-2.0-or-later
// Windows, renderers and the streaming textures through which every picture
// of the SDL backend reaches the screen.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/letterbox.h"
#include "platform/sdl/display_check.h"
#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

static char LastError[512];
static bool RendererProbed;
static bool SoftwareOnly;

void sdl_backend::SdlSetError(const char* what, const char* detail) {
  std::snprintf(LastError, sizeof LastError, "%s: %s", what, detail ? detail : "");
}

const char* PlatformLastError() { return LastError; }

// SDL falls back to its invisible drivers when no display opens, and the
// game would then run for ever, unseen and unheard: those (offscreen, and
// dummy also under its name evdev) are taken only when SDL_VIDEODRIVER
// names them.
static bool IsInvisibleDriver(const char* name) {
  return SDL_strcasecmp(name, "offscreen") == 0 || SDL_strcasecmp(name, "dummy") == 0 ||
         SDL_strcasecmp(name, "evdev") == 0;
}

static bool InitVideo() {
  const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
  if (wanted && *wanted) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    SdlSetError("SDL video", SDL_GetError());
    return false;
  }
  std::string tried;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const char* name = SDL_GetVideoDriver(i);
    if (!name || IsInvisibleDriver(name)) continue;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, name);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    tried += std::string(tried.empty() ? "" : "; ") + name + " (" + SDL_GetError() + ")";
  }
  SDL_ResetHint(SDL_HINT_VIDEODRIVER);
  SdlSetError("no display could be opened, tried", tried.empty() ? "no video driver at all" : tried.c_str());
  return false;
}

bool sdl_backend::CheckDisplay(const char** message) {
  if (SdlVideoUp()) return true;
  *message = LastError;
  return false;
}

bool sdl_backend::SdlVideoUp() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  // Nearest neighbour keeps the pixels of the 640x480 picture sharp.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "1");
  // A window toggled out of full-screen must not minimise when it loses focus.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (!InitVideo()) return false;
  static bool exitHook;
  if (!exitHook) {
    std::atexit(SDL_Quit);
    exitHook = true;
  }
  // Text input stays off except in the edit fields of dialogs, so that an
  // input method never takes the game's keys.
  SDL_StopTextInput();
  return true;
}

// An OpenGL renderer on Mesa's software rasteriser claims acceleration but
// is slower than SDL's own software renderer.
static bool AccelerationIsFake(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return true;
  if (info.flags & SDL_RENDERER_SOFTWARE) return true;
  if (std::strncmp(info.name, "opengl", 6) != 0 || !SDL_GL_GetCurrentContext()) return false;
  using GetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString) return false;
  const char* name = reinterpret_cast<const char*>(getString(0x1F01 /* GL_RENDERER */));
  if (!name) return false;
  return std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe") || std::strstr(name, "swrast") ||
         std::strstr(name, "Software");
}

static SDL_Window* CreateWindow(const char* title, int width, int height, bool fullscreen) {
  // Hidden until its renderer is settled: the probe below may throw the
  // first window away.
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  SDL_Rect desktop;
  if (fullscreen) {
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    // Without a window manager nobody carries out the full-screen request,
    // so the window starts out covering the desktop anyway.
    if (SDL_GetDisplayBounds(0, &desktop) == 0) {
      x = desktop.x;
      y = desktop.y;
      width = desktop.w;
      height = desktop.h;
    }
  }
  return SDL_CreateWindow(title, x, y, width, height, flags);
}

static SDL_Renderer* CreateRenderer(SDL_Window* window) {
  SDL_Renderer* renderer = nullptr;
  if (!SoftwareOnly) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  return renderer;
}

bool sdl_backend::TargetOpen(SdlTarget* target, const char* titleUtf8, int logicalWidth, int logicalHeight,
                             bool fullscreen, int windowScale) {
  *target = SdlTarget{};
  if (!SdlVideoUp()) return false;
  target->logicalWidth = logicalWidth;
  target->logicalHeight = logicalHeight;
  const int windowWidth = logicalWidth * windowScale, windowHeight = logicalHeight * windowScale;
  target->window = CreateWindow(titleUtf8, windowWidth, windowHeight, fullscreen);
  if (!target->window) {
    SdlSetError("SDL window", SDL_GetError());
    return false;
  }
  target->renderer = CreateRenderer(target->window);
  if (target->renderer && !RendererProbed && !SDL_getenv("SDL_RENDER_DRIVER")) {
    RendererProbed = true;
    if (AccelerationIsFake(target->renderer)) {
      // Start over without the GL window, and let the window surface be
      // the plain one of the window system rather than another GL context.
      SDL_DestroyRenderer(target->renderer);
      SDL_DestroyWindow(target->window);
      SoftwareOnly = true;
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      target->window = CreateWindow(titleUtf8, windowWidth, windowHeight, fullscreen);
      target->renderer = target->window ? CreateRenderer(target->window) : nullptr;
    }
  }
  if (!target->renderer) {
    SdlSetError("SDL renderer", SDL_GetError());
    TargetClose(target);
    return false;
  }
  SDL_ShowWindow(target->window);
  SDL_RendererInfo info;
  target->softwareRenderer = SDL_GetRendererInfo(target->renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
  if (!TargetRelayout(target)) {
    TargetClose(target);
    return false;
  }
  return true;
}

void sdl_backend::TargetClose(SdlTarget* target) {
  TargetResetTextures(target);
  if (target->renderer) SDL_DestroyRenderer(target->renderer);
  if (target->window) SDL_DestroyWindow(target->window);
  *target = SdlTarget{};
}

static SDL_Texture* CreateTexture(SdlTarget* target, int scale) {
  SDL_Texture* texture = SDL_CreateTexture(target->renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                           target->logicalWidth * scale, target->logicalHeight * scale);
  // Drawn at the whole scale above and smoothed down to the filled size.
  if (texture && target->smooth && scale > 1) SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return texture;
}

void sdl_backend::TargetResetTextures(SdlTarget* target) {
  if (target->texture) SDL_DestroyTexture(target->texture);
  if (target->scaledTexture) SDL_DestroyTexture(target->scaledTexture);
  target->texture = target->scaledTexture = target->locked = nullptr;
}

bool sdl_backend::TargetRelayout(SdlTarget* target) {
  int width = 0, height = 0;
  if (SDL_GetRendererOutputSize(target->renderer, &width, &height) != 0 || width <= 0 || height <= 0) {
    SDL_GetWindowSize(target->window, &width, &height);
  }
  target->outputWidth = width;
  target->outputHeight = height;
  Letterbox box = target->smooth ? FillPicture(width, height, target->logicalWidth, target->logicalHeight)
                                 : FitPicture(width, height, target->logicalWidth, target->logicalHeight);
  target->dest = SDL_Rect{box.x, box.y, box.width, box.height};
  // Boxes and dialogs beyond 4x would only cost memory.
  int scale = box.scale < 1 ? 1 : box.scale > 4 ? 4 : box.scale;
  if (target->scaledTexture && scale != target->scaledScale) {
    SDL_DestroyTexture(target->scaledTexture);
    target->scaledTexture = nullptr;
  }
  target->scaledScale = scale;
  if (!target->texture) target->texture = CreateTexture(target, 1);
  if (!target->texture) {
    SdlSetError("SDL texture", SDL_GetError());
    return false;
  }
  return true;
}

bool sdl_backend::TargetLock(SdlTarget* target, bool scaled, uint32_t** pixels, int* pitchPixels, int* scale) {
  if (scaled && !target->scaledTexture) {
    target->scaledTexture = CreateTexture(target, target->scaledScale);
    if (!target->scaledTexture) target->scaledScale = 1;  // out of texture memory: boxes at 1x
  }
  SDL_Texture* texture = scaled && target->scaledTexture ? target->scaledTexture : target->texture;
  if (!texture) return false;
  void* memory = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture, nullptr, &memory, &pitch) != 0) return false;
  target->locked = texture;
  *pixels = static_cast<uint32_t*>(memory);
  *pitchPixels = pitch / 4;
  *scale = texture == target->texture ? 1 : target->scaledScale;
  return true;
}

void sdl_backend::TargetUnlockAndCompose(SdlTarget* target) {
  if (!target->locked) return;
  SDL_UnlockTexture(target->locked);
  const SDL_Rect& d = target->dest;
  const int w = target->outputWidth, h = target->outputHeight;
  SDL_Rect bars[4] = {
      {0, 0, w, d.y},                        // above
      {0, d.y + d.h, w, h - d.y - d.h},      // below
      {0, d.y, d.x, d.h},                    // left
      {d.x + d.w, d.y, w - d.x - d.w, d.h},  // right
  };
  SDL_Rect drawn[4];
  int count = 0;
  for (const SDL_Rect& bar : bars) {
    if (bar.w > 0 && bar.h > 0) drawn[count++] = bar;
  }
  SDL_SetRenderDrawColor(target->renderer, 0, 0, 0, 255);
  if (count > 0) SDL_RenderFillRects(target->renderer, drawn, count);
  SDL_RenderCopy(target->renderer, target->locked, nullptr, &target->dest);
  target->locked = nullptr;
}

// Mouse positions come in window coordinates, which differ from the
// drawable's pixels on high-density screens.
static void WindowScale(const SdlTarget* target, double* sx, double* sy) {
  int ww = 0, wh = 0;
  SDL_GetWindowSize(target->window, &ww, &wh);
  *sx = ww > 0 ? double(target->outputWidth) / ww : 1.0;
  *sy = wh > 0 ? double(target->outputHeight) / wh : 1.0;
}

bool sdl_backend::TargetWindowToLogical(const SdlTarget* target, int windowX, int windowY, int* x, int* y) {
  double sx, sy;
  WindowScale(target, &sx, &sy);
  Letterbox box{target->dest.x, target->dest.y, target->dest.w, target->dest.h, 0};
  return LetterboxToLogical(box, target->logicalWidth, target->logicalHeight, int(windowX * sx), int(windowY * sy), x,
                            y);
}

SDL_Rect sdl_backend::TargetLogicalToWindow(const SdlTarget* target, int x, int y, int width, int height) {
  double sx, sy;
  WindowScale(target, &sx, &sy);
  const double fx = double(target->dest.w) / target->logicalWidth / sx;
  const double fy = double(target->dest.h) / target->logicalHeight / sy;
  return SDL_Rect{int(target->dest.x / sx + x * fx), int(target->dest.y / sy + y * fy), int(width * fx + 0.5),
                  int(height * fy + 0.5)};
}
