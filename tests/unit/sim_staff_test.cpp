// SPDX-License-Identifier: GPL-2.0-or-later
// Hiring, the daily pass over the pool with the month-end payroll and leave
// selection, the release of leavers, and the personnel actions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/sim_test_support.h"

namespace {

class Staff : public ::testing::Test {
 protected:
  void SetUp() override { StartSmallWorld(0); }
};

TEST_F(Staff, ShortMoneyPaysInPoolOrder) {
  const int32_t free = AddPerson("가", false, 500);
  const int32_t first = AddPerson("나", true, 100, 5);
  const int32_t second = AddPerson("다", true, 100, 5);
  Persons[second].morale = 0;
  Player().money = 150;  // exactly the first one's salary + 50
  DayCount = 30;
  UpdatePersons();
  EXPECT_EQ(Player().money, 0);
  // Drift moves morale afterwards; stress gains exactly 1 a day besides.
  EXPECT_EQ(Persons[first].stress, 6);
  EXPECT_EQ(Persons[second].stress, 5 + 10 + 1);
  EXPECT_EQ(Persons[free].stress, 1);
}

TEST_F(Staff, UnpaidPersonsLoseMoraleButNotBelowZero) {
  // The same draws paid and unpaid: the difference is the unpaid month's.
  for (int16_t morale : {500, 0}) {
    const int32_t p = AddPerson("가", true, 100, 0);
    DayCount = 60;
    Persons[p].morale = morale;
    Player().money = 1000;
    GameSrand(9);
    UpdatePersons();
    const int16_t paid = Persons[p].morale;
    Persons[p].morale = morale;
    Player().money = 0;
    GameSrand(9);
    UpdatePersons();
    EXPECT_EQ(Persons[p].morale, morale > 0 ? paid - 1 : paid);
    EXPECT_EQ(Player().money, 0);
    PersonCount = 0;
  }
}

TEST_F(Staff, PayrollChargesSalaryPlus50AndNegativeSalariesAddMoney) {
  AddPerson("가", true, 200);
  AddPerson("나", true, -80);
  Player().money = 1000;
  DayCount = 30;
  UpdatePersons();
  EXPECT_EQ(Player().money, 1000 - 250 + 30);
}

TEST_F(Staff, EveryPersonDrawsTheLeaveAndTheDrift) {
  for (int i = 0; i < 7; ++i) AddPerson("가", i % 2 == 0);
  GameSrand(4);
  DayCount = 30;
  UpdatePersons();
  EXPECT_EQ(GameRandomState(), StateAfterDraws(4, 7 * 11));
  GameSrand(4);
  DayCount = 31;
  UpdatePersons();
  EXPECT_EQ(GameRandomState(), StateAfterDraws(4, 7 * 10));
  EXPECT_EQ(ListCount, 0);
}

TEST_F(Staff, DriftStaysWithinFiveAndLeavesTheFifthAptitude) {
  const int32_t a = AddPerson("가", false);
  Persons[a].aptitude[4] = 1234;
  GameSrand(11);
  for (int day = 0; day < 200; ++day) {
    const Person before = Persons[a];
    DayCount = 31;
    UpdatePersons();
    for (int k = 0; k < 4; ++k) ASSERT_LE(std::abs(Persons[a].aptitude[k] - before.aptitude[k]), 5);
    ASSERT_LE(std::abs(Persons[a].morale - before.morale), 5);
    ASSERT_EQ(Persons[a].aptitude[4], 1234);
    ASSERT_EQ(Persons[a].stress, before.stress + 1);
  }
  // Falls one time in three: the aptitudes rise on average.
  EXPECT_GT(Persons[a].aptitude[0] + Persons[a].aptitude[1] + Persons[a].aptitude[2] + Persons[a].aptitude[3], 4000);
}

TEST_F(Staff, Stress49NeverLeavesAnd69AlwaysLeaves) {
  const int32_t calm = AddPerson("가", true, 100, 49);
  const int32_t tense = AddPerson("나", true, 100, 69);
  const int32_t freeTense = AddPerson("다", false, 100, 69);
  Player().money = 1000000;
  int leftMiddle = 0;
  const int32_t middle = AddPerson("라", true, 100, 59);
  for (uint32_t seed = 0; seed < 300; ++seed) {
    Persons[calm].stress = 49;
    Persons[tense].stress = 69;
    Persons[freeTense].stress = 69;
    Persons[middle].stress = 59;
    ListCount = 0;
    GameSrand(seed);
    DayCount = 30;
    UpdatePersons();
    ASSERT_GE(ListCount, 1);
    ASSERT_EQ(IndexList[0], tense);
    for (int32_t k = 0; k < ListCount; ++k) {
      ASSERT_NE(IndexList[k], calm);
      ASSERT_NE(IndexList[k], freeTense);
      if (IndexList[k] == middle) ++leftMiddle;
    }
  }
  EXPECT_GT(leftMiddle, 0);
  EXPECT_LT(leftMiddle, 300);
}

TEST_F(Staff, TheLeaveListNeverRunsPastItsEnd) {
  Player().money = 100000000;
  for (int i = 0; i < 600; ++i) AddPerson("가", true, 100, 500);
  DayCount = 30;
  UpdatePersons();
  EXPECT_EQ(ListCount, IndexListSize);
  EXPECT_EQ(IndexList[IndexListSize - 1], IndexListSize - 1);
  ReleaseLeavers();
  EXPECT_EQ(Player().staffCount, 100);
  EXPECT_EQ(Persons[IndexListSize].employed, 1);  // stays for this month
  EXPECT_EQ(LogLines("box ").size(), static_cast<size_t>(IndexListSize));
}

TEST_F(Staff, LeaversAreReleasedWithOneBoxEachInListOrder) {
  AddPerson("가", true);
  const int32_t b = AddPerson("나나", true, 333, 80);
  const int32_t c = AddPerson("다다다", true, 120, 90);
  IndexList[0] = c;
  IndexList[1] = b;
  ListCount = 2;
  ReleaseLeavers();
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box 알림 | 다다다가 회사를 그만둡니다 | ok",
                                                        "box 알림 | 나나가 회사를 그만둡니다 | ok"}));
  EXPECT_EQ(Player().staffCount, 1);
  for (int32_t i : {b, c}) {
    EXPECT_EQ(Persons[i].employed, 0);
    EXPECT_EQ(Persons[i].employer, -1);
    EXPECT_EQ(Persons[i].stress, 0);
  }
  EXPECT_EQ(Persons[b].salary, 333);  // the last salary is the one asked for next
  // The name field itself stays Johab.
  EXPECT_EQ(JohabToUtf8(Persons[b].name), "나나");
}

