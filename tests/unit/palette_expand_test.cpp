// The palette expansion every backend shares: every scale writes exactly its
// blocks, honours both pitches and leaves the padding alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/palette_expand.h"

namespace {

void MakePalette(uint8_t* rgb) {
  for (int i = 0; i < 256; ++i) {
    rgb[3 * i] = static_cast<uint8_t>(i);
    rgb[3 * i + 1] = static_cast<uint8_t>(255 - i);
    rgb[3 * i + 2] = static_cast<uint8_t>(i * 37);
  }
}

TEST(PaletteExpand, LutHoldsRedGreenBlueInRgb888) {
  uint8_t rgb[768];
  MakePalette(rgb);
  PaletteLut lut;
  BuildPaletteLut(rgb, &lut);
  EXPECT_EQ(lut.entry[0], 0x00FF00u);
  EXPECT_EQ(lut.entry[1], 0x01FE25u);
  EXPECT_EQ(lut.entry[255], 0xFF00DBu);
}

// Every scale against the plain definition, on an odd size with a source
// pitch beyond the width and a destination pitch beyond the scaled width.
TEST(PaletteExpand, EveryScaleWritesBlocksAndKeepsPadding) {
  uint8_t rgb[768];
  MakePalette(rgb);
  PaletteLut lut;
  BuildPaletteLut(rgb, &lut);
  const int width = 37, height = 5, srcPitch = 45;
  std::vector<uint8_t> src(srcPitch * height);
  for (size_t i = 0; i < src.size(); ++i) src[i] = static_cast<uint8_t>(i * 29 + 3);
  for (int scale = 1; scale <= 4; ++scale) {
    const int dstPitch = width * scale + 7;
    const uint32_t padding = 0xDEADBEEF;
    std::vector<uint32_t> dst(static_cast<size_t>(dstPitch) * height * scale, padding);
    ExpandPicture(src.data(), srcPitch, width, height, lut, dst.data(), dstPitch, scale);
    for (int y = 0; y < height * scale; ++y) {
      for (int x = 0; x < dstPitch; ++x) {
        const uint32_t want = x < width * scale ? lut.entry[src[(y / scale) * srcPitch + x / scale]] : padding;
        ASSERT_EQ(dst[static_cast<size_t>(y) * dstPitch + x], want) << "scale " << scale << " at " << x << "," << y;
      }
    }
  }
}

// The whole frame the game shows, at the widths the fast paths are made for.
TEST(PaletteExpand, WholeFrameAtOneAndTwo) {
  uint8_t rgb[768];
  MakePalette(rgb);
  PaletteLut lut;
  BuildPaletteLut(rgb, &lut);
  const int pitch = 672;
  std::vector<uint8_t> src(pitch * 480);
  for (size_t i = 0; i < src.size(); ++i) src[i] = static_cast<uint8_t>((i * 131) >> 3);
  for (int scale = 1; scale <= 2; ++scale) {
    const int dstPitch = 640 * scale;
    std::vector<uint32_t> dst(static_cast<size_t>(dstPitch) * 480 * scale, 0);
    ExpandPicture(src.data(), pitch, 640, 480, lut, dst.data(), dstPitch, scale);
    size_t wrong = 0;
    for (int y = 0; y < 480 * scale; ++y) {
      for (int x = 0; x < dstPitch; ++x) {
        wrong += dst[static_cast<size_t>(y) * dstPitch + x] != lut.entry[src[(y / scale) * pitch + x / scale]];
      }
    }
    EXPECT_EQ(wrong, 0u) << "scale " << scale;
  }
}

TEST(PaletteExpand, NearestEntryPrefersTheLowestIndexOnATie) {
  uint8_t rgb[768] = {};
  rgb[3 * 10] = 100;  // entry 10: (100, 0, 0)
  rgb[3 * 20] = 100;  // entry 20: the same colour
  rgb[3 * 30 + 2] = 200;
  EXPECT_EQ(NearestPaletteEntry(rgb, 98, 0, 0), 10);
  EXPECT_EQ(NearestPaletteEntry(rgb, 0, 0, 190), 30);
  EXPECT_EQ(NearestPaletteEntry(rgb, 0, 0, 0), 0);  // every other entry is black
}

}  // namespace
