// SPDX-License-Identifier: GPL-2.0-or-later
// The contract market: the list's rows, the refusals and the confirmation,
// the negotiation's pictures and its draw, and the day that always follows.
// Which rivals offer work is the market's rule (sim_market_test.cpp).
#include <algorithm>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "screens/contract_list.h"
#include "screens/negotiation.h"
#include "screens/office.h"
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using Market = TownShell;

// A seed from which the visit's draws give `wanted` offers.
uint32_t SeedForOffers(int32_t wanted) {
  return SeedWhere([wanted] {
    BuildOffers();
    return OfferCount == wanted;
  });
}

TEST_F(Market, PoorRivalsOrLostTossesGiveTheEmptyList) {
  AddRival("가난", 99999);
  GameSrand(1);
  BuildOffers();
  EXPECT_EQ(OfferCount, 0);
  EXPECT_EQ(OfferRowAt(10, 80), -1);
}

TEST_F(Market, TheRowsEndAtTheLastOfferAndAtX479) {
  OfferCount = 3;
  EXPECT_EQ(OfferRowAt(0, 80), 0);
  EXPECT_EQ(OfferRowAt(479, 99), 0);
  EXPECT_EQ(OfferRowAt(479, 100), 1);
  EXPECT_EQ(OfferRowAt(200, 79 + 20 * 3), 2);
  EXPECT_EQ(OfferRowAt(200, 80 + 20 * 3), -1);
  EXPECT_EQ(OfferRowAt(480, 80), -1);
  EXPECT_EQ(OfferRowAt(-1, 80), -1);
  EXPECT_EQ(OfferRowAt(200, 79), -1);
  OfferCount = 10;
  EXPECT_EQ(OfferRowAt(0, 279), 9);
  EXPECT_EQ(OfferRowAt(0, 280), -1);
}

TEST_F(Market, TheLineHasItsWidthsAndEndsTheNameAtItsLineEnd) {
  const int32_t rival = AddRival("ABC\n", 500000);
  ContractOffer offer{1234, 3, static_cast<int16_t>(rival), 0, 77};
  char line[160];
  FormatOfferLine(offer, line, sizeof line);
  EXPECT_EQ(std::string(line), std::string("ABC             ") + JohabText(u8"게임 개발") +
                                   std::string(25 - std::string(JohabText(u8"게임 개발")).size(), ' ') +
                                   "       1234       77");
}

class MarketVisit : public Market {
 protected:
  void SetUp() override {
    Market::SetUp();
    for (int i = 0; i < 4; ++i) AddRival(("부자" + std::to_string(i)).c_str(), 1000000);
    GameSrand(SeedForOffers(3));
    Enter(ContractListScreen);
    RunFramesForTest(1);
    ASSERT_EQ(OfferCount, 3);
  }
  // The day pass that follows, up to the office.
  static void PassTheDay() {
    FramesOn(DayPassScreen);
    EXPECT_EQ(CurrentScreen, OfficeScreen);
  }
};

TEST_F(MarketVisit, AnOfferTakenWhileAJobRunsIsRefused) {
  Player().workTicks = 3;
  JobReward = 777;
  Click(100, 79 + 20 * 3);
  RunFramesForTest(2);
  EXPECT_TRUE(Logged("box 알림 | 현재 진행중인 일이 있어 안됩니다 | ok"));
  EXPECT_EQ(JobReward, 777);
  EXPECT_EQ(CurrentScreen, ContractListScreen);
}

TEST_F(MarketVisit, NoKeepsTheListAndTheNextOfferOverwritesTheTerms) {
  HeadlessQueueBoxAnswer(AnswerNo);
  Click(100, 80);
  RunFramesForTest(2);
  EXPECT_TRUE(Logged("box 알림 | 이 내용을 수주하시겠습니까? | no"));
  EXPECT_EQ(CurrentScreen, ContractListScreen);
  EXPECT_EQ(JobReward, Offers[0].reward);
  EXPECT_EQ(DDay, Offers[0].days);
  HeadlessQueueBoxAnswer(AnswerNo);
  Click(100, 125);
  RunFramesForTest(2);
  EXPECT_EQ(JobReward, Offers[2].reward);
  EXPECT_EQ(JobClient, Offers[2].client);
  EXPECT_EQ(JobType, Offers[2].jobType);
  EXPECT_EQ(DDay, Offers[2].days);
  EXPECT_EQ(Player().workTicks, 0);
  // Below the last line and right of x 479 nothing is asked.
  Click(100, 140);
  Click(480, 80);
  RunFramesForTest(2);
  EXPECT_EQ(CurrentScreen, ContractListScreen);
  EXPECT_FALSE(HeadlessFailed()) << HeadlessFailure();
}

TEST_F(MarketVisit, TheReturnButtonPassesADay) {
  const int32_t day = DayCount;
  LeaveThroughReturn(ContractListScreen);
  EXPECT_EQ(CurrentScreen, DayPassScreen);
  PassTheDay();
  EXPECT_EQ(DayCount, day + 1);
}

