// SPDX-License-Identifier: GPL-2.0-or-later
// The nursing home: the visit, the donation's report and the day after it.
// The donation itself is a rule (sim_outings_test.cpp).
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using Donation = TownShell;

TEST_F(Donation, ADebtIsReportedAsGivenIn32Bits) {
  Player().money = -250;
  Enter(DonationScreen);
  FramesOn(DonationScreen);
  Player().money = -(int64_t{1} << 32) - 7;
  Enter(DonationScreen);
  FramesOn(DonationScreen);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box ^_^ | 양로원에 -250을 기부했습니다 | ok",
                                                        "box ^_^ | 양로원에 -7을 기부했습니다 | ok"}));
}

TEST_F(Donation, TheVisitShowsTheHomeForASecondThenReportsAndPassesADay) {
  Enter(DonationScreen);
  // The entry frame starts the clock; at 16 ms a frame the 63rd after it is
  // the first beyond 1000 ms.
  EXPECT_EQ(FramesOn(DonationScreen), 1 + 63);
  EXPECT_EQ(CurrentScreen, DayPassScreen);
  EXPECT_EQ(ScreenEntry, 1);
  EXPECT_EQ(Player().money, 4900);
  EXPECT_EQ(Player().bidOdds, 4);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(DayCount, 2);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box ^_^ | 양로원에 100을 기부했습니다 | ok"}));
}

// The whole way through the game on a world that starts the player with 99.
TEST(DonationReplay, TheLastNinetyNineAreGivenAndTheOddsStay) {
  ScratchDirectory scratch;
  const std::filesystem::path tree = scratch.Path() / "tree";
  WriteTreeWithPlayerMoney(tree, "99");
  PlayScript(tree, (std::string(NewGameToOffice) + R"(
click 80 30
until TownMapScreen
click 250 383
until DonationScreen 300
until OfficeScreen
)")
                       .c_str());
  EXPECT_TRUE(TownShell::Logged("box ^_^ | 양로원에 99을 기부했습니다 | ok"));
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().bidOdds, 5);
  EXPECT_EQ(DayCount, 2);
}

}  // namespace
