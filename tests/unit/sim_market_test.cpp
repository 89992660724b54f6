// The markets a visit draws: which rivals offer work and with what, and
// which free persons seek a job; every draw in the generator's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/unit/sim_test_support.h"

namespace {

class Markets : public ::testing::Test {
 protected:
  void SetUp() override { StartSmallWorld(); }
};

std::vector<int16_t> Clients() {
  std::vector<int16_t> clients;
  for (int32_t i = 0; i < OfferCount; ++i) clients.push_back(Offers[i].client);
  return clients;
}

std::vector<int32_t> Seekers() { return std::vector<int32_t>(IndexList, IndexList + SeekerCount); }

TEST_F(Markets, ARivalWithExactlyTheFloorIsNeverAClient) {
  AddRival("딱십만", 100000);
  AddRival("십만하나", 100001);
  int asked = 0;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    GameSrand(seed);
    BuildOffers();
    for (int16_t client : Clients()) EXPECT_EQ(client, 2);
    asked += OfferCount;
  }
  // One more than the floor wins its toss about half the time.
  EXPECT_GT(asked, 70);
  EXPECT_LT(asked, 130);
}

TEST_F(Markets, TheDrawsComeInTheirOrderAndRanges) {
  const int32_t rival = AddRival("부자", 2000000);
  const uint32_t seed = SeedWhere([] { return GameRand() % 2 == 0; });
  GameSrand(seed);
  GameRand();
  const int64_t reward = GameRand() % (2000000 / 50) + 10;
  const int jobType = GameRand() % 6;
  const int days = GameRand() % 180 + 5;
  GameSrand(seed);
  BuildOffers();
  ASSERT_EQ(OfferCount, 1);
  EXPECT_EQ(Offers[0].client, rival);
  EXPECT_EQ(Offers[0].reward, reward);
  EXPECT_EQ(Offers[0].jobType, jobType);
  EXPECT_EQ(Offers[0].days, days);
  for (uint32_t s = 0; s < 300; ++s) {
    GameSrand(s);
    BuildOffers();
    for (int32_t i = 0; i < OfferCount; ++i) {
      EXPECT_GE(Offers[i].days, 5);
      EXPECT_LE(Offers[i].days, 184);
      EXPECT_GE(Offers[i].reward, 10);
      EXPECT_LE(Offers[i].reward, 10 + 32767);
    }
  }
}

TEST_F(Markets, TwelveEligibleRivalsGiveAtMostTenFromTheLowestWinners) {
  for (int i = 0; i < 12; ++i) AddRival(("부자" + std::to_string(i)).c_str(), 200000 + i);
  // A seed where at least eleven tosses of the first twelve would be won.
  const uint32_t seed = SeedWhere([] {
    int won = 0;
    for (int i = 0; i < 12; ++i) {
      if (GameRand() % 2 == 0) {
        ++won;
        GameRand(), GameRand(), GameRand();
      }
    }
    return won >= 11;
  });
  GameSrand(seed);
  std::vector<int16_t> winners;
  for (int16_t i = 1; i <= 12 && winners.size() < 10; ++i) {
    if (GameRand() % 2 == 0) {
      winners.push_back(i);
      GameRand(), GameRand(), GameRand();
    }
  }
  GameSrand(seed);
  BuildOffers();
  EXPECT_EQ(OfferCount, 10);
  EXPECT_EQ(Clients(), winners);
  // The generator stops with the tenth offer: no toss for the rivals after it.
  const uint32_t after = GameRandomState();
  GameSrand(seed);
  for (int16_t i = 1; i <= winners.back(); ++i) {
    if (GameRand() % 2 == 0) GameRand(), GameRand(), GameRand();
  }
  EXPECT_EQ(GameRandomState(), after);
}

TEST_F(Markets, TheDrawSkipsEmployedPersonsAndRepeats) {
  AddPersons(3);
  Persons[1].employed = 1;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    GameSrand(seed);
    DrawJobSeekers();
    std::vector<int32_t> seen = Seekers();
    EXPECT_LE(SeekerCount, 2);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 0);
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
  }
}

TEST_F(Markets, TheDrawFollowsTheGeneratorInOrder) {
  AddPersons(50);
  GameSrand(7);
  const int draws = GameRand() % 11;
  std::vector<int32_t> expected;
  for (int n = 0; n < draws; ++n) {
    const int32_t c = GameRand() % 50;
    if (std::find(expected.begin(), expected.end(), c) == expected.end()) expected.push_back(c);
  }
  GameSrand(7);
  DrawJobSeekers();
  EXPECT_EQ(Seekers(), expected);
}

TEST_F(Markets, NobodyToDrawFromGivesAnEmptyList) {
  GameSrand(3);
  DrawJobSeekers();  // no persons at all: no division by their count
  EXPECT_EQ(SeekerCount, 0);
}

}  // namespace
