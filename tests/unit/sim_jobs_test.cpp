// SPDX-License-Identifier: GPL-2.0-or-later
// The running job: its daily progress and the evening's settlement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/sim_test_support.h"

namespace {

class Jobs : public ::testing::Test {
 protected:
  void SetUp() override { StartSmallWorld(); }

  static void StartContract(int32_t reward, int16_t days) {
    JobReward = reward;
    DDay = days;
    Player().workTicks = 1;
    Player().progress = 0;
    Player().isContract = 1;
    Player().jobDays = days;
  }
  static void ExpectNoJob() {
    EXPECT_EQ(Player().workTicks, 0);
    EXPECT_EQ(Player().progress, 0);
    EXPECT_EQ(Player().isContract, 0);
  }
};

TEST_F(Jobs, ProgressSumCountsThePlayersEmployeesOnly) {
  const int32_t a = AddPerson("가", true);
  Persons[a].stress = 100;  // 5 x 1000 + 1000 - 100
  AddPerson("나", false);
  const int32_t c = AddPerson("다", true);
  Persons[c].employer = 3;  // employed, but by another company
  const int32_t d = AddPerson("라", false);
  Persons[d].employer = PlayerCompany;  // listed with the player, not employed
  EXPECT_EQ(ProgressSum(PlayerCompany), 5900);
  EXPECT_EQ(ProgressSum(3), 6000);
}

TEST_F(Jobs, ADayAddsTheSumOverTheDrawPlus3000) {
  AddPerson("가", true);
  AddPerson("나", true);  // 12000
  StartContract(500, 1);
  AdvanceJob();  // jobDays 1: the remainder is 0, 12000 / 3000
  EXPECT_EQ(Player().progress, 4);
  EXPECT_EQ(DDay, 0);

  StartContract(500, 30000);
  GameSrand(SeedWhere([] { return GameRand() % 30000 >= 2000; }));
  AdvanceJob();  // 12000 / 5000 .. 12000 / 32999
  EXPECT_LE(Player().progress, 2);
}

TEST_F(Jobs, AStressedTeamAddsNothingOrTakesALittleBack) {
  const int32_t a = AddPerson("가", true);
  Persons[a].stress = 8999;  // 6000 - 8999 = -2999: truncated toward zero
  StartProduction(1);
  Player().progress = 50;
  AdvanceJob();
  EXPECT_EQ(Player().progress, 50);
  Persons[a].stress = 15000;  // -9000 / 3000
  AdvanceJob();
  EXPECT_EQ(Player().progress, 47);
}

TEST_F(Jobs, ADayWithoutAJobChangesAndDrawsNothing) {
  AddPerson("가", true);
  DDay = 5;
  GameSrand(77);
  AdvanceJob();
  SettleJob();
  EXPECT_EQ(DDay, 5);
  EXPECT_EQ(Player().progress, 0);
  EXPECT_EQ(GameRandomState(), 77u);
  EXPECT_TRUE(BoxesAndSounds().empty());
}

TEST_F(Jobs, AContractAt99WithNoDaysLeftIsBroken) {
  Player().money = 100;
  StartContract(50, 0);
  Player().progress = 99;
  Player().bidOdds = 5;
  SettleJob();
  EXPECT_EQ(Player().money, 0);  // the penalty 150 exceeds the money: no debt
  EXPECT_EQ(Player().bidOdds, 5);
  ExpectNoJob();
  EXPECT_EQ(BoxesAndSounds(),
            (std::vector<std::string>{
                "box 알림 | 수주 계약 일정을 벗어나 계약이 파기되고\\n계약금의 3배(150)를 배상합니다 | ok"}));
}

TEST_F(Jobs, ABreachCostsThreeTimesThePriceWhenTheMoneyIsThere) {
  Player().money = 1000;
  StartContract(300, 3);
  DDay = -2;  // overdue by more than a day is still a breach
  SettleJob();
  EXPECT_EQ(Player().money, 100);
}

TEST_F(Jobs, AContractAt100WithNoDaysLeftIsPaid) {
  Player().money = 100;
  StartContract(700, 0);
  Player().progress = 100;
  Player().bidOdds = 2;
  SettleJob();
  EXPECT_EQ(Player().money, 800);
  EXPECT_EQ(Player().bidOdds, 2);  // never below 2
  ExpectNoJob();
  EXPECT_EQ(BoxesAndSounds(), (std::vector<std::string>{"box 알림 | 수주건을 완료했습니다. 700의 돈을 받았습니다 | ok",
                                                        "sound sound/money.wav"}));
}

TEST_F(Jobs, ARunningContractWithinItsDaysWaits) {
  StartContract(700, 3);
  Player().progress = 130 - 31;
  SettleJob();
  EXPECT_EQ(Player().workTicks, 1);
  EXPECT_EQ(Player().isContract, 1);
  EXPECT_TRUE(BoxesAndSounds().empty());
  Player().progress = 130;  // past 100 is simply done
  SettleJob();
  ExpectNoJob();
}

TEST_F(Jobs, FinishedJobsLowerTheOddsByZeroOrOne) {
  const uint32_t keeps = SeedWhere([] { return GameRand() % 2 == 0; });
  const uint32_t lowers = SeedWhere([] { return GameRand() % 2 == 1; });
  for (const auto& [seed, start, expected] : std::vector<std::tuple<uint32_t, int8_t, int8_t>>{
           {keeps, 5, 5}, {lowers, 5, 4}, {lowers, 2, 2}, {keeps, 1, 2}, {lowers, -128, 127}}) {
    StartContract(10, 1);
    Player().progress = 100;
    Player().bidOdds = start;
    GameSrand(seed);
    SettleJob();
    EXPECT_EQ(Player().bidOdds, expected) << int(start);
  }
}

TEST_F(Jobs, AProductionOfOneDaySellsForNothing) {
  Player().money = 100;
  StartProduction(1);
  Player().progress = 100;
  JobReward = 999;
  SettleJob();
  EXPECT_EQ(JobReward, 0);
  EXPECT_EQ(Player().money, 100);
  ExpectNoJob();
  EXPECT_EQ(BoxesAndSounds(),
            (std::vector<std::string>{"box 알림 | 프로젝트를 마칩니다\\n좋은 제품이라 0의 가격에 팔립니다 | ok",
                                      "sound sound/money.wav"}));
}

TEST_F(Jobs, AProductionSellsForAHundredTimesTheDraw) {
  Player().money = 100;
  StartProduction(20);
  Player().progress = 100;
  GameSrand(1);  // 41 % 20 = 1
  SettleJob();
  EXPECT_EQ(JobReward, 100);
  EXPECT_EQ(Player().money, 200);
}

TEST_F(Jobs, AProductionOutOfDaysFailsWithTheCrackFirst) {
  Player().money = 100;
  StartProduction(5);
  DDay = 0;
  Player().progress = 60;
  SettleJob();
  EXPECT_EQ(Player().money, 100);
  ExpectNoJob();
  EXPECT_EQ(BoxesAndSounds(), (std::vector<std::string>{"sound sound/crack.wav",
                                                        "box 알림 | 프로젝트가 계획내에 끝나지 못했습니다 | ok"}));
}

TEST_F(Jobs, AJobOfNoDaysNeverReachesAZeroModulus) {
  AddPerson("가", true);
  for (int32_t days : {0, -4}) {
    StartProduction(static_cast<int16_t>(days));
    GameSrand(3);
    AdvanceJob();  // one draw, remainder 0: 6000 / 3000
    EXPECT_EQ(Player().progress, 2);
    EXPECT_EQ(GameRandomState(), StateAfterDraws(3, 1));
    Player().progress = 100;
    SettleJob();
    EXPECT_EQ(JobReward, 0);
  }
}

TEST_F(Jobs, NegotiationOddsBelowOneAreACertainSuccess) {
  for (int8_t odds : {0, -3}) {
    Player().bidOdds = odds;
    GameSrand(1);
    EXPECT_TRUE(BidSucceeds());
    EXPECT_EQ(GameRandomState(), StateAfterDraws(1, 1));
  }
  Player().bidOdds = 2;
  GameSrand(1);  // 41 is odd
  EXPECT_FALSE(BidSucceeds());
}

}  // namespace
