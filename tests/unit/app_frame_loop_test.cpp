// The frame loop's gating, the window procedure and the debug keys.
#include <gtest/gtest.h>

#include "tests/unit/app_test_support.h"
#include "world/notice_state.h"
#include "world/world.h"

namespace {

int HandlerCalls;
int ClicksSeen;
int KeysSeen;

void CountingScreen() {
  ++HandlerCalls;
  if (MouseClick & 1) ++ClicksSeen;
  if (InputEvent != 0 && InputEvent != ClickEvent) ++KeysSeen;
  Display->Present(ComposeFrame);
}

class FrameLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    StartTestShell();
    CurrentScreen = CountingScreen;
    HandlerCalls = ClicksSeen = KeysSeen = 0;
  }
};

TEST_F(FrameLoop, AClickReachesExactlyOneFrame) {
  PushTestEvent(PlatformEventMouseMove, 300, 200);
  PushTestEvent(PlatformEventLeftButtonUp, 1, 1);
  ASSERT_TRUE(RunFramesForTest(3));
  EXPECT_EQ(HandlerCalls, 3);
  EXPECT_EQ(ClicksSeen, 1);
  // The click is placed at the last mouse move, not at the button's own position.
  EXPECT_EQ(MouseX, 300);
  EXPECT_EQ(MouseY, 200);
}

TEST_F(FrameLoop, AClickWhileScreensArePausedIsNeverSeen) {
  ScreenRunning = 0;
  PushTestEvent(PlatformEventLeftButtonUp);
  const uint64_t flips = HeadlessFlipCount();
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(HandlerCalls, 0);
  EXPECT_EQ(HeadlessFlipCount(), flips + 1);  // the loop still flips
  ScreenRunning = 1;
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(HandlerCalls, 1);
  EXPECT_EQ(ClicksSeen, 0);
}

TEST_F(FrameLoop, NothingRunsInTheBackground) {
  PushTestEvent(PlatformEventActivate);
  HeadlessPushEvent(PlatformEvent{PlatformEventActivate, 0, 0, 0, 0});
  int exitCode = 0;
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(RunLoopPass(&exitCode));
  EXPECT_EQ(AppActive, 0);
  EXPECT_EQ(HandlerCalls, 0);
  PushTestEvent(PlatformEventActivate);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(HandlerCalls, 1);
}

TEST_F(FrameLoop, KeysReachTheScreenAndMouseWordsAreSigned) {
  PushTestEvent(PlatformEventKeyDown, 0, 0, 'A');
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(KeysSeen, 1);
  WindowProc(WM_MOUSEMOVE, 0, MakePositionParam(-3, 70000));
  EXPECT_EQ(MouseX, -3);
  EXPECT_EQ(MouseY, static_cast<int16_t>(70000 & 0xFFFF));
}

TEST_F(FrameLoop, EscapeQuitsWithExitCodeZero) {
  PushTestEvent(PlatformEventKeyDown, 0, 0, VK_ESCAPE);
  int exitCode = -1;
  int passes = 0;
  while (RunLoopPass(&exitCode)) ASSERT_LT(++passes, 10);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(Display, nullptr);
  EXPECT_TRUE(HeadlessPointerVisible());
}

// A close ends the loop at the quit it posts: whatever was queued before the
// quit reaches nobody, and no frame runs without the display.
TEST_F(FrameLoop, ClosingTheWindowRunsNoFrameAfterIt) {
  PushTestEvent(PlatformEventClose);
  PushTestEvent(PlatformEventKeyDown, 0, 0, VK_F12);
  int exitCode = -1;
  int passes = 0;
  while (RunLoopPass(&exitCode)) ASSERT_LT(++passes, 10);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(HandlerCalls, 0);
  EXPECT_EQ(ShowFps, 0);
  EXPECT_EQ(Display, nullptr);
  EXPECT_FALSE(GameMessagePending());
}

TEST_F(FrameLoop, DebugKeysChangeDayAndMoney) {
  const int32_t day = DayCount;
  const int64_t money = Companies[PlayerCompany].money;
  DebugKeys(VK_F7);
  DebugKeys(VK_F8);
  EXPECT_EQ(DayCount, day + 1);
  EXPECT_EQ(Companies[PlayerCompany].money, money + 10);
  Companies[PlayerCompany].money = INT64_MAX - 3;
  DebugKeys(VK_F8);
  EXPECT_EQ(Companies[PlayerCompany].money, INT64_MAX);
  DayCount = day;
  Companies[PlayerCompany].money = money;
}

TEST_F(FrameLoop, F11ShowsTheCounts) {
  DebugKeys(VK_F11);
  ASSERT_FALSE(HeadlessLogLines().empty());
  EXPECT_EQ(HeadlessLogLines().back(),
            "box Debug | Player : " + std::to_string(CompanyCount) + " Man : " + std::to_string(PersonCount) +
                " | ok");
}

TEST_F(FrameLoop, F12OverlayStartsFromZeroAndDrawsWhiteText) {
  uint8_t palette[768] = {};
  palette[3 * 40] = palette[3 * 40 + 1] = palette[3 * 40 + 2] = 255;  // entry 40 is white
  Display->SetPalette(palette);
  FpsCounters[4] = 77;
  DebugKeys(VK_F12);
  EXPECT_EQ(ShowFps, 1);
  EXPECT_EQ(FpsCounters[4], 0u);
  FillBytes(ComposeFrame, 0, FrameBytes);
  ASSERT_TRUE(RunFramesForTest(1));
  // The first delta is the whole clock, so the first window closes at once
  // only when more than a second has passed; either way text is drawn.
  int white = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 200; ++x) white += HeadlessLastFrame()[y * 640 + x] == 40;
  EXPECT_GT(white, 50);
  DebugKeys(VK_F12);
  EXPECT_EQ(ShowFps, 0);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(HeadlessLastFrame()[0], 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(HeadlessLastFrame()[y * 640 + x], 0);
}

}  // namespace
