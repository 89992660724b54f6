// SPDX-License-Identifier: GPL-2.0-or-later
// Expansion of 8-bit palette pictures to 32-bit pixels, shared by both
// backends so that a snapshot shows exactly what the window shows.
#pragma once

#include <cstdint>

// 256 entries of 0x00RRGGBB (the layout of SDL_PIXELFORMAT_RGB888).
struct PaletteLut {
  uint32_t entry[256];
};

void BuildPaletteLut(const uint8_t* rgb, PaletteLut* lut);

// dstPitch is in pixels. scale 1 writes width x height pixels; scale n writes
// each source pixel as an n x n block.
void ExpandPicture(const uint8_t* src, int srcPitch, int width, int height, const PaletteLut& lut, uint32_t* dst,
                   int dstPitch, int scale);

// Palette entry nearest to (r, g, b) by squared distance; the lowest index wins a tie.
int NearestPaletteEntry(const uint8_t* rgb, uint8_t r, uint8_t g, uint8_t b);
