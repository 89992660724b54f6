// SPDX-License-Identifier: GPL-2.0-or-later
#include "gfx/frame.h"

#include <cstring>

uint8_t BaseFrame[FrameBytes];
uint8_t ComposeFrame[FrameBytes];
uint8_t ScratchFrame[FrameBytes];
uint8_t GamePalette[PaletteBytes];

void FillBytes(uint8_t* destination, uint8_t value, int32_t count) {
  if (count <= 0) return;
  std::memset(destination, value, static_cast<size_t>(count));
}

void CopyDwords(uint8_t* destination, const uint8_t* source, int32_t dwordCount) {
  if (dwordCount <= 0) return;
  std::memcpy(destination, source, static_cast<size_t>(dwordCount) * 4);
}
