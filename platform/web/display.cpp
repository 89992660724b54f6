// SPDX-License-Identifier: GPL-2.0-or-later
// The display: the 8-bit back buffer expanded through the palette into the
// page's canvas at every flip; the flip then yields to the browser until the
// next animation frame, so the game's own loop keeps its blocking shape.
#include <emscripten/emscripten.h>

#include <cstring>

#include "platform/event_queue.h"
#include "platform/palette_expand.h"
#include "platform/platform.h"

namespace {

constexpr int Width = 640, Height = 480;

bool Open;
bool Locked;
uint8_t Palette[768];
uint8_t BackBuffer[Width * Height];
// The canvas' pixels in memory order R, G, B, A: the page shows this buffer
// as it is, without a copy.
uint32_t Pixels[Width * Height];
// What the canvas shows: a frame equal to it is not drawn again, so that a
// still screen costs the page and its compositor nothing but the pace.
uint8_t Shown[Width * Height];
uint8_t ShownPalette[768];
bool ShownValid;
const char* LastError = "";

// The canvas wants its bytes as R, G, B, A; on the little-endian machine that
// WebAssembly is, a look-up entry is therefore 0xAABBGGRR.
void BuildCanvasLut(const uint8_t* rgb, PaletteLut* lut) {
  for (int i = 0; i < 256; ++i) {
    lut->entry[i] = 0xFF000000u | (uint32_t(rgb[3 * i + 2]) << 16) | (uint32_t(rgb[3 * i + 1]) << 8) | rgb[3 * i];
  }
}

}  // namespace

EM_JS(int, web_open_canvas, (), { return KXS.openCanvas() ? 1 : 0; });
EM_JS(void, web_close_canvas, (), { KXS.closeCanvas(); });
EM_ASYNC_JS(void, web_present, (const uint32_t* pixels), { await KXS.present(pixels); });
EM_JS(void, web_show_system_surface, (), { KXS.showSystemSurface(); });

bool PlatformOpenDisplay(int width, int height, int bitsPerPixel) {
  if (width != Width || height != Height || bitsPerPixel != 8) {
    LastError = "the browser display takes only 640x480 at 8 bits";
    return false;
  }
  if (!web_open_canvas()) {
    LastError = "the page has no canvas to draw on";
    return false;
  }
  Open = true;
  QueueInitialActivation();
  return true;
}

void PlatformCloseDisplay() {
  if (Open) web_close_canvas();
  Open = false;
}

bool PlatformDisplayIsOpen() { return Open; }

bool PlatformSetPalette(const uint8_t* rgb) {
  std::memcpy(Palette, rgb, sizeof Palette);
  return true;
}

const uint8_t* PlatformCurrentPalette() { return Palette; }

PlatformResult PlatformLockBackBuffer(uint8_t** pixels, int32_t* pitch) {
  if (!Open || Locked) return PlatformFailed;
  Locked = true;
  *pixels = BackBuffer;
  *pitch = Width;
  return PlatformOk;
}

void PlatformUnlockBackBuffer() { Locked = false; }

PlatformResult PlatformFlip() {
  if (!Open) return PlatformFailed;
  if (ShownValid && std::memcmp(Shown, BackBuffer, sizeof Shown) == 0 &&
      std::memcmp(ShownPalette, Palette, sizeof Palette) == 0) {
    web_present(nullptr);
    return PlatformOk;
  }
  std::memcpy(Shown, BackBuffer, sizeof Shown);
  std::memcpy(ShownPalette, Palette, sizeof Palette);
  ShownValid = true;
  PaletteLut lut;
  BuildCanvasLut(Palette, &lut);
  ExpandPicture(BackBuffer, Width, Width, Height, lut, Pixels, Width, 1);
  web_present(Pixels);
  return PlatformOk;
}

// A canvas is never lost; after a context loss the browser gives it back
// blank, and the next flip draws it whole again.
bool PlatformRestore() {
  ShownValid = false;
  return Open;
}

bool PlatformShowSystemSurface() {
  if (!Open) return false;
  web_show_system_surface();
  return true;
}

const char* PlatformLastError() { return LastError; }
