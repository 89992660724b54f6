// The company dinner: two seconds of the picture, the bill per head, the
// stress relief of the player's staff only, the report and the day.
#include <cstdint>
#include <string>

#include "screens/dinner.h"
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
  EXPECT_EQ(NoticeCode, 4);  // the day report came after it
}

TEST_F(Dinner, StressFallsByTenToNoLowerThanZero) {
  const int32_t seven = AddPerson("칠", true, 100, 7);
  const int32_t twentyFive = AddPerson("이십오", true, 100, 25);
  const int32_t negative = AddPerson("음수", true, 100, -40);
  const int32_t ten = AddPerson("십", true, 100, 10);
  const int32_t free = AddPerson("자유", false, 100, 25);
  const int32_t rivals = AddPerson("남", false, 100, 25);
  Persons[rivals].employer = 1;
  Persons[rivals].employed = 1;
  GameSrand(1);
  RelieveDinnerStress();
  EXPECT_EQ(Persons[seven].stress, 0);
  EXPECT_EQ(Persons[twentyFive].stress, 15);
  EXPECT_EQ(Persons[negative].stress, 0);
  EXPECT_EQ(Persons[ten].stress, 0);
  EXPECT_EQ(Persons[free].stress, 25);
  EXPECT_EQ(Persons[rivals].stress, 25);
}

TEST_F(Dinner, MoneyEqualToTheCostEndsAtZero) {
  AddPerson("하나", true);
  AddPerson("둘", true);
  Player().money = 60;
  HoldDinner();
  EXPECT_EQ(Player().money, 0);
  EXPECT_TRUE(Logged("box ^_^ | 60만큼의 회식비가 들었습니다 | ok"));
}

TEST_F(Dinner, ANegativePriceAtTheTopOfTheFieldLeavesTheMoneyThere) {
  // A garbled main.dat may price the dinner below zero; the refund must not
  // wrap a fortune round into a debt.
  AddPerson("하나", true);
  DinnerParams.values[0] = -30;
  Player().money = INT64_MAX - 5;
  HoldDinner();
  EXPECT_EQ(Player().money, INT64_MAX);
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

TEST_F(Dinner, TheCostIsA32BitProduct) {
  Player().staffCount = 70000;
  DinnerParams.values[0] = 70000;
  EXPECT_EQ(DinnerCost(), static_cast<int32_t>(70000u * 70000u));
  Player().staffCount = 3;
  DinnerParams.values[0] = -5;
  EXPECT_EQ(DinnerCost(), -15);
}

}  // namespace
