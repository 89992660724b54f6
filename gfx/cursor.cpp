#include <cstring>

#include "gfx/frame.h"
#include "platform/platform.h"

int32_t MouseX;
int32_t MouseY;
uint8_t CursorImage[256];
uint8_t CursorKey;
int32_t CursorLimitX;
int32_t CursorLimitY;
uint8_t CursorEnabled;

void SetCursorImage(const uint8_t* image, int32_t limitX, int32_t limitY, uint8_t key) {
  std::memcpy(CursorImage, image, sizeof CursorImage);
  // The limits can never let the cursor leave the frame.
  CursorLimitX = limitX > FrameWidth ? FrameWidth : limitX;
  CursorLimitY = limitY > FrameHeight ? FrameHeight : limitY;
  CursorKey = key;
  CursorEnabled = 1;
}

void DrawCursor(uint8_t* frame) {
  if (!CursorEnabled || PlatformPointerIsTouch()) return;
  const int32_t x = MouseX, y = MouseY;
  const int32_t columns = CursorLimitX - x < 16 ? CursorLimitX - x : 16;
  const int32_t rows = CursorLimitY - y < 16 ? CursorLimitY - y : 16;
  // A position left of or above the frame (never reported by the window,
  // but possible through a stray event) draws only the visible part.
  const int32_t firstColumn = x < 0 ? -x : 0;
  const int32_t firstRow = y < 0 ? -y : 0;
  for (int32_t r = firstRow; r < rows; ++r) {
    for (int32_t c = firstColumn; c < columns; ++c) {
      const uint8_t pixel = CursorImage[r * 16 + c];
      if (pixel != CursorKey) frame[(y + r) * FrameWidth + x + c] = pixel;
    }
  }
}
