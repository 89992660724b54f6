// SPDX-License-Identifier: GPL-2.0-or-later
// The step timer, the button-press animation and the return button.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "tests/unit/app_test_support.h"
#include "tests/unit/font_test_support.h"

namespace {

class ScreenFramework : public ::testing::Test {
 protected:
  void SetUp() override { StartTestShell(); }
};

TEST_F(ScreenFramework, StepTimerEndsOnlyWhenTheDelayIsStrictlyExceeded) {
  StartStepTimer(1, 100);
  EXPECT_EQ(AnimState, 1);
  HeadlessAdvanceClock(100);
  EXPECT_FALSE(StepTimerExpired());
  HeadlessAdvanceClock(1);
  EXPECT_TRUE(StepTimerExpired());
  EXPECT_EQ(AnimElapsed, 101u);
  EXPECT_EQ(AnimNow, AnimLast);
}

TEST_F(ScreenFramework, ALongPauseEndsTheStateOnTheNextUpdate) {
  StartStepTimer(1, 800);
  HeadlessAdvanceClock(60000);  // a dialog was open for a minute
  EXPECT_TRUE(StepTimerExpired());
}

TEST_F(ScreenFramework, ButtonShowsPressedThenReleasedThenActs) {
  // A pressed picture of 10x4 pixels of colour 9 on a base of colour 1.
  std::vector<uint8_t> pressed(40, 9);
  uint8_t palette[768] = {};
  const std::string path = TestFilePath("pressed.kxg");
  ASSERT_TRUE(WriteImage(path.c_str(), pressed.data(), 10, 4, palette));
  FillBytes(BaseFrame, 1, FrameBytes);
  const ButtonRect rect = {20, 30, 29, 33};
  PressButton(rect, path.c_str(), 100);
  EXPECT_EQ(BaseFrame[30 * 640 + 20], 9);
  EXPECT_EQ(BaseFrame[33 * 640 + 29], 9);
  EXPECT_EQ(BaseFrame[34 * 640 + 29], 1);
  HeadlessAdvanceClock(100);
  EXPECT_FALSE(RunButtonAnimation(rect));  // still pressed
  EXPECT_EQ(AnimState, 1);
  HeadlessAdvanceClock(1);
  EXPECT_FALSE(RunButtonAnimation(rect));  // released, action pending
  EXPECT_EQ(AnimState, 100);
  EXPECT_EQ(BaseFrame[30 * 640 + 20], 1);
  HeadlessAdvanceClock(10);
  EXPECT_FALSE(RunButtonAnimation(rect));
  HeadlessAdvanceClock(1);
  EXPECT_TRUE(RunButtonAnimation(rect));
  EXPECT_EQ(AnimState, 0);
  std::remove(path.c_str());
}

TEST_F(ScreenFramework, ReturnButtonBoundsAreInclusive) {
  EXPECT_TRUE(PointInRect(ReturnButton, 475, 427));
  EXPECT_TRUE(PointInRect(ReturnButton, 609, 461));
  EXPECT_FALSE(PointInRect(ReturnButton, 474, 427));
  EXPECT_FALSE(PointInRect(ReturnButton, 609, 462));
}

TEST_F(ScreenFramework, ClicksDuringTheAnimationAreLost) {
  MouseX = 500;
  MouseY = 440;
  MouseClick = 1;
  EXPECT_FALSE(ReturnButtonClicked());
  EXPECT_EQ(AnimState, 1);
  // Another click on the button while it is pressed does not restart it.
  HeadlessAdvanceClock(50);
  MouseClick = 1;
  EXPECT_FALSE(ReturnButtonClicked());
  EXPECT_EQ(AnimState, 1);
  HeadlessAdvanceClock(51);
  EXPECT_FALSE(ReturnButtonClicked());
  HeadlessAdvanceClock(11);
  EXPECT_TRUE(ReturnButtonClicked());
}

TEST_F(ScreenFramework, EveryScreenHasAName) {
  EXPECT_STREQ(ScreenName(CurrentScreen = ScreenByName("StartPictureScreen")), "StartPictureScreen");
  EXPECT_EQ(ScreenByName("NoSuchScreen"), nullptr);
  EXPECT_STREQ(ScreenName(nullptr), "?");
}

}  // namespace
