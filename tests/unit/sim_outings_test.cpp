// SPDX-License-Identifier: GPL-2.0-or-later
// The dinner's bill and relief, and the donation.
#include <gtest/gtest.h>

#include "tests/unit/sim_test_support.h"

namespace {

class Outings : public ::testing::Test {
 protected:
  void SetUp() override { StartSmallWorld(); }
};

TEST_F(Outings, DinnerStressFallsByTenToNoLowerThanZeroForThePlayersStaffOnly) {
  const int32_t seven = AddPerson("칠", true, 100, 7);
  const int32_t twentyFive = AddPerson("이십오", true, 100, 25);
  const int32_t negative = AddPerson("음수", true, 100, -40);
  const int32_t ten = AddPerson("십", true, 100, 10);
  const int32_t free = AddPerson("자유", false, 100, 25);
  const int32_t rivals = AddPerson("남", false, 100, 25);
  Persons[rivals].employer = 1;
  Persons[rivals].employed = 1;
  RelieveDinnerStress();
  EXPECT_EQ(Persons[seven].stress, 0);
  EXPECT_EQ(Persons[twentyFive].stress, 15);
  EXPECT_EQ(Persons[negative].stress, 0);
  EXPECT_EQ(Persons[ten].stress, 0);
  EXPECT_EQ(Persons[free].stress, 25);
  EXPECT_EQ(Persons[rivals].stress, 25);
}

TEST_F(Outings, TheDinnersCostIsA32BitProductAndItsBillSaturates) {
  Player().staffCount = 70000;
  DinnerParams.values[0] = 70000;
  EXPECT_EQ(DinnerCost(), static_cast<int32_t>(70000u * 70000u));
  Player().staffCount = 3;
  DinnerParams.values[0] = -5;
  EXPECT_EQ(DinnerCost(), -15);
  // A garbled price below zero refunds; the refund stops at the field's top.
  Player().money = INT64_MAX - 5;
  EXPECT_EQ(HoldDinner(), -15);
  EXPECT_EQ(Player().money, INT64_MAX);
}

TEST_F(Outings, AFullDonationIsAHundredAndEasesTheOddsDownToOne) {
  Player().money = 100;
  Player().bidOdds = 5;
  EXPECT_EQ(MakeDonation(), 100);
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().bidOdds, 4);
  Player().money = 1000;
  Player().bidOdds = 1;
  EXPECT_EQ(MakeDonation(), 100);
  EXPECT_EQ(Player().money, 900);
  EXPECT_EQ(Player().bidOdds, 1);
}

TEST_F(Outings, LessThanAHundredGivesWhatIsLeftEvenADebtAndKeepsTheOdds) {
  Player().money = 99;
  Player().bidOdds = 5;
  EXPECT_EQ(MakeDonation(), 99);
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().bidOdds, 5);
  Player().money = -250;
  EXPECT_EQ(MakeDonation(), -250);
  EXPECT_EQ(Player().money, 0);
}

}  // namespace
