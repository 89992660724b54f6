// SPDX-License-Identifier: GPL-2.0-or-later
// The rivals' walk, their bankruptcy and removal, and the ranking.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/sim_test_support.h"

namespace {

class Rivals : public ::testing::Test {
 protected:
  void SetUp() override { StartSmallWorld(); }
};

// A seed whose next walk moves a rival by `delta`.
uint32_t SeedMoving(int delta) {
  return SeedWhere([delta] {
    const int r = GameRand() % 200;
    const bool loss = GameRand() % 3 == 0;
    return (loss ? -r : r) == delta && (delta != 0 || loss);
  });
}

std::vector<std::string> CompanyNames() {
  std::vector<std::string> names;
  for (int32_t i = 0; i < CompanyCount; ++i) names.push_back(JohabToUtf8(Companies[i].name));
  return names;
}

TEST_F(Rivals, ARivalAt150Drawing199GoesBankruptThatEvening) {
  AddRival("가나상사", 5000);
  const int32_t poor = AddRival("다라전자", 150);
  AddRival("마바소프트", 7000);
  GameSrand(SeedMoving(-199));
  TickCompany = poor;
  WalkRivalMoney();
  EXPECT_EQ(Companies[poor].money, -49);
  ASSERT_EQ(BankruptCount, 1);
  EXPECT_EQ(Ranking[0].bankruptIndex, poor);

  AnnounceBankruptcies();
  BankruptSweep(BankruptCount);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box 알림 | 다라전자가 망해 사라집니다 | ok"}));
  // The last rival fills the hole; the player stays first.
  EXPECT_EQ(CompanyNames(), (std::vector<std::string>{"우리회사", "가나상사", "마바소프트"}));
  EXPECT_EQ(Companies[3].kind, 0);
  EXPECT_EQ(Companies[3].money, 0);
}

TEST_F(Rivals, ExactlyZeroIsBankruptAndOneIsNot) {
  const int32_t a = AddRival("가나상사", 7);
  const int32_t b = AddRival("다라전자", 8);
  const uint32_t seed = SeedMoving(-7);
  GameSrand(seed);
  TickCompany = a;
  WalkRivalMoney();
  GameSrand(seed);
  TickCompany = b;
  WalkRivalMoney();
  EXPECT_EQ(Companies[a].money, 0);
  EXPECT_EQ(Companies[b].money, 1);
  ASSERT_EQ(BankruptCount, 1);
  EXPECT_EQ(Ranking[0].bankruptIndex, a);
}

TEST_F(Rivals, TheWalkDrawsTheAmountFirstThenTheSign) {
  const int32_t a = AddRival("가나상사", 1000);
  GameSrand(1);  // draws 41, 18467: 41, and 18467 % 3 = 2 is a gain
  TickCompany = a;
  WalkRivalMoney();
  EXPECT_EQ(Companies[a].money, 1041);
  GameSrand(0);  // draws 38, 7719: 7719 % 3 = 0 is a loss
  WalkRivalMoney();
  EXPECT_EQ(Companies[a].money, 1003);
}

TEST_F(Rivals, NothingWalksOutsideTheRivals) {
  AddRival("가나상사", 1000);
  GameSrand(5);
  for (int32_t tick : {0, 2, -1, 500}) {
    TickCompany = tick;
    WalkRivalMoney();
  }
  EXPECT_EQ(Player().money, 1000);
  EXPECT_EQ(GameRandomState(), 5u);
}

TEST_F(Rivals, TwoBankruptInOneDayComeInTheOrderFoundEvenWithTheLastRecord) {
  AddRival("가나상사\n", -3);  // the line end of its data-file line ends the name in the box
  AddRival("다라전자", 400);
  AddRival("마바소프트", 0);
  // Found in the walk's order: 1 first, then 3, the last record.
  Ranking[0].bankruptIndex = 1;
  Ranking[1].bankruptIndex = 3;
  BankruptCount = 2;
  AnnounceBankruptcies();
  BankruptSweep(BankruptCount);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box 알림 | 가나상사가 망해 사라집니다 | ok",
                                                        "box 알림 | 마바소프트가 망해 사라집니다 | ok"}));
  EXPECT_EQ(CompanyNames(), (std::vector<std::string>{"우리회사", "다라전자"}));
}