TEST_F(MarketVisit, TheSixPicturesLastEightHundredMillisecondsEach) {
  uint8_t palette[768] = {};
  std::vector<uint8_t> office(FrameBytes, 1);
  ASSERT_TRUE(WriteImage("data/mo001.kxg", office.data(), 640, 480, palette));
  for (int n = 1; n <= 6; ++n) {
    std::vector<uint8_t> picture(220 * 90, static_cast<uint8_t>(10 + n));
    ASSERT_TRUE(WriteImage(("data/ani" + std::to_string(n) + ".kxg").c_str(), picture.data(), 220, 90, palette));
  }
  HeadlessQueueBoxAnswer(AnswerYes);
  Click(100, 80);
  RunFramesForTest(1);
  ASSERT_EQ(CurrentScreen, NegotiationScreen);
  const auto pixel = [](int x, int y) { return HeadlessLastFrame()[y * 640 + x]; };
  std::vector<int> shown;
  int frames = 0;
  while (CurrentScreen == NegotiationScreen && frames < 1000) {
    RunFramesForTest(1);
    ++frames;
    if (CurrentScreen != NegotiationScreen) break;
    const int colour = pixel(210, 195);
    EXPECT_EQ(pixel(429, 284), colour);
    EXPECT_EQ(pixel(430, 195), 1);
    EXPECT_EQ(pixel(210, 285), 1);
    if (shown.empty() || shown.back() != colour) shown.push_back(colour);
  }
  EXPECT_EQ(shown, (std::vector<int>{11, 12, 13, 14, 15, 16}));
  // 16 ms a frame: each picture stays until more than 800 ms have passed.
  EXPECT_GE(frames * 16, 6 * 800);
  EXPECT_LE(frames * 16, 6 * 800 + 6 * 2 * 16 + 32);
  EXPECT_EQ(CurrentScreen, DayPassScreen);
}

TEST_F(MarketVisit, BidOddsOfOneAlwaysConclude) {
  Player().bidOdds = 1;
  HeadlessQueueBoxAnswer(AnswerYes);
  Click(100, 100);
  RunFramesForTest(1);
  FramesOn(NegotiationScreen);
  EXPECT_TRUE(Logged("box 알림 | 축하합니다. 계약이 이루어졌습니다 | ok"));
  EXPECT_EQ(Player().workTicks, 1);
  EXPECT_EQ(Player().isContract, 1);
  EXPECT_EQ(Player().progress, 0);
  EXPECT_EQ(Player().jobDays, Offers[1].days);
  EXPECT_EQ(JobReward, Offers[1].reward);
  EXPECT_EQ(AnimState, 0);
  PassTheDay();
  // The first day of the contract has passed.
  EXPECT_EQ(DDay, Offers[1].days - 1);
}

TEST_F(Market, BidOddsOfTwoConcludeAboutHalfTheNegotiations) {
  for (int i = 0; i < 3; ++i) AddRival(("부자" + std::to_string(i)).c_str(), 1000000);
  int concluded = 0;
  const int tries = 24;
  for (int n = 0; n < tries; ++n) {
    StartTestShell();
    Player().workTicks = 0;
    Player().isContract = 0;
    Player().bidOdds = 2;
    GameSrand(static_cast<uint32_t>(1000 + n * 7));
    Enter(NegotiationScreen);
    FramesOn(NegotiationScreen);
    ASSERT_EQ(CurrentScreen, DayPassScreen);
    if (Logged("box 알림 | 축하합니다. 계약이 이루어졌습니다 | ok")) {
      ++concluded;
      EXPECT_EQ(Player().workTicks, 1);
    } else {
      EXPECT_TRUE(Logged("box 알림 | 다음 기회를 이용해주세요 | ok"));
      EXPECT_EQ(Player().workTicks, 0);
      EXPECT_EQ(Player().isContract, 0);
    }
  }
  EXPECT_GT(concluded, 4);
  EXPECT_LT(concluded, tries - 4);
}

TEST_F(Market, ANegotiationNeverReplacesAJobThatRuns) {
  Player().bidOdds = 1;
  Player().workTicks = 7;
  Player().isContract = 1;
  Enter(NegotiationScreen);
  FramesOn(NegotiationScreen);
  EXPECT_TRUE(Logged("box 알림 | 다음 기회를 이용해주세요 | ok"));
  EXPECT_EQ(Player().workTicks, 0);
}

TEST_F(Market, TheContractBandOpensTheMarket) {
  CurrentScreen = OfficeScreen;
  Click(60, 60);
  RunFramesForTest(12);
  EXPECT_EQ(CurrentScreen, ContractListScreen);
  EXPECT_EQ(ReturnScreen, OfficeScreen);
  EXPECT_EQ(ScreenEntry, 0);  // the list has been drawn up
}

}  // namespace
