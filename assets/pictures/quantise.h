// SPDX-License-Identifier: GPL-2.0-or-later
// Quantising true-colour art to the shared palette with Floyd-Steinberg error
// diffusion. Every finished picture of the data tree goes through this, so
// that all art is dithered the same way.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "assets/pictures/palette.h"

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4 bytes, rows top to bottom
};

// Pixels with alpha below 128 become the key 255 when keyTransparent is set
// (sprites); otherwise every pixel is composited over black. Opaque pixels
// map to entries 0..254 only. Rows are scanned alternately left to right and
// right to left, which keeps the dither from streaking diagonally. Error is
// neither taken from nor given to keyed pixels, so sprite edges stay clean.
//
// fixed, when given, holds one entry a pixel: -1, or the index that pixel
// must keep. A pressed button or a picture laid into a slot is quantised
// with the pixels it shares with the picture under it fixed to that
// picture's indexes, so that only what really changes changes on screen;
// their error still flows on to their neighbours.
inline std::vector<uint8_t> QuantiseFloydSteinberg(const RgbaImage& image, const std::array<uint8_t, 768>& palette,
                                                   bool keyTransparent, const std::vector<int>* fixed = nullptr) {
  const int w = image.width, h = image.height;
  std::vector<uint8_t> out(static_cast<size_t>(w > 0 && h > 0 ? w * h : 0), 0);
  if (out.empty() || image.rgba.size() < out.size() * 4) return {};
  if (fixed && fixed->size() != out.size()) return {};
  // Errors are kept in sixteenths; two rows with one spare column each side.
  std::vector<int> current(static_cast<size_t>(w + 2) * 3, 0), next(current.size(), 0);
  for (int y = 0; y < h; ++y) {
    const bool leftToRight = (y % 2) == 0;
    const int step = leftToRight ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = leftToRight ? i : w - 1 - i;
      const uint8_t* p = &image.rgba[(static_cast<size_t>(y) * w + x) * 4];
      int* err = &current[static_cast<size_t>(x + 1) * 3];
      if (keyTransparent && p[3] < 128) {
        out[static_cast<size_t>(y) * w + x] = SharedColour::Key;
        continue;
      }
      int want[3];
      for (int c = 0; c < 3; ++c) {
        const int base = keyTransparent ? p[c] : p[c] * p[3] / 255;
        int v = base + (err[c] + (err[c] >= 0 ? 8 : -8)) / 16;
        want[c] = v < 0 ? 0 : (v > 255 ? 255 : v);
      }
      const int keep = fixed ? (*fixed)[static_cast<size_t>(y) * w + x] : -1;
      const uint8_t index =
          keep >= 0 && keep < 255 ? static_cast<uint8_t>(keep) : NearestColour(palette, want[0], want[1], want[2]);
      out[static_cast<size_t>(y) * w + x] = index;
      for (int c = 0; c < 3; ++c) {
        const int e = want[c] - palette[index * 3 + c];
        // 7/16 ahead, 3/16 behind-below, 5/16 below, 1/16 ahead-below.
        current[static_cast<size_t>(x + 1 + step) * 3 + c] += e * 7;
        next[static_cast<size_t>(x + 1 - step) * 3 + c] += e * 3;
        next[static_cast<size_t>(x + 1) * 3 + c] += e * 5;
        next[static_cast<size_t>(x + 1 + step) * 3 + c] += e * 1;
      }
    }
    current.swap(next);
    std::fill(next.begin(), next.end(), 0);
  }
  return out;
}
