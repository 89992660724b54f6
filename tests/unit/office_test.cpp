// SPDX-License-Identifier: GPL-2.0-or-later
// The office: the command bar's areas, the status lines, the work animation
// and the bands' refusals.
#include "screens/office.h"

#include <cstring>

#include "gfx/image.h"
#include "screens/screens.h"
#include "tests/unit/title_test_support.h"
#include "text/utf8.h"

namespace {

using Office = TitleShell;

TEST_F(Office, TheBarsAreasMeetAtTheirBoundaries) {
  EXPECT_EQ(OfficeBarAreaAt(15, 0), DayStripArea);
  EXPECT_EQ(OfficeBarAreaAt(142, 14), DayStripArea);
  EXPECT_EQ(OfficeBarAreaAt(15, 15), 1);
  EXPECT_EQ(OfficeBarAreaAt(100, 44), 1);
  EXPECT_EQ(OfficeBarAreaAt(100, 45), 2);
  EXPECT_EQ(OfficeBarAreaAt(100, 194), 6);
  EXPECT_EQ(OfficeBarAreaAt(100, 195), NoBarArea);
  EXPECT_EQ(OfficeBarAreaAt(14, 20), NoBarArea);
  EXPECT_EQ(OfficeBarAreaAt(143, 20), NoBarArea);
  EXPECT_EQ(OfficeBarAreaAt(100, -1), NoBarArea);
}

TEST_F(Office, TheStatusLinesShowTheLoanTermOnlyWithALoan) {
  std::strcpy(Companies[0].name, "ACME");
  std::strcpy(Companies[0].presidentName, JohabText(u8"홍길동"));
  Companies[0].staffCount = 3;
  Companies[0].money = 5000000000LL;  // beyond 32 bits
  DayCount = 59;
  char line[256];
  FormatStatusLine1(line, sizeof line);
  EXPECT_STREQ(line, JohabText(u8"< ACME > 사장 : 홍길동 사원 : 3"));
  FormatStatusLine2(line, sizeof line);
  EXPECT_STREQ(line, JohabText(u8"5000000000          0         59,  1달"));
  Companies[0].loanAmount = 300;
  Companies[0].loanMonths = 4;
  Companies[0].money = -12;
  DayCount = 60;
  FormatStatusLine2(line, sizeof line);
  EXPECT_STREQ(line, JohabText(u8"-12                 300       60일  2달 대출기한 : 4달"));
  // The loan figure starts 20 cells in (x 344), the day figure 29 (x 416).
  EXPECT_EQ(std::string(line).find("300"), 20u);
  EXPECT_EQ(std::string(line).find(" 60"), 29u);
}

TEST_F(Office, TheWorkAnimationCountsFramesAndCycles) {
  EXPECT_EQ((StepWorkAnimation(ComposeFrame), Companies[0].workTicks), 0);  // no job: nothing
  Companies[0].workTicks = 60;
  StepWorkAnimation(ComposeFrame);
  EXPECT_EQ(Companies[0].workTicks, 2);
  Companies[0].workTicks = 59;
  StepWorkAnimation(ComposeFrame);
  EXPECT_EQ(Companies[0].workTicks, 60);
}

TEST_F(Office, TheWorkPictureAndJobLineShowOnlyWhileAJobRuns) {
  std::vector<uint8_t> picture(WorkImageWidth * WorkImageHeight, 9);
  uint8_t palette[768] = {};
  ASSERT_TRUE(WriteImage("data/work1.kxg", picture.data(), WorkImageWidth, WorkImageHeight, palette));
  FillBytes(ComposeFrame, 1, FrameBytes);
  StepWorkAnimation(ComposeFrame);
  EXPECT_EQ(ComposeFrame[350 * 640 + 500], 1);
  Companies[0].workTicks = 1;
  StepWorkAnimation(ComposeFrame);
  EXPECT_EQ(ComposeFrame[350 * 640 + 500], 9);
  EXPECT_EQ(ComposeFrame[429 * 640 + 589], 9);
  EXPECT_EQ(ComposeFrame[430 * 640 + 589], 1);
}

// Presses band `band` and runs the office until its action is done.
void PressBand(int band) {
  CurrentScreen = OfficeScreen;
  PushTestEvent(PlatformEventMouseMove, 60, 15 + 30 * (band - 1) + 10);
  PushTestEvent(PlatformEventLeftButtonUp, 60, 15 + 30 * (band - 1) + 10);
  ASSERT_TRUE(RunFramesForTest(12));
}

TEST_F(Office, TheDayStripPassesADayAtOnce) {
  CurrentScreen = OfficeScreen;
  Click(15, 14);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(CurrentScreen, DayPassScreen);
  EXPECT_EQ(ScreenEntry, 1);
}

TEST_F(Office, PlanningIsRefusedWhileAJobRuns) {
  Companies[0].workTicks = 5;
  PressBand(3);
  EXPECT_TRUE(Logged("sound sound/error.wav"));
  EXPECT_TRUE(Logged("box '_' | 현재 진행중인 일이 있습니다 | ok"));
  EXPECT_EQ(NoticeCode, NoticeRefusal);
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(AnimState, 0);
}

TEST_F(Office, WithoutStaffPersonnelAndDinnerAreRefused) {
  PressBand(4);
  EXPECT_TRUE(Logged("box '_' | 현재 직원이 한명도 없습니다 | ok"));
  PressBand(5);
  EXPECT_TRUE(Logged("box (_) | 회식을 할 필요가 없습니다 | ok"));
  EXPECT_EQ(NoticeCode, NoticeNoStaffForDinner);
}

TEST_F(Office, ADinnerNeedsItsWholeCost) {
  Companies[0].staffCount = 3;
  DinnerParams.values[0] = 40;
  Companies[0].money = 119;
  PressBand(5);
  EXPECT_TRUE(Logged("box (_) | 회식비가 없습니다 | ok"));
  EXPECT_EQ(NoticeCode, NoticeNoDinnerMoney);
  NoticeCode = NoticeVictory;  // anything but a dinner's refusal
  Companies[0].money = 120;
  PressBand(5);
  EXPECT_EQ(NoticeCode, NoticeVictory);  // no refusal: the dinner would open
  EXPECT_EQ(ScreenRunning, 1);
}

TEST_F(Office, TheMenuBandLaysThePanelOverTheOffice) {
  PressBand(6);
  EXPECT_EQ(CurrentScreen, CommandMenuScreen);
  EXPECT_EQ(ReturnScreen, OfficeScreen);
}

}  // namespace
