// SPDX-License-Identifier: GPL-2.0-or-later
#include <cassert>
#include <cstring>

#include "gfx/frame.h"

namespace {

// The visible part of an inclusive rectangle, and where it starts inside the
// packed image of the whole rectangle.
struct ClippedRect {
  int left, top, columns, rows;  // in the frame
  int packedStride;              // width of the whole rectangle
  int packedOffset;              // first visible pixel in the packed image
};

bool ClipRect(int x1, int y1, int x2, int y2, ClippedRect* clip) {
  if (y1 > y2 || x1 > x2) return false;
  assert(x1 >= 0 && y1 >= 0 && x2 < FrameWidth && y2 < FrameHeight);
  int left = x1 < 0 ? 0 : x1;
  int top = y1 < 0 ? 0 : y1;
  int right = x2 >= FrameWidth ? FrameWidth - 1 : x2;
  int bottom = y2 >= FrameHeight ? FrameHeight - 1 : y2;
  if (left > right || top > bottom) return false;
  clip->left = left;
  clip->top = top;
  clip->columns = right - left + 1;
  clip->rows = bottom - top + 1;
  clip->packedStride = x2 - x1 + 1;
  clip->packedOffset = (top - y1) * clip->packedStride + (left - x1);
  return true;
}

}  // namespace

void SaveRect(const uint8_t* frame, int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t* packed) {
  ClippedRect c;
  if (!ClipRect(x1, y1, x2, y2, &c)) return;
  for (int r = 0; r < c.rows; ++r) {
    std::memcpy(packed + c.packedOffset + r * c.packedStride, frame + (c.top + r) * FrameWidth + c.left,
                static_cast<size_t>(c.columns));
  }
}

void PutRect(uint8_t* frame, int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t* packed) {
  ClippedRect c;
  if (!ClipRect(x1, y1, x2, y2, &c)) return;
  for (int r = 0; r < c.rows; ++r) {
    std::memcpy(frame + (c.top + r) * FrameWidth + c.left, packed + c.packedOffset + r * c.packedStride,
                static_cast<size_t>(c.columns));
  }
}

void PutRectKeyed(uint8_t* frame, int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t* packed, uint8_t key) {
  ClippedRect c;
  if (!ClipRect(x1, y1, x2, y2, &c)) return;
  for (int r = 0; r < c.rows; ++r) {
    const uint8_t* source = packed + c.packedOffset + r * c.packedStride;
    uint8_t* target = frame + (c.top + r) * FrameWidth + c.left;
    for (int x = 0; x < c.columns; ++x) {
      if (source[x] != key) target[x] = source[x];
    }
  }
}
