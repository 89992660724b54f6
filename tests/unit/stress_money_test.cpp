// SPDX-License-Identifier: GPL-2.0-or-later
// Cash at the ends of its field. A data file can give any company the
// largest or smallest cash there is (the loader saturates what does not
// fit); the rules that move money then keep to the field's range instead
// of wrapping round, which would turn the richest rival bankrupt or the
// player's fortune into a debt.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/unit/sim_test_support.h"

namespace {

constexpr int64_t Most = INT64_MAX;
constexpr int64_t Least = INT64_MIN;

// The rival walk's two draws: the amount, then the sign (0 of 3: a loss).
uint32_t WalkSeed(bool gain) {
  return SeedWhere([gain] {
    const int r = GameRand() % 200;
    const bool loss = GameRand() % 3 == 0;
    return r > 0 && loss != gain;
  });
}

TEST(CashAtTheEnds, ARivalAtTheTopGainsNothingAndStaysAlive) {
  StartSmallWorld();
  AddRival("큰손상사", Most);
  GameSrand(WalkSeed(true));
  TickCompany = 1;
  WalkRivalMoney();
  EXPECT_EQ(Companies[1].money, Most);
  EXPECT_EQ(BankruptCount, 0);
}

TEST(CashAtTheEnds, ARivalAtTheBottomLosesNothingAndIsBankrupt) {
  StartSmallWorld();
  AddRival("빈손상사", Least);
  GameSrand(WalkSeed(false));
  TickCompany = 1;
  WalkRivalMoney();
  EXPECT_EQ(Companies[1].money, Least);
  ASSERT_EQ(BankruptCount, 1);
  EXPECT_EQ(Ranking[0].bankruptIndex, 1);
}

TEST(CashAtTheEnds, ARewardTopsThePlayersCashUpAndNoFurther) {
  StartSmallWorld(Most - 5);
  Player().workTicks = 1;
  Player().isContract = 1;
  Player().progress = 100;
  Player().jobDays = 10;
  Player().bidOdds = 5;
  JobReward = 100;
  SettleJob();
  EXPECT_EQ(Player().money, Most);
  EXPECT_EQ(Player().workTicks, 0);

  // A sale as well.
  Player().workTicks = 1;
  Player().progress = 100;
  Player().jobDays = 50;
  GameSrand(SeedWhere([] { return GameRand() % 50 != 0; }));
  SettleJob();
  EXPECT_GT(JobReward, 0);
  EXPECT_EQ(Player().money, Most);
}

TEST(CashAtTheEnds, ANegativeSalaryPaysThePlayerNoFurtherThanTheTop) {
  StartSmallWorld(Most);
  // Pay cuts have driven the salary below -50: the payroll adds money.
  AddPerson("깎인이", true, -100);
  AddPerson("보통이", true, 100);
  DayCount = 30;
  UpdatePersons();
  EXPECT_EQ(Player().money, Most - 150);  // +50, held at the top, then -150
  EXPECT_EQ(Persons[0].stress, 1);        // both were paid
  EXPECT_EQ(Persons[1].stress, 1);
}

}  // namespace
