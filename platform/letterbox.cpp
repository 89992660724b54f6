// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/letterbox.h"

// The largest rectangle of the picture's proportions in the drawable, centred.
static Letterbox Proportional(int outputWidth, int outputHeight, int logicalWidth, int logicalHeight) {
  Letterbox box{0, 0, outputWidth, outputHeight, 0};
  if (long(outputWidth) * logicalHeight <= long(outputHeight) * logicalWidth) {
    box.height = int(long(outputWidth) * logicalHeight / logicalWidth);
  } else {
    box.width = int(long(outputHeight) * logicalWidth / logicalHeight);
  }
  return box;
}

static Letterbox Centred(Letterbox box, int outputWidth, int outputHeight) {
  if (box.width < 1) box.width = 1;
  if (box.height < 1) box.height = 1;
  box.x = (outputWidth - box.width) / 2;
  box.y = (outputHeight - box.height) / 2;
  return box;
}

Letterbox FitPicture(int outputWidth, int outputHeight, int logicalWidth, int logicalHeight) {
  if (logicalWidth <= 0 || logicalHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) {
    return Letterbox{0, 0, outputWidth, outputHeight, 0};
  }
  int scale = outputWidth / logicalWidth;
  if (outputHeight / logicalHeight < scale) scale = outputHeight / logicalHeight;
  Letterbox box = scale >= 1 ? Letterbox{0, 0, logicalWidth * scale, logicalHeight * scale, scale}
                             : Proportional(outputWidth, outputHeight, logicalWidth, logicalHeight);
  return Centred(box, outputWidth, outputHeight);
}

Letterbox FillPicture(int outputWidth, int outputHeight, int logicalWidth, int logicalHeight) {
  if (logicalWidth <= 0 || logicalHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) {
    return Letterbox{0, 0, outputWidth, outputHeight, 0};
  }
  Letterbox box =
      Centred(Proportional(outputWidth, outputHeight, logicalWidth, logicalHeight), outputWidth, outputHeight);
  box.scale = (box.height + logicalHeight - 1) / logicalHeight;
  return box;
}

static int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

bool LetterboxToLogical(const Letterbox& box, int logicalWidth, int logicalHeight, int px, int py, int* x, int* y) {
  const long dx = long(px) - box.x, dy = long(py) - box.y;
  const bool inside = dx >= 0 && dy >= 0 && dx < box.width && dy < box.height;
  const long lx = box.width > 0 ? (dx >= 0 ? dx * logicalWidth / box.width : -1) : 0;
  const long ly = box.height > 0 ? (dy >= 0 ? dy * logicalHeight / box.height : -1) : 0;
  *x = Clamp(int(lx < -1 ? -1 : lx > logicalWidth ? logicalWidth : lx), 0, logicalWidth - 1);
  *y = Clamp(int(ly < -1 ? -1 : ly > logicalHeight ? logicalHeight : ly), 0, logicalHeight - 1);
  return inside;
}

int LargestWindowScale(int usableWidth, int usableHeight, int logicalWidth, int logicalHeight, int limit) {
  int scale = 1;
  while (scale < limit && long(logicalWidth) * (scale + 1) <= long(usableWidth) * 9 / 10 &&
         long(logicalHeight) * (scale + 1) <= long(usableHeight) * 9 / 10) {
    ++scale;
  }
  return scale;
}
