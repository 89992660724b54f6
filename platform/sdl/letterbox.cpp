#include "platform/sdl/letterbox.h"

namespace sdl_backend {

Letterbox FitPicture(int outputWidth, int outputHeight, int logicalWidth, int logicalHeight) {
  Letterbox box{0, 0, outputWidth, outputHeight, 0};
  if (logicalWidth <= 0 || logicalHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return box;
  int scale = outputWidth / logicalWidth;
  if (outputHeight / logicalHeight < scale) scale = outputHeight / logicalHeight;
  if (scale >= 1) {
    box.width = logicalWidth * scale;
    box.height = logicalHeight * scale;
  } else if (long(outputWidth) * logicalHeight <= long(outputHeight) * logicalWidth) {
    box.width = outputWidth;
    box.height = int(long(outputWidth) * logicalHeight / logicalWidth);
  } else {
    box.height = outputHeight;
    box.width = int(long(outputHeight) * logicalWidth / logicalHeight);
  }
  if (box.width < 1) box.width = 1;
  if (box.height < 1) box.height = 1;
  box.scale = scale;
  box.x = (outputWidth - box.width) / 2;
  box.y = (outputHeight - box.height) / 2;
  return box;
}

static int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

bool LetterboxToLogical(const Letterbox& box, int logicalWidth, int logicalHeight, int px, int py,
                        int* x, int* y) {
  const long dx = long(px) - box.x, dy = long(py) - box.y;
  const bool inside = dx >= 0 && dy >= 0 && dx < box.width && dy < box.height;
  const long lx = box.width > 0 ? (dx >= 0 ? dx * logicalWidth / box.width : -1) : 0;
  const long ly = box.height > 0 ? (dy >= 0 ? dy * logicalHeight / box.height : -1) : 0;
  *x = Clamp(int(lx < -1 ? -1 : lx > logicalWidth ? logicalWidth : lx), 0, logicalWidth - 1);
  *y = Clamp(int(ly < -1 ? -1 : ly > logicalHeight ? logicalHeight : ly), 0, logicalHeight - 1);
  return inside;
}

}  // namespace sdl_backend
