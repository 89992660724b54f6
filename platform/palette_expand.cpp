#include "platform/palette_expand.h"

void BuildPaletteLut(const uint8_t* rgb, PaletteLut* lut) {
  for (int i = 0; i < 256; ++i) {
    lut->entry[i] = (uint32_t(rgb[3 * i]) << 16) | (uint32_t(rgb[3 * i + 1]) << 8) | rgb[3 * i + 2];
  }
}

static void ExpandRow1(const uint8_t* src, int width, const uint32_t* lut, uint32_t* dst) {
  for (int x = 0; x < width; ++x) dst[x] = lut[src[x]];
}

static void ExpandRow2(const uint8_t* src, int width, const uint32_t* lut, uint32_t* dst) {
  for (int x = 0; x < width; ++x) {
    uint32_t pixel = lut[src[x]];
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

void ExpandPicture(const uint8_t* src, int srcPitch, int width, int height, const PaletteLut& lut,
                   uint32_t* dst, int dstPitch, int scale) {
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
      uint32_t* copy = out + static_cast<long>(i) * dstPitch;
      for (int x = 0; x < width * scale; ++x) copy[x] = out[x];
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
