// SPDX-License-Identifier: GPL-2.0-or-later
// The display device: the one full-screen 640x480 8-bit display with one back
// buffer and one 256-entry palette. Screens compose in system-memory frames
// and hand them to Present; the frame loop then flips.
#pragma once

#include <cstdint>

class DisplayDevice {
 public:
  DisplayDevice(int16_t width, int16_t height, uint8_t bitsPerPixel);

  bool IsReady() const { return ready; }
  bool InitSurfaces();
  bool CreateSurfaces();
  bool SetPalette(const uint8_t* rgb);
  bool Present(const uint8_t* frame);
  bool Flip();
  bool FlipToGdi();
  void ReleaseAll();
  void Shutdown();

  int16_t width;
  int16_t height;
  int16_t bitsPerPixel;

 private:
  bool ready = false;
};

extern DisplayDevice* Display;

// Lost surfaces are restored and retried; a display that keeps losing them
// gives up after this many tries rather than hanging the game.
constexpr int SurfaceLostRetries = 100;
