// SPDX-License-Identifier: GPL-2.0-or-later
// The ranking board's pages and rows, and the victory on leaving it first.
#include "screens/ranking.h"

#include <string>

#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using RankingBoard = TownShell;

// Rivals poorer than the player, each poorer than the last.
void AddRivals(int count) {
  for (int i = 0; i < count; ++i) AddRival(("회사" + std::to_string(i)).c_str(), 4000 - 10 * i);
}

TEST_F(RankingBoard, TwentyFiveCompaniesShowPlacesOneToTwentyAndSixToTwentyFive) {
  AddRivals(24);
  EXPECT_EQ(RankingPageFirst(0), 0);
  EXPECT_EQ(RankingPageRowCount(0), 20);
  EXPECT_EQ(RankingPageFirst(1), 5);
  EXPECT_EQ(RankingPageRowCount(1), 20);
  BuildRanking();
  char row[128];
  FormatRankingRow(RankingPageFirst(1), row, sizeof row);
  EXPECT_EQ(std::string(row).substr(0, 5), "[ 6] ");
  FormatRankingRow(RankingPageFirst(1) + RankingPageRowCount(1) - 1, row, sizeof row);
  EXPECT_EQ(std::string(row).substr(0, 5), "[25] ");
}

TEST_F(RankingBoard, AFewCompaniesShowTheSameRowsOnBothPages) {
  AddRivals(2);
  EXPECT_EQ(RankingPageFirst(1), 0);
  EXPECT_EQ(RankingPageRowCount(0), 3);
  EXPECT_EQ(RankingPageRowCount(1), 3);
  CompanyCount = 20;
  EXPECT_EQ(RankingPageFirst(1), 0);
  CompanyCount = 0;
  EXPECT_EQ(RankingPageRowCount(0), 0);
}

TEST_F(RankingBoard, ARowIsPlaceNameRightAlignedAndTheWholeMoney) {
  const int32_t rival = AddRival("큰회사", 9000000000LL);
  Companies[rival].money = -9000000000LL;
  BuildRanking();
  char row[128];
  FormatRankingRow(1, row, sizeof row);
  const std::string name = JohabText(u8"큰회사");
  EXPECT_EQ(std::string(row), "[ 2] " + std::string(20 - name.size(), ' ') + name + " -9000000000");
  // A name with the line end of its data-file line ends before it.
  std::strcat(Ranking[1].name, "\n");
  FormatRankingRow(1, row, sizeof row);
  EXPECT_EQ(std::string(row), "[ 2] " + std::string(20 - name.size(), ' ') + name + " -9000000000");
}

TEST_F(RankingBoard, AnyClickButReturnTogglesThePage) {
  AddRivals(24);
  Enter(RankingScreen);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(ListCount, 0);
  Click(474, 427);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(ListCount, 1);
  Click(10, 10);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(ListCount, 0);
  Click(475, 427);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(AnimState, 1);
  EXPECT_EQ(ListCount, 0);
}

// One visit: enter, leave through the return button, and wait out the
// victory picture when there is one.
void VisitAndLeave() {
  TownShell::Enter(RankingScreen);
  ASSERT_TRUE(RunFramesForTest(2));
  TownShell::LeaveThroughReturn(RankingScreen);
  if (CurrentScreen != VictoryScreen) return;
  TownShell::FramesOn(VictoryScreen, 500);
  // The congratulation waits for the next pass of the loop.
  ASSERT_EQ(CurrentScreen, DayPassScreen);
  TownShell::FramesOn(DayPassScreen, 100);
}

TEST_F(RankingBoard, LeavingInFirstPlaceShowsTheVictoryEachVisit) {
  AddRivals(3);
  VisitAndLeave();
  EXPECT_EQ(DayCount, 2);
  const std::vector<std::string> once = {"sound sound/win.wav",
                                         "box 축하메세지 | 축하합니다. 당신의 회사가 재계 1위를 차지하였습니다 | ok",
                                         "sound sound/yes.wav"};
  EXPECT_EQ(BoxesAndSounds(), once);
  VisitAndLeave();
  EXPECT_EQ(DayCount, 3);
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(BoxesAndSounds(), twice);
}

TEST_F(RankingBoard, TheVictoryPictureStaysTwoSeconds) {
  AddRivals(1);
  Enter(RankingScreen);
  ASSERT_TRUE(RunFramesForTest(2));
  LeaveThroughReturn(RankingScreen);
  ASSERT_EQ(CurrentScreen, VictoryScreen);
  // 16 ms a frame: the entry frame starts the clock, and the frame that
  // finds more than 2000 ms raises the notice.
  EXPECT_EQ(FramesOn(VictoryScreen, 500), 1 + 126);
  EXPECT_EQ(NoticeCode, NoticeVictory);
}

TEST_F(RankingBoard, ARicherRivalMeansADayWithoutVictory) {
  AddRival("부자", 6000);
  VisitAndLeave();
  EXPECT_EQ(CurrentScreen, DayPassScreen);
  EXPECT_TRUE(BoxesAndSounds().empty());
}

}  // namespace
