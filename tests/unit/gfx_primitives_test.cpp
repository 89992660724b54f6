// SPDX-License-Identifier: GPL-2.0-or-later
// The rectangle primitives and the software cursor.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gfx/frame.h"

namespace {

std::vector<uint8_t> Frame(uint8_t fill) { return std::vector<uint8_t>(FrameBytes, fill); }

uint8_t At(const std::vector<uint8_t>& frame, int x, int y) { return frame[y * FrameWidth + x]; }

TEST(Rectangles, SaveAndPutRoundTripAnOddWidth) {
  std::vector<uint8_t> frame = Frame(0);
  for (int i = 0; i < FrameBytes; ++i) frame[i] = static_cast<uint8_t>(i * 7);
  std::vector<uint8_t> packed(13 * 5);
  SaveRect(frame.data(), 100, 200, 112, 204, packed.data());
  EXPECT_EQ(packed[0], At(frame, 100, 200));
  EXPECT_EQ(packed[13 * 4 + 12], At(frame, 112, 204));
  std::vector<uint8_t> other = Frame(9);
  PutRect(other.data(), 100, 200, 112, 204, packed.data());
  for (int y = 200; y <= 204; ++y)
    for (int x = 100; x <= 112; ++x) EXPECT_EQ(At(other, x, y), At(frame, x, y));
  EXPECT_EQ(At(other, 99, 200), 9);
  EXPECT_EQ(At(other, 113, 204), 9);
  EXPECT_EQ(At(other, 100, 205), 9);
}

TEST(Rectangles, UpsideDownRectangleDrawsNothing) {
  std::vector<uint8_t> frame = Frame(3);
  std::vector<uint8_t> packed(64, 7);
  PutRect(frame.data(), 10, 20, 11, 19, packed.data());
  PutRectKeyed(frame.data(), 10, 20, 11, 19, packed.data(), 255);
  std::vector<uint8_t> saved(64, 1);
  SaveRect(frame.data(), 10, 20, 11, 19, saved.data());
  EXPECT_EQ(frame, Frame(3));
  EXPECT_EQ(saved, std::vector<uint8_t>(64, 1));
}

TEST(Rectangles, KeyedPutSkipsTheKey) {
  std::vector<uint8_t> frame = Frame(3);
  const std::vector<uint8_t> allKey(4 * 4, 255);
  PutRectKeyed(frame.data(), 0, 0, 3, 3, allKey.data(), 255);
  EXPECT_EQ(frame, Frame(3));
  const uint8_t sprite[4] = {255, 8, 255, 9};
  PutRectKeyed(frame.data(), 50, 60, 53, 60, sprite, 255);
  EXPECT_EQ(At(frame, 50, 60), 3);
  EXPECT_EQ(At(frame, 51, 60), 8);
  EXPECT_EQ(At(frame, 52, 60), 3);
  EXPECT_EQ(At(frame, 53, 60), 9);
}

#ifdef NDEBUG
// Debug builds assert on these caller errors instead.
TEST(Rectangles, ClipAtEveryEdgeKeepingThePackedStride) {
  std::vector<uint8_t> frame = Frame(0);
  std::vector<uint8_t> packed(10 * 10);
  for (int i = 0; i < 100; ++i) packed[i] = static_cast<uint8_t>(i + 1);
  PutRect(frame.data(), 635, 475, 644, 484, packed.data());  // bottom right
  EXPECT_EQ(At(frame, 635, 475), 1);
  EXPECT_EQ(At(frame, 639, 479), 4 * 10 + 4 + 1);
  PutRect(frame.data(), -5, -5, 4, 4, packed.data());  // top left
  EXPECT_EQ(At(frame, 0, 0), 5 * 10 + 5 + 1);
  EXPECT_EQ(At(frame, 4, 4), 9 * 10 + 9 + 1);
  PutRectKeyed(frame.data(), -100, 300, -91, 309, packed.data(), 255);  // wholly outside
  std::vector<uint8_t> saved(100, 0);
  SaveRect(frame.data(), 635, -5, 644, 4, saved.data());  // top right
  EXPECT_EQ(saved[5 * 10 + 0], At(frame, 635, 0));
  EXPECT_EQ(saved[0], 0);
}
#endif

class Cursor : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(image, 5, sizeof image);
    image[17] = 255;  // the pixel at (1, 1) is transparent
    CursorEnabled = 0;
  }
  uint8_t image[256];
};

TEST_F(Cursor, NothingBeforeItsImageIsSet) {
  std::vector<uint8_t> frame = Frame(0);
  MouseX = 10;
  MouseY = 10;
  DrawCursor(frame.data());
  EXPECT_EQ(frame, Frame(0));
}

TEST_F(Cursor, KeyIsTransparentAndTipAtThePosition) {
  SetCursorImage(image, 640, 480, 255);
  std::vector<uint8_t> frame = Frame(0);
  MouseX = 100;
  MouseY = 50;
  DrawCursor(frame.data());
  EXPECT_EQ(At(frame, 100, 50), 5);  // the tip
  EXPECT_EQ(At(frame, 101, 51), 0);  // the key pixel
  EXPECT_EQ(At(frame, 101, 50), 5);
  EXPECT_EQ(At(frame, 115, 65), 5);
  EXPECT_EQ(At(frame, 116, 65), 0);
  EXPECT_EQ(At(frame, 115, 66), 0);
}

TEST_F(Cursor, CutAtTheRightAndBottomEdges) {
  SetCursorImage(image, 640, 480, 255);
  std::vector<uint8_t> frame = Frame(0);
  MouseX = 630;
  MouseY = 479;
  DrawCursor(frame.data());
  int drawn = 0;
  for (int i = 0; i < FrameBytes; ++i) drawn += frame[i] == 5;
  EXPECT_EQ(drawn, 10);  // ten columns, one row
  EXPECT_EQ(At(frame, 639, 479), 5);
}

TEST_F(Cursor, LimitsBeyondTheFrameAndNegativePositionsStayInside) {
  SetCursorImage(image, 10000, 10000, 255);
  std::vector<uint8_t> frame = Frame(0);
  MouseX = 639;
  MouseY = 479;
  DrawCursor(frame.data());
  EXPECT_EQ(At(frame, 639, 479), 5);
  MouseX = -8;
  MouseY = -8;
  DrawCursor(frame.data());
  EXPECT_EQ(At(frame, 7, 7), 5);
  EXPECT_EQ(At(frame, 8, 8), 0);
}

}  // namespace
