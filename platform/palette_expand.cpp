// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/palette_expand.h"

#include <bit>
#include <cstring>

void BuildPaletteLut(const uint8_t* rgb, PaletteLut* lut) {
  for (int i = 0; i < 256; ++i) {
    lut->entry[i] = (uint32_t(rgb[3 * i]) << 16) | (uint32_t(rgb[3 * i + 1]) << 8) | rgb[3 * i + 2];
  }
}

// Eight source pixels are read at once and two 32-bit pixels stored as one
// 64-bit word: the plain loop spends two loads and a store on every pixel
// and runs at several times the cost of copying the result. The words are
// put together in memory order, so this holds on little-endian machines
// only; others take the plain loop.
constexpr bool LittleEndian = std::endian::native == std::endian::little;

static inline uint64_t Load8(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

static inline void Store2(uint32_t* p, uint32_t first, uint32_t second) {
  const uint64_t v = uint64_t(first) | (uint64_t(second) << 32);
  std::memcpy(p, &v, sizeof v);
}

static void ExpandRow1(const uint8_t* src, int width, const uint32_t* lut, uint32_t* dst) {
  int x = 0;
  if (LittleEndian) {
    for (; x + 8 <= width; x += 8) {
      const uint64_t s = Load8(src + x);
      Store2(dst + x, lut[s & 0xFF], lut[(s >> 8) & 0xFF]);
      Store2(dst + x + 2, lut[(s >> 16) & 0xFF], lut[(s >> 24) & 0xFF]);
      Store2(dst + x + 4, lut[(s >> 32) & 0xFF], lut[(s >> 40) & 0xFF]);
      Store2(dst + x + 6, lut[(s >> 48) & 0xFF], lut[s >> 56]);
    }
  }
  for (; x < width; ++x) dst[x] = lut[src[x]];
}

static void ExpandRow2(const uint8_t* src, int width, const uint32_t* lut, uint32_t* dst) {
  int x = 0;
  if (LittleEndian) {
    for (; x + 8 <= width; x += 8) {
      uint64_t s = Load8(src + x);
      for (int i = 0; i < 8; ++i, s >>= 8) {
        const uint32_t pixel = lut[s & 0xFF];
        Store2(dst + 2 * (x + i), pixel, pixel);
      }
    }
  }
  for (; x < width; ++x) {
    const uint32_t pixel = lut[src[x]];
    dst[2 * x] = pixel;
    dst[2 * x + 1] = pixel;
  }
}

static void ExpandRowN(const uint8_t* src, int width, const uint32_t* lut, uint32_t* dst, int scale) {
  for (int x = 0; x < width; ++x) {
    uint32_t pixel = lut[src[x]];
    for (int i = 0; i < scale; ++i) dst[scale * x + i] = pixel;
  }
}

void ExpandPicture(const uint8_t* src, int srcPitch, int width, int height, const PaletteLut& lut, uint32_t* dst,
                   int dstPitch, int scale) {
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = src + static_cast<long>(y) * srcPitch;
    uint32_t* out = dst + static_cast<long>(y) * scale * dstPitch;
    if (scale == 1) {
      ExpandRow1(row, width, lut.entry, out);
      continue;
    }
    if (scale == 2) {
      ExpandRow2(row, width, lut.entry, out);
    } else {
      ExpandRowN(row, width, lut.entry, out, scale);
    }
    // The other rows of the block repeat the first one.
    for (int i = 1; i < scale; ++i) {
      std::memcpy(out + static_cast<long>(i) * dstPitch, out, sizeof(uint32_t) * size_t(width) * scale);
    }
  }
}

int NearestPaletteEntry(const uint8_t* rgb, uint8_t r, uint8_t g, uint8_t b) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 256; ++i) {
    long dr = long(rgb[3 * i]) - r, dg = long(rgb[3 * i + 1]) - g, db = long(rgb[3 * i + 2]) - b;
    long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}
