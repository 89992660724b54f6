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

}  // namespace
