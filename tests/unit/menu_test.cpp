// SPDX-License-Identifier: GPL-2.0-or-later
// The command menu: its rows, the way back and the end of the program.
#include "app/notice_followups.h"
#include "screens/command_menu.h"
#include "screens/screens.h"
#include "tests/unit/title_test_support.h"

namespace {

using CommandMenu = TitleShell;

TEST_F(CommandMenu, RowsMeetAtTheirBoundaries) {
  EXPECT_EQ(CommandMenuRowAt(227, 75), 1);
  EXPECT_EQ(CommandMenuRowAt(412, 129), 1);
  EXPECT_EQ(CommandMenuRowAt(300, 130), 2);
  EXPECT_EQ(CommandMenuRowAt(300, 404), 6);
  EXPECT_EQ(CommandMenuRowAt(300, 405), 0);
  EXPECT_EQ(CommandMenuRowAt(226, 100), 0);
  EXPECT_EQ(CommandMenuRowAt(413, 100), 0);
  EXPECT_EQ(CommandMenuRowAt(300, 74), 0);
}

TEST_F(CommandMenu, BackReturnsToTheOfficeWithoutADay) {
  CurrentScreen = CommandMenuScreen;
  DayCount = 5;
  Click(300, 300);
  ASSERT_TRUE(RunFramesForTest(2));
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(ScreenEntry, 0);
  EXPECT_EQ(DayCount, 5);
}

TEST_F(CommandMenu, TheNotSupportedRowKeepsTheMenu) {
  CurrentScreen = CommandMenuScreen;
  Click(300, 250);
  ASSERT_TRUE(RunFramesForTest(3));
  EXPECT_TRUE(Logged("box 알림 | 아직 지원되지 않습니다 | ok"));
  EXPECT_EQ(CurrentScreen, CommandMenuScreen);
  EXPECT_EQ(ScreenRunning, 1);
}

TEST_F(CommandMenu, QuitPlaysTheEndSoundAndCloses) {
  CurrentScreen = CommandMenuScreen;
  Click(300, 380);
  int exitCode = -1;
  while (RunLoopPass(&exitCode)) {
  }
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(Logged("sound sound/end.wav"));
}

TEST_F(CommandMenu, ANewGameAnsweredYesAsksForTheNames) {
  CurrentScreen = CommandMenuScreen;
  Click(300, 100);
  HeadlessQueueBoxAnswer(AnswerYes);
  HeadlessQueueDialog({"kim", "corp"}, AnswerOk);
  ASSERT_TRUE(RunFramesForTest(3));
  const std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], "box 알림 | 새롭게 게임을 하시겠습니까? | yes");
  EXPECT_EQ(log[1], "sound sound/start.wav");
  EXPECT_EQ(log[2], "dialog 101 | kim | corp | ok");
  EXPECT_EQ(CurrentScreen, NewGameScreen);
  EXPECT_EQ(ScreenRunning, 1);
}

TEST_F(CommandMenu, ANewGameAnsweredNoKeepsTheMenu) {
  CurrentScreen = CommandMenuScreen;
  Click(300, 100);
  HeadlessQueueBoxAnswer(AnswerNo);
  ASSERT_TRUE(RunFramesForTest(3));
  EXPECT_EQ(CurrentScreen, CommandMenuScreen);
  EXPECT_EQ(ScreenRunning, 1);
}

}  // namespace
