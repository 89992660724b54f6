// The .kxg loaders and their quirks, on files built here byte by byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "gfx/image.h"
#include "tests/unit/font_test_support.h"

namespace {

struct KxgSpec {
  int width = 4, height = 2;
  int bytesPerLine = 4;
  int resolution = 72;
  uint8_t manufacturer = 10, bitsPerPixel = 8, planes = 1, marker = 12;
};

std::vector<uint8_t> Header(const KxgSpec& s) {
  std::vector<uint8_t> h(128, 0);
  h[0] = s.manufacturer;
  h[2] = 1;
  h[3] = s.bitsPerPixel;
  h[8] = static_cast<uint8_t>((s.width - 1) & 0xFF);
  h[9] = static_cast<uint8_t>(((s.width - 1) >> 8) & 0xFF);
  h[10] = static_cast<uint8_t>((s.height - 1) & 0xFF);
  h[11] = static_cast<uint8_t>(((s.height - 1) >> 8) & 0xFF);
  h[12] = static_cast<uint8_t>(s.resolution & 0xFF);
  h[13] = static_cast<uint8_t>(s.resolution >> 8);
  h[65] = s.planes;
  h[66] = static_cast<uint8_t>(s.bytesPerLine & 0xFF);
  h[67] = static_cast<uint8_t>(s.bytesPerLine >> 8);
  return h;
}

std::vector<uint8_t> Kxg(const KxgSpec& s, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> file = Header(s);
  file.insert(file.end(), data.begin(), data.end());
  file.push_back(s.marker);
  for (int i = 0; i < 768; ++i) file.push_back(static_cast<uint8_t>(i % 251));
  return file;
}

std::vector<uint8_t> Decode(const std::vector<uint8_t>& file, size_t capacity, uint8_t fill = 0xEE) {
  std::vector<uint8_t> out(capacity, fill);
  DecodeImage(file.data(), file.size(), out.data(), out.size(), nullptr);
  return out;
}

TEST(KxgLoader, PlainBytesAndRuns) {
  const auto out = Decode(Kxg({}, {1, 2, 0xC2, 7, 0xC4, 9}), 8);
  EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 7, 7, 9, 9, 9, 9}));
}

