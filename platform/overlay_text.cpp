// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/overlay_font.h"
#include "platform/palette_expand.h"
#include "platform/platform.h"

// Every backend shares this: the text goes into the locked 8-bit back buffer,
// as text written through a device context of an 8-bit surface would.
bool PlatformBackBufferText(int x, int y, const char* text, uint8_t r, uint8_t g, uint8_t b) {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  if (PlatformLockBackBuffer(&pixels, &pitch) != PlatformOk) return false;
  const uint8_t ink = uint8_t(NearestPaletteEntry(PlatformCurrentPalette(), r, g, b));
  const int width = pitch < 640 ? pitch : 640;
  for (int penX = x; *text; ++text, penX += 8) {
    unsigned char c = static_cast<unsigned char>(*text);
    if (c < 0x20 || c > 0x7E) continue;
    for (int row = 0; row < 16; ++row) {
      int py = y + row;
      if (py < 0 || py >= 480) continue;
      for (int col = 0; col < 8; ++col) {
        int px = penX + col;
        if (px < 0 || px >= width) continue;
        if (OverlayFont[c - 0x20][row] & (0x80 >> col)) pixels[py * pitch + px] = ink;
      }
    }
  }
  PlatformUnlockBackBuffer();
  return true;
}