TEST_F(Staff, AnEmptyLeaveListShowsNothing) {
  AddPerson("가", true);
  ListCount = 0;
  ReleaseLeavers();
  EXPECT_TRUE(LogLines("box ").empty());
  EXPECT_EQ(Player().staffCount, 1);
}

TEST_F(Staff, HiringTakesTheSelectedSeekerOffTheList) {
  for (int i = 0; i < 4; ++i) AddPerson("가", false, static_cast<int16_t>(100 + i));
  for (int i = 0; i < 4; ++i) IndexList[i] = 3 - i;
  SeekerCount = 4;
  ListCursor = 1;  // person 2
  HirePerson();
  EXPECT_EQ(Persons[2].employed, 1);
  EXPECT_EQ(Persons[2].employer, PlayerCompany);
  EXPECT_EQ(Persons[2].salary, 102);
  EXPECT_EQ(Player().staffCount, 1);
  EXPECT_EQ(SeekerCount, 3);
  EXPECT_EQ((std::vector<int32_t>{IndexList[0], IndexList[1], IndexList[2]}), (std::vector<int32_t>{3, 1, 0}));
  EXPECT_EQ(LogLines("sound "), (std::vector<std::string>{"sound sound/003.wav"}));

  ListCursor = 3;  // past the list's end now: nobody is hired
  HirePerson();
  EXPECT_EQ(Player().staffCount, 1);
  EXPECT_EQ(SeekerCount, 3);
}

TEST_F(Staff, PromotionAndRaiseNeedValuesAbove1000) {
  const int32_t p = AddPerson("가", true, 100, 40);
  GameSrand(6);
  Promote(p);
  RaiseStep(p);  // aptitude[3] and morale are exactly 1000
  EXPECT_EQ(Persons[p].salary, 100);
  EXPECT_EQ(Persons[p].stress, 40);
  EXPECT_EQ(GameRandomState(), 6u);

  Persons[p].aptitude[3] = 1001;  // relief below 1: nothing off the stress
  Promote(p);
  EXPECT_EQ(Persons[p].salary, 150);
  EXPECT_EQ(Persons[p].stress, 40);

  Persons[p].morale = 1300;
  GameSrand(1);  // 41 % 300
  RaiseStep(p);
  EXPECT_EQ(Persons[p].salary, 160);
  EXPECT_EQ(Persons[p].stress, -1);

  Persons[p].stress = -10000;  // relief stops there
  Promote(p);
  EXPECT_EQ(Persons[p].salary, 160);
}

TEST_F(Staff, PayCutsHaveNoFloor) {
  const int32_t p = AddPerson("가", true, 5, 0);
  CutPay(p);
  CutPay(p);
  EXPECT_EQ(Persons[p].salary, -15);
  EXPECT_EQ(Persons[p].stress, 20);
}

TEST_F(Staff, RetiringTheLastOfThreeStressesTheOthers) {
  const int32_t a = AddPerson("가", true, 10, 0);
  const int32_t b = AddPerson("나", true, 10, 0);
  const int32_t c = AddPerson("다", false, 10, 0);
  RetireHonorably(a);
  EXPECT_EQ(Persons[a].employed, 0);
  EXPECT_EQ(Persons[a].employer, -1);
  EXPECT_GE(Persons[a].salary, 50);
  EXPECT_LE(Persons[a].salary, 149);
  EXPECT_EQ(Persons[a].stress, 0);  // kept, not raised
  EXPECT_EQ(Persons[b].stress, 2);
  EXPECT_EQ(Persons[c].stress, 0);
  RetireHonorably(b);
  EXPECT_EQ(Player().staffCount, 0);

  Persons[c].salary = 900;  // a high salary is kept
  Persons[c].employed = 1;
  Persons[c].employer = PlayerCompany;
  RetireHonorably(c);
  EXPECT_EQ(Persons[c].salary, 900);
}

TEST_F(Staff, ASeekerWhoWaited70DaysLeavesAtTheNextMonthEnd) {
  const int32_t p = AddPerson("가", false);
  Player().money = 100000;
  for (DayCount = 2; DayCount <= 71; ++DayCount) {
    UpdatePersons();
  }
  EXPECT_EQ(Persons[p].stress, 70);
  IndexList[0] = p;
  SeekerCount = 1;
  ListCursor = 0;
  HirePerson();
  for (; !IsMonthEnd(DayCount); ++DayCount) UpdatePersons();
  ListCount = 0;
  UpdatePersons();
  ASSERT_EQ(ListCount, 1);
  EXPECT_EQ(IndexList[0], p);
}

}  // namespace
