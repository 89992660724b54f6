// SPDX-License-Identifier: GPL-2.0-or-later
#include "gfx/display.h"

#include <cstdio>
#include <cstring>

#include "gfx/frame.h"
#include "platform/platform.h"

DisplayDevice* Display;

DisplayDevice::DisplayDevice(int16_t width_, int16_t height_, uint8_t bitsPerPixel_)
    : width(width_), height(height_), bitsPerPixel(bitsPerPixel_) {
  ready = true;
  if (!InitSurfaces()) {
    std::fprintf(stderr, "kxs: cannot open the display: %s\n", PlatformLastError());
    PlatformMessageBox("DirectDraw Init Failed", "ERROR", BoxOk);
    ReleaseAll();
  }
}

bool DisplayDevice::InitSurfaces() { return CreateSurfaces(); }

bool DisplayDevice::CreateSurfaces() { return PlatformOpenDisplay(width, height, bitsPerPixel); }

bool DisplayDevice::SetPalette(const uint8_t* rgb) {
  if (!ready) return false;
  if (PlatformSetPalette(rgb)) return true;
  PlatformMessageBox("Palette Set Failed", "ERROR", BoxOk);
  return false;
}

bool DisplayDevice::Present(const uint8_t* frame) {
  if (!ready) return false;
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  PlatformResult result = PlatformLockBackBuffer(&pixels, &pitch);
  for (int tries = 0; result == PlatformSurfaceLost && tries < SurfaceLostRetries; ++tries) {
    PlatformRestore();
    result = PlatformLockBackBuffer(&pixels, &pitch);
  }
  if (result != PlatformOk) return false;
  for (int row = 0; row < height; ++row) {
    std::memcpy(pixels + static_cast<long>(row) * pitch, frame + row * FrameWidth, FrameWidth);
  }
  PlatformUnlockBackBuffer();
  return true;
}

bool DisplayDevice::Flip() {
  if (!ready) return false;
  PlatformResult result = PlatformFlip();
  for (int tries = 0; result == PlatformSurfaceLost && tries < SurfaceLostRetries; ++tries) {
    PlatformRestore();
    result = PlatformFlip();
  }
  return result == PlatformOk;
}

bool DisplayDevice::FlipToGdi() { return ready && PlatformShowSystemSurface(); }

void DisplayDevice::ReleaseAll() {
  if (PlatformDisplayIsOpen()) PlatformCloseDisplay();
  ready = false;
}

void DisplayDevice::Shutdown() {
  if (!ready) return;
  FlipToGdi();
  ReleaseAll();
}
