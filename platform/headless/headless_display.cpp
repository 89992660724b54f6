// SPDX-License-Identifier: GPL-2.0-or-later
#include <cstring>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"

HeadlessState& Headless() {
  static HeadlessState state;
  return state;
}

void HeadlessReset() {
  std::FILE* logFile = Headless().logFile;
  Headless() = HeadlessState();
  Headless().logFile = logFile;
}

bool PlatformOpenDisplay(int width, int height, int bitsPerPixel) {
  if (width != 640 || height != 480 || bitsPerPixel != 8) return false;
  Headless().displayOpen = true;
  return true;
}

void PlatformCloseDisplay() { Headless().displayOpen = false; }

bool PlatformDisplayIsOpen() { return Headless().displayOpen; }

bool PlatformSetPalette(const uint8_t* rgb) {
  std::memcpy(Headless().palette, rgb, 768);
  return true;
}

const uint8_t* PlatformCurrentPalette() { return Headless().palette; }

PlatformResult PlatformLockBackBuffer(uint8_t** pixels, int32_t* pitch) {
  HeadlessState& s = Headless();
  if (!s.displayOpen || s.locked) return PlatformFailed;
  s.locked = true;
  *pixels = s.backBuffer.data();
  *pitch = HeadlessState::Pitch;
  return PlatformOk;
}

void PlatformUnlockBackBuffer() { Headless().locked = false; }

PlatformResult PlatformFlip() {
  HeadlessState& s = Headless();
  if (!s.displayOpen) return PlatformFailed;
  for (int y = 0; y < 480; ++y) {
    std::memcpy(s.lastFrame.data() + y * 640, s.backBuffer.data() + y * HeadlessState::Pitch, 640);
  }
  std::memcpy(s.lastFramePalette, s.palette, 768);
  ++s.flips;
  s.clock += s.clockStep;
  return PlatformOk;
}

bool PlatformRestore() { return true; }

bool PlatformShowSystemSurface() { return Headless().displayOpen; }

const char* PlatformLastError() { return "the headless display takes only 640x480 at 8 bits"; }

uint64_t HeadlessFlipCount() { return Headless().flips; }
const uint8_t* HeadlessLastFrame() { return Headless().lastFrame.data(); }