TEST_F(Rivals, ASweepThatRemovesOtherThanAnnouncedSaysSo) {
  AddRival("가나상사", 100);
  AddRival("다라전자", 200);
  Companies[2].kind = KindBankrupt;
  BankruptSweep(2);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box ERROR | 소팅 에러 | ok"}));
  EXPECT_EQ(CompanyCount, 2);  // what it removed stays removed
}

TEST_F(Rivals, AListEntryNamingNoRivalAnnouncesNothing) {
  AddRival("가나상사", 100);
  Ranking[0].bankruptIndex = 0;  // the player is never bankrupt
  Ranking[1].bankruptIndex = 77;
  BankruptCount = 2;
  AnnounceBankruptcies();
  EXPECT_TRUE(LogLines("box ").empty());
  EXPECT_EQ(Player().kind, KindPlayer);
}

TEST_F(Rivals, ALongBankruptcyNameFitsTheMessage) {
  const int32_t i = AddRival("가", -1);
  std::memset(Companies[i].name, 0xB0, sizeof Companies[i].name);  // no terminator at all
  Ranking[0].bankruptIndex = i;
  BankruptCount = 1;
  AnnounceBankruptcies();
  ASSERT_EQ(LogLines("box ").size(), 1u);
  EXPECT_LT(std::strlen(MessageText), sizeof MessageText);
}

// Ranking: the entries as (name, money) after BuildRanking.
std::vector<std::string> RankedNames() {
  std::vector<std::string> names;
  for (int32_t i = 0; i < CompanyCount; ++i) names.push_back(JohabToUtf8(Ranking[i].name));
  return names;
}

TEST_F(Rivals, RankingIsRichestFirstAndTheFirstOfEqualsStays) {
  Player().money = 500;
  AddRival("가나상사", 500);
  BuildRanking();
  EXPECT_EQ(RankedNames(), (std::vector<std::string>{"우리회사", "가나상사"}));
  EXPECT_TRUE(PlayerLeads());

  Companies[1].money = 501;
  BuildRanking();
  EXPECT_EQ(RankedNames(), (std::vector<std::string>{"가나상사", "우리회사"}));
  EXPECT_FALSE(PlayerLeads());
}

TEST_F(Rivals, RankingTiesEndAsTheGapsLeaveThem) {
  // With five entries the gap of 4 swaps the first and the last, carrying
  // A behind B although A came first: the sort is not stable.
  Player().money = 3;
  SetJohabName(Companies[0].name, sizeof Companies[0].name, "가");
  AddRival("나", 3);
  AddRival("다", 1);
  AddRival("라", 1);
  AddRival("마", 5);
  BuildRanking();
  EXPECT_EQ(RankedNames(), (std::vector<std::string>{"마", "나", "가", "다", "라"}));
  EXPECT_FALSE(PlayerLeads());
}

TEST_F(Rivals, RankingSortsSignedMoneyOverManyGaps) {
  // 40 entries use the gaps 13, 4 and 1.
  const int64_t values[] = {5, -7, 0, 9000000000LL, -9000000000LL, 3, 3, 12, 1, 2};
  for (int i = 0; i < 39; ++i) AddRival("가", values[i % 10] + i % 3);
  BuildRanking();
  for (int32_t i = 1; i < CompanyCount; ++i) ASSERT_GE(Ranking[i - 1].money, Ranking[i].money) << i;
  EXPECT_EQ(Ranking[0].money, 9000000000LL + 2);
}

TEST_F(Rivals, SortingNoneOrOneEntryChangesNothing) {
  Ranking[0].money = 1;
  Ranking[1].money = 99;
  SortRanking(0);
  SortRanking(1);
  EXPECT_EQ(Ranking[0].money, 1);
  EXPECT_EQ(Ranking[1].money, 99);
}

TEST_F(Rivals, BuildingTheRankingLeavesTheBankruptListAlone) {
  AddRival("가나상사", 10);
  Ranking[0].bankruptIndex = 1;
  Ranking[1].bankruptIndex = 0;
  BuildRanking();  // nothing moves: the player is richer
  EXPECT_EQ(Ranking[0].bankruptIndex, 1);
  EXPECT_EQ(Ranking[1].bankruptIndex, 0);
}

TEST_F(Rivals, AFullNameFieldIsCutToTheRankingEntry) {
  std::memset(Companies[0].name, 'A', sizeof Companies[0].name);
  BuildRanking();
  EXPECT_EQ(std::strlen(Ranking[0].name), sizeof Ranking[0].name - 1);
}

}  // namespace
