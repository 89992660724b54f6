// The nursing home: the donation, its report and the day after it.
#include "screens/donation.h"
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using Donation = TownShell;

TEST_F(Donation, AHundredIsGivenAndTheOddsImprove) {
  Player().money = 100;
  Player().bidOdds = 5;
  MakeDonation();
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().bidOdds, 4);
  EXPECT_EQ(WansungToUtf8(MessageText), "양로원에 100을 기부했습니다");
  Player().money = 1000;
  Player().bidOdds = 1;
  MakeDonation();
  EXPECT_EQ(Player().money, 900);
  EXPECT_EQ(Player().bidOdds, 1);
}

TEST_F(Donation, LessThanAHundredGivesWhatIsLeftAndKeepsTheOdds) {
  Player().money = 99;
  Player().bidOdds = 5;
  MakeDonation();
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().bidOdds, 5);
  EXPECT_EQ(WansungToUtf8(MessageText), "양로원에 99을 기부했습니다");
  Player().money = -250;
  MakeDonation();
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(WansungToUtf8(MessageText), "양로원에 -250을 기부했습니다");
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
)").c_str());
  EXPECT_TRUE(TownShell::Logged("box ^_^ | 양로원에 99을 기부했습니다 | ok"));
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().bidOdds, 5);
  EXPECT_EQ(DayCount, 2);
}

}  // namespace
