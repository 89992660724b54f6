// SPDX-License-Identifier: GPL-2.0-or-later
// The town map's places and the walk to them.
#include "screens/screens.h"
#include "screens/town_map.h"
#include "tests/unit/town_test_support.h"

namespace {

using TownMap = TownShell;

ScreenHandler PlaceAt(int x, int y) {
  const TownPlace* place = TownPlaceAt(x, y);
  if (!place) return nullptr;
  return place->destination ? place->destination : OfficeScreen;
}

TEST_F(TownMap, PlacesMeetAtTheirInclusiveBounds) {
  EXPECT_EQ(PlaceAt(236, 150), JobAgencyScreen);
  EXPECT_EQ(PlaceAt(338, 150), JobAgencyScreen);
  EXPECT_EQ(PlaceAt(235, 150), nullptr);
  EXPECT_EQ(PlaceAt(339, 150), nullptr);
  EXPECT_EQ(PlaceAt(250, 129), JobAgencyScreen);
  EXPECT_EQ(PlaceAt(250, 128), nullptr);
  EXPECT_EQ(PlaceAt(218, 254), BankScreen);
  EXPECT_EQ(PlaceAt(218, 255), nullptr);
  EXPECT_EQ(PlaceAt(73, 249), RankingScreen);
  EXPECT_EQ(PlaceAt(118, 300), RankingScreen);
  EXPECT_EQ(PlaceAt(457, 446), OfficeScreen);
  EXPECT_EQ(PlaceAt(393, 394), OfficeScreen);
  EXPECT_EQ(PlaceAt(224, 412), DonationScreen);
  EXPECT_EQ(PlaceAt(274, 412), nullptr);
}

struct Walk {
  int x, y;
  ScreenHandler destination;
  int steps;
};

TEST_F(TownMap, EachWalkTakesTheLongerDistanceInFramesAndEndsWithItsSounds) {
  const Walk walks[] = {
      {282, 150, JobAgencyScreen, 244},
      {258, 220, BankScreen, 174},
      {99, 277, RankingScreen, 294},
      {250, 383, DonationScreen, 143},
  };
  for (const Walk& walk : walks) {
    HeadlessReset();
    StartTestShell();
    Enter(TownMapScreen);
    Click(walk.x, walk.y);
    ASSERT_TRUE(RunFramesForTest(1));
    ASSERT_EQ(CurrentScreen, WalkScreen);
    EXPECT_EQ(ReturnScreen, walk.destination);
    // Every walking frame takes one step; the frame after the last one
    // hands over and draws nothing.
    EXPECT_EQ(FramesOn(WalkScreen), walk.steps + 1);
    EXPECT_EQ(CurrentScreen, walk.destination);
    EXPECT_EQ(ScreenEntry, 1);
    EXPECT_EQ(LogLines("sound "), (std::vector<std::string>{"sound sound/walk.wav loop", "sound sound/stop.wav"}));
  }
}

TEST_F(TownMap, TheWalkToTheNursingHomeGoesLeftThenDiagonally) {
  WalkX = WalkStartX;
  WalkY = WalkStartY;
  WalkTargetX = 250;
  WalkTargetY = 383;
  for (int i = 0; i < 132; ++i) StepWalker();
  EXPECT_EQ(WalkX, 261);
  EXPECT_EQ(WalkY, 394);
  StepWalker();
  EXPECT_EQ(WalkX, 260);
  EXPECT_EQ(WalkY, 393);
  for (int i = 0; i < 10; ++i) StepWalker();
  EXPECT_EQ(WalkX, 250);
  EXPECT_EQ(WalkY, 383);
}

TEST_F(TownMap, ThePicturesCycleOnePerFrameAndClicksAreIgnored) {
  Enter(TownMapScreen);
  Click(282, 150);
  ASSERT_TRUE(RunFramesForTest(1));
  std::vector<int> phases;
  for (int i = 0; i < 10; ++i) {
    if (i == 4) Click(250, 383);
    ASSERT_TRUE(RunFramesForTest(1));
    phases.push_back(ScreenEntry);
  }
  EXPECT_EQ(phases, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 2, 3, 4}));
  EXPECT_EQ(ReturnScreen, JobAgencyScreen);
  EXPECT_EQ(WalkTargetX, 282);
}

TEST_F(TownMap, TheOfficeBuildingLeadsBackAtOnceWithoutADay) {
  Enter(TownMapScreen);
  ScreenEntry = 0;
  ReturnScreen = OfficeScreen;
  Click(420, 420);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(ScreenEntry, 1);
  EXPECT_EQ(DayCount, 1);
  EXPECT_TRUE(LogLines("sound ").empty());
}

TEST_F(TownMap, AClickOutsideEveryPlaceDoesNothing) {
  Enter(TownMapScreen);
  Click(235, 150);
  ASSERT_TRUE(RunFramesForTest(2));
  EXPECT_EQ(CurrentScreen, TownMapScreen);
}

}  // namespace
