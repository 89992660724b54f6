// SPDX-License-Identifier: GPL-2.0-or-later
// The zlib PNG writer and reader: the writer's bytes are those the stored
// snapshots were made with (pinned by the CRC of whole files written by the
// previous encoder), what it writes reads back, and damaged files are refused.
#include "platform/headless/png_io.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/unit/world_test_support.h"

namespace {

struct Pattern {
  int width, height;
  std::vector<uint8_t> rgb, indices, palette;
  Pattern(int w, int h) : width(w), height(h), rgb(w * h * 3), indices(w * h), palette(768) {
    for (int i = 0; i < 768; ++i) palette[i] = static_cast<uint8_t>(i * 5);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const int i = y * w + x;
        rgb[3 * i] = static_cast<uint8_t>(x * 7 + y);
        rgb[3 * i + 1] = static_cast<uint8_t>(((x / 3 + y / 2) & 1) * 180);
        rgb[3 * i + 2] = static_cast<uint8_t>(y * 11);
        indices[i] = static_cast<uint8_t>((x * x + y) & 0xff);
      }
    }
  }
};

std::vector<uint8_t> Slurp(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void Spit(const char* path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

uint32_t Crc(const std::vector<uint8_t>& bytes) { return static_cast<uint32_t>(crc32(0, bytes.data(), bytes.size())); }

TEST(PngIo, WritesTheBytesOfTheStoredSnapshotsEncoder) {
  ScratchDirectory scratch;
  struct Pinned {
    int width, height;
    uint32_t rgbCrc;
    size_t rgbSize;
    uint32_t indexedCrc;
    size_t indexedSize;
  };
  // One pixel, one column, one row (the filters they cannot use), small
  // (a narrowed window) and a full frame (several IDAT chunks).
  const Pinned pinned[] = {
      {1, 1, 0x4733c8fau, 69, 0x1e59baddu, 847},         {1, 9, 0x21464e8bu, 92, 0xb08f3832u, 863},
      {9, 1, 0x9025a472u, 77, 0x7cbda05eu, 855},         {40, 30, 0x2bd89a60u, 156, 0x305d7074u, 2078},
      {640, 480, 0x1d6dc699u, 6270, 0x5992f2aeu, 65036},
  };
  for (const Pinned& p : pinned) {
    SCOPED_TRACE(std::to_string(p.width) + "x" + std::to_string(p.height));
    const Pattern pattern(p.width, p.height);
    ASSERT_TRUE(WritePngRgb("rgb.png", pattern.rgb.data(), p.width, p.height));
    ASSERT_TRUE(WritePngIndexed("indexed.png", pattern.indices.data(), p.width, p.height, pattern.palette.data()));
    const std::vector<uint8_t> rgb = Slurp("rgb.png"), indexed = Slurp("indexed.png");
    EXPECT_EQ(rgb.size(), p.rgbSize);
    EXPECT_EQ(Crc(rgb), p.rgbCrc);
    EXPECT_EQ(indexed.size(), p.indexedSize);
    EXPECT_EQ(Crc(indexed), p.indexedCrc);

    PngImage image;
    std::string error;
    ASSERT_TRUE(ReadPng("rgb.png", &image, &error)) << error;
    ASSERT_EQ(image.rgba.size(), pattern.rgb.size() / 3 * 4);
    EXPECT_FALSE(image.indexed);
    for (size_t i = 0; i < pattern.indices.size(); ++i) {
      ASSERT_EQ(0, std::memcmp(&image.rgba[4 * i], &pattern.rgb[3 * i], 3)) << i;
      ASSERT_EQ(image.rgba[4 * i + 3], 255);
    }
    ASSERT_TRUE(ReadPng("indexed.png", &image, &error)) << error;
    EXPECT_TRUE(image.indexed);
    EXPECT_EQ(image.indices, pattern.indices);
    EXPECT_EQ(image.paletteEntries, 256);
    EXPECT_EQ(0, std::memcmp(image.palette, pattern.palette.data(), 768));
  }
}

TEST(PngIo, RefusesDamagedFilesAndPassesOverDamagedOptionalChunks) {
  ScratchDirectory scratch;
  const Pattern pattern(40, 30);
  ASSERT_TRUE(WritePngRgb("good.png", pattern.rgb.data(), 40, 30));
  const std::vector<uint8_t> good = Slurp("good.png");
  PngImage image;
  std::string error;
  // Cut anywhere before the end: never read.
  for (size_t size = 0; size < good.size(); size += 7) {
    Spit("cut.png", std::vector<uint8_t>(good.begin(), good.begin() + size));
    EXPECT_FALSE(ReadPng("cut.png", &image, &error)) << size;
  }
  // A changed byte of the picture's data: its CRC no longer holds.
  std::vector<uint8_t> bad = good;
  bad[8 + 25 + 8 + 10] ^= 0x40;
  Spit("bad.png", bad);
  EXPECT_FALSE(ReadPng("bad.png", &image, &error));
  EXPECT_NE(error.find("damaged"), std::string::npos);
  // An unknown optional chunk with a wrong CRC after the header is ignored;
  // an unknown critical one refuses the file.
  for (const char* type : {"zzZz", "ZZZZ"}) {
    std::vector<uint8_t> extra(good.begin(), good.begin() + 33);
    const uint8_t chunk[] = {0, 0, 0, 1, uint8_t(type[0]), uint8_t(type[1]), uint8_t(type[2]), uint8_t(type[3]), 7,
                             1, 2, 3, 4};
    extra.insert(extra.end(), chunk, chunk + sizeof chunk);
    extra.insert(extra.end(), good.begin() + 33, good.end());
    Spit("extra.png", extra);
    EXPECT_EQ(ReadPng("extra.png", &image, &error), type[0] == 'z') << type;
  }
  // A header claiming a picture larger than the reader takes.
  std::vector<uint8_t> huge = good;
  huge[16] = 0x7f;
  Spit("huge.png", huge);
  EXPECT_FALSE(ReadPng("huge.png", &image, &error));
}

}  // namespace