TEST(KxgLoader, RunOfLengthZeroConsumesItsValue) {
  const auto out = Decode(Kxg({}, {0xC0, 5, 1, 2, 3, 4, 5, 6, 7, 8}), 8);
  EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(KxgLoader, RunIsCutAtTheRowEnd) {
  // The run of 6 fills row 0's last three pixels; the rest is lost.
  const auto out = Decode(Kxg({}, {1, 0xC6, 4, 5, 6, 7, 8}), 8);
  EXPECT_EQ(out, (std::vector<uint8_t>{1, 4, 4, 4, 5, 6, 7, 8}));
}

TEST(KxgLoader, PaddingSkipsTwoRawBytesUnlessWidth320OrNoResolution) {
  KxgSpec s;
  s.bytesPerLine = 6;  // wider than 4: padding applies
  // Two padding bytes after each row, even run-like ones (0xC9 is raw here).
  EXPECT_EQ(Decode(Kxg(s, {1, 2, 3, 4, 0xC9, 0xC9, 5, 6, 7, 8}), 8),
            (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
  s.resolution = 0;  // one byte only
  EXPECT_EQ(Decode(Kxg(s, {1, 2, 3, 4, 0xC9, 5, 6, 7, 8}), 8), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
  KxgSpec wide;
  wide.width = 320;
  wide.height = 1;
  wide.bytesPerLine = 400;  // far more than one byte wider: still one byte
  std::vector<uint8_t> data = {0xFF, 1, 0xFF, 1, 0xFF, 1, 0xFF, 1, 0xFF, 1, 0xC5, 1};  // 5x63 + 5
  const auto out = Decode(Kxg(wide, data), 320);
  EXPECT_EQ(out, std::vector<uint8_t>(320, 1));
}

TEST(KxgLoader, RejectedHeadersWriteNothing) {
  for (int field = 0; field < 4; ++field) {
    KxgSpec s;
    if (field == 0) s.manufacturer = 11;
    if (field == 1) s.bitsPerPixel = 4;
    if (field == 2) s.planes = 3;
    if (field == 3) s.marker = 0;
    EXPECT_EQ(Decode(Kxg(s, {1, 2, 3, 4, 5, 6, 7, 8}), 8), std::vector<uint8_t>(8, 0xEE)) << field;
  }
  EXPECT_EQ(Decode(std::vector<uint8_t>(100, 10), 8), std::vector<uint8_t>(8, 0xEE));  // too short
  EXPECT_EQ(Decode({}, 8), std::vector<uint8_t>(8, 0xEE));
}

TEST(KxgLoader, PicturesLargerThanTheDestinationOrEmptyWriteNothing) {
  KxgSpec big;
  big.width = 17;
  big.height = 16;
  big.bytesPerLine = 17;
  EXPECT_EQ(Decode(Kxg(big, {0xFF, 3, 0xFF, 3, 0xFF, 3, 0xFF, 3, 0xFF, 3}), 256), std::vector<uint8_t>(256, 0xEE));
  KxgSpec negative;
  negative.width = 0;  // xMax = -1: width 0
  EXPECT_EQ(Decode(Kxg(negative, {1, 2}), 8), std::vector<uint8_t>(8, 0xEE));
  KxgSpec huge;
  huge.width = 40000;  // wraps to a negative 16-bit width
  EXPECT_EQ(Decode(Kxg(huge, {1, 2}), 8), std::vector<uint8_t>(8, 0xEE));
}

TEST(KxgLoader, ShortDataLeavesTheRestAndATrailingRunByteWrites255) {
  // Without palette, the walk reads the marker and palette bytes as pixels,
  // as a byte stream would; build the file by hand to end on a run byte.
  std::vector<uint8_t> file = Header({});
  file.push_back(1);
  std::vector<uint8_t> tail(769, 0);
  tail[0] = 12;
  file.insert(file.end(), tail.begin(), tail.end());
  file.back() = 0xC3;
  KxgSpec tall;
  tall.height = 300;
  std::vector<uint8_t> h = Header(tall);
  std::copy(h.begin(), h.end(), file.begin());
  std::vector<uint8_t> out(4 * 300, 0xEE);
  ASSERT_TRUE(DecodeImage(file.data(), file.size(), out.data(), out.size(), nullptr));
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[1], 12);
  EXPECT_EQ(out[2], 0);
  const size_t written = 1 + 1 + 767 + 3;  // the run at the very end fills its row
  EXPECT_EQ(out[written - 4], 0);
  EXPECT_EQ(out[written - 3], 255);
  EXPECT_EQ(out[written - 1], 255);
  EXPECT_EQ(out[written], 0xEE);
}

TEST(KxgLoader, PaletteComesFromTheEnd) {
  const auto file = Kxg({}, {1, 2, 3, 4, 5, 6, 7, 8});
  std::vector<uint8_t> pixels(8);
  uint8_t palette[768] = {};
  ASSERT_TRUE(DecodeImage(file.data(), file.size(), pixels.data(), pixels.size(), palette));
  EXPECT_EQ(palette[0], 0);
  EXPECT_EQ(palette[767], 767 % 251);
}

TEST(KxgWriter, EncodesEveryValueAndRoundTripsOnDisk) {
  std::vector<uint8_t> pixels(300 * 7);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>((i / 70) * 37 + (i % 3 == 0 ? 200 : 0));
  uint8_t palette[768];
  for (int i = 0; i < 768; ++i) palette[i] = static_cast<uint8_t>(255 - i % 256);
  const std::string path = TestFilePath("round.kxg");
  ASSERT_TRUE(WriteImage(path.c_str(), pixels.data(), 300, 7, palette));
  std::vector<uint8_t> back(300 * 7, 0);
  uint8_t paletteBack[768] = {};
  LoadImageWithPalette(back.data(), back.size(), path.c_str(), paletteBack);
  EXPECT_EQ(back, pixels);
  EXPECT_EQ(std::vector<uint8_t>(paletteBack, paletteBack + 768), std::vector<uint8_t>(palette, palette + 768));
  std::vector<uint8_t> untouched(10, 4);
  LoadImage(untouched.data(), untouched.size(), (path + ".missing").c_str());
  EXPECT_EQ(untouched, std::vector<uint8_t>(10, 4));
  std::remove(path.c_str());
}

TEST(CursorPicture, OnlyA16By16PictureBecomesThePointer) {
  const uint8_t palette[768] = {};
  const std::string path = TestFilePath("arrow.kxg");
  uint8_t arrow[256];
  for (const auto& [width, height] : {std::pair{8, 8}, std::pair{16, 8}, std::pair{16, 17}}) {
    const std::vector<uint8_t> pixels(size_t(width) * height, 3);
    ASSERT_TRUE(WriteImage(path.c_str(), pixels.data(), width, height, palette));
    LoadCursorPicture(path.c_str(), arrow);
    EXPECT_EQ(std::vector<uint8_t>(arrow, arrow + 256), std::vector<uint8_t>(256, 255)) << width << "x" << height;
  }
  const std::vector<uint8_t> pixels(256, 3);
  ASSERT_TRUE(WriteImage(path.c_str(), pixels.data(), 16, 16, palette));
  LoadCursorPicture(path.c_str(), arrow);
  EXPECT_EQ(std::vector<uint8_t>(arrow, arrow + 256), pixels);
  std::remove(path.c_str());
}

}  // namespace
