// SPDX-License-Identifier: GPL-2.0-or-later
// The company dinner: two seconds of the picture, the bill, the report and
// the day. The bill and the relief are rules (sim_outings_test.cpp).
#include "screens/dinner.h"

#include <cstdint>
#include <string>

#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

class Dinner : public TownShell {
 protected:
  void SetUp() override {
    TownShell::SetUp();
    DinnerParams.values[0] = 30;
  }
  // Presses the dinner band and runs the visit to the office.
  void HoldDinner() {
    day = DayCount;
    CurrentScreen = OfficeScreen;
    Click(60, 150);
    RunFramesForTest(12);
    ASSERT_EQ(CurrentScreen, DinnerScreen);
    FramesOn(DinnerScreen);
    FramesOn(DayPassScreen);
    EXPECT_EQ(CurrentScreen, OfficeScreen);
    EXPECT_EQ(DayCount, day + 1);
  }
  int32_t day = 0;
};

TEST_F(Dinner, TenAtThirtyCostThreeHundredAndTheReportSaysSo) {
  for (int i = 0; i < 10; ++i) AddPerson(("직원" + std::to_string(i)).c_str(), true);
  Player().money = 1000;
  HoldDinner();
  EXPECT_EQ(Player().money, 700);
  EXPECT_TRUE(Logged("box ^_^ | 300만큼의 회식비가 들었습니다 | ok"));
  EXPECT_EQ(NoticeCode, NoticeDayReport);  // the day report came after it
}

TEST_F(Dinner, MoneyEqualToTheCostEndsAtZero) {
  AddPerson("하나", true);
  AddPerson("둘", true);
  Player().money = 60;
  HoldDinner();
  EXPECT_EQ(Player().money, 0);
  EXPECT_TRUE(Logged("box ^_^ | 60만큼의 회식비가 들었습니다 | ok"));
}

TEST_F(Dinner, ThePictureStaysForTwoSecondsWithThePointer) {
  AddPerson("하나", true);
  Player().money = 100;
  Enter(DinnerScreen);
  const int frames = FramesOn(DinnerScreen);
  // 16 ms a frame after the first call: the bill comes on the first frame
  // past 2000 ms.
  EXPECT_EQ((frames - 1) * 16, 2016);
  EXPECT_EQ(Player().money, 70);
  EXPECT_EQ(AnimState, 0);
}

}  // namespace
