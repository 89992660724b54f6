// SPDX-License-Identifier: GPL-2.0-or-later
// A day passing through the frame loop: the rivals one per frame, the
// player's day, the month end with the loan's countdown, the dunning letter
// and the prison, and the day report that follows in the window procedure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "screens/screens.h"
#include "tests/unit/app_test_support.h"
#include "tests/unit/sim_test_support.h"
#include "world/save_format.h"

namespace {

// Runs loop passes until the day has left the day pass and its report (if
// any) has run; the office itself does not run. Returns the frames taken.
int RunDay() {
  CurrentScreen = DayPassScreen;
  ScreenEntry = 1;
  const uint64_t start = FramesRun;
  int exitCode = 0;
  while (CurrentScreen == DayPassScreen || GameMessagePending()) {
    if (!RunLoopPass(&exitCode) || FramesRun - start > 500) break;
  }
  return static_cast<int>(FramesRun - start);
}

// The default data tree as the working directory, for a test's lifetime.
class InGameTree {
 public:
  InGameTree() : old_(std::filesystem::current_path()) { std::filesystem::current_path(KXS_GAME_TREE); }
  ~InGameTree() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

class DayPass : public ::testing::Test {
 protected:
  void SetUp() override {
    StartSmallWorld(1000);
    StartTestShell();
    BankParams.values[7] = 2;
    BankParams.values[8] = 0;
  }
  static void TakeLoan(int32_t months) {
    Player().loanAmount = 5000;
    Player().loanMonths = months;
  }
};

TEST_F(DayPass, TenRivalsWalkOnePerFrameAndThePlayersDayIsTheTenth) {
  for (int i = 0; i < 10; ++i) AddRival("가나상사", 1000000);
  CurrentScreen = DayPassScreen;
  ScreenEntry = 1;
  for (int frame = 1; frame <= 9; ++frame) {
    ASSERT_TRUE(RunFramesForTest(1));
    ASSERT_EQ(TickCompany, frame + 1);  // rival 1 walked in the entry frame
    ASSERT_EQ(DayCount, 1);
    ASSERT_EQ(CurrentScreen, DayPassScreen);
  }
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(DayCount, 2);
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(ScreenEntry, 1);
  EXPECT_EQ(ScreenRunning, 0);  // the report is pending
  for (int i = 1; i <= 10; ++i) EXPECT_NE(Companies[i].money, 1000000) << i;
}

TEST_F(DayPass, WithoutRivalsTheWholeDayRunsInTheEntryFrame) {
  EXPECT_EQ(RunDay(), 1);
  EXPECT_EQ(DayCount, 2);
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(ScreenRunning, 1);
  EXPECT_EQ(NoticeCode, NoticeDayReport);
  EXPECT_TRUE(BoxesAndSounds().empty());  // a day without events shows nothing
}

TEST_F(DayPass, TheDayReportComesInItsOrderAndItsNoticeStays) {
  AddRival("가나상사", 1000000);
  AddRival("다라전자", -1000);  // bankrupt whatever it draws
  AddPerson("일꾼", true, 10, 20);
  AddPerson("나나", true, 10, 100);
  AddPerson("다다", true, 10, 100);
  JobReward = 800;
  DDay = 5;
  Player().workTicks = 1;
  Player().isContract = 1;
  Player().jobDays = 5;
  Player().progress = 100;
  DayCount = 29;
  RunDay();
  EXPECT_EQ(BoxesAndSounds(), (std::vector<std::string>{
                                  "box 알림 | 다라전자가 망해 사라집니다 | ok",
                                  "box 알림 | 나나가 회사를 그만둡니다 | ok",
                                  "box 알림 | 다다가 회사를 그만둡니다 | ok",
                                  "box 알림 | 수주건을 완료했습니다. 800의 돈을 받았습니다 | ok",
                                  "sound sound/money.wav",
                              }));
  EXPECT_EQ(Player().staffCount, 1);
  EXPECT_EQ(CompanyCount, 2);
  EXPECT_EQ(NoticeCode, NoticeDayReport);
  EXPECT_EQ(ScreenRunning, 1);
  EXPECT_EQ(Player().money, 1000 - 3 * 60 + 800);
}

TEST_F(DayPass, Day29To30ClosesTheMonthAnd30To31DoesNot) {
  AddPerson("가", true, 100, 0);
  TakeLoan(6);
  DayCount = 29;
  RunDay();
  EXPECT_EQ(DayCount, 30);
  EXPECT_EQ(Player().money, 850);
  EXPECT_EQ(Player().loanMonths, 5);
  RunDay();
  EXPECT_EQ(DayCount, 31);
  EXPECT_EQ(Player().money, 850);
  EXPECT_EQ(Player().loanMonths, 5);
}

TEST_F(DayPass, ARepaidLoanStopsTheCountdown) {
  Player().loanMonths = 1;
  DayCount = 29;
  RunDay();
  EXPECT_EQ(Player().loanMonths, 1);
  EXPECT_EQ(CurrentScreen, OfficeScreen);
}

TEST_F(DayPass, TheDunningLetterComesOnceThenThePrison) {
  TakeLoan(3);
  const std::string letter = "box 독촉장 | 대출 계약 기한이 마감되었습니다.\\n빠른 기일내에 돈을 갚으세요 | ok";
  DayCount = 29;
  RunDay();
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{letter}));
  EXPECT_EQ(CurrentScreen, OfficeScreen);  // the day goes on after the letter
  DayCount = 59;
  RunDay();
  EXPECT_EQ(Player().loanMonths, 1);
  EXPECT_EQ(LogLines("box ").size(), 1u);
  DayCount = 89;
  RunDay();
  EXPECT_EQ(Player().loanMonths, 0);
  EXPECT_EQ(CurrentScreen, PrisonScreen);
}

TEST_F(DayPass, EqualLetterAndPrisonMonthsGiveOnlyTheLetter) {
  BankParams.values[8] = 2;
  TakeLoan(3);
  DayCount = 29;
  RunDay();
  EXPECT_EQ(LogLines("box ").size(), 1u);
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(NoticeCode, NoticeDayReport);
}

TEST_F(DayPass, ReachingThePrisonMonthEndsTheDayWithoutItsReport) {
  AddRival("다라전자", -1000);
  AddPerson("가", true, 100, 100);
  TakeLoan(1);
  NoticeCode = NoticeDayReport;
  DayCount = 29;
  RunDay();
  EXPECT_EQ(CurrentScreen, PrisonScreen);
  EXPECT_EQ(ScreenEntry, 1);
  EXPECT_EQ(NoticeCode, NoticeNone);
  EXPECT_EQ(DayCount, 30);
  EXPECT_EQ(Player().money, 1000);  // no payroll
  EXPECT_EQ(ListCount, 0);
  EXPECT_EQ(CompanyCount, 2);  // the bankrupt rival is never announced nor removed
  EXPECT_EQ(Player().staffCount, 1);
  EXPECT_TRUE(BoxesAndSounds().empty());
}

TEST_F(DayPass, ThePrisonShowsItsPictureThenGameOverAndCloses) {
  InGameTree tree;
  std::memset(BaseFrame, 7, FrameBytes);
  CurrentScreen = PrisonScreen;
  ScreenEntry = 1;
  NoticeCode = NoticeNone;
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(LogLines("sound "), (std::vector<std::string>{"sound sound/001.wav"}));
  // The picture lies over the last screen at (230,179)-(406,300) only.
  int changedInside = 0;
  for (int y = 179; y <= 300; ++y)
    for (int x = 230; x <= 406; ++x) changedInside += BaseFrame[y * FrameWidth + x] != 7;
  EXPECT_GT(changedInside, 1000);
  EXPECT_EQ(BaseFrame[178 * FrameWidth + 230], 7);
  EXPECT_EQ(BaseFrame[300 * FrameWidth + 407], 7);

  // Two seconds later the box, then the program ends (16 ms a frame).
  ASSERT_TRUE(RunFramesForTest(120));
  EXPECT_TRUE(LogLines("box ").empty());
  int exitCode = -1;
  int passes = 0;
  while (RunLoopPass(&exitCode)) ASSERT_LT(++passes, 100);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(LogLines("box "),
            (std::vector<std::string>{"box Game Over | 당신은 은행돈을 갚지 못해 감옥에 들어갑니다 | ok"}));
}

TEST_F(DayPass, NoGameOverBoxWhenANoticeCodeIsSet) {
  CurrentScreen = PrisonScreen;
  ScreenEntry = 1;
  NoticeCode = NoticeDayReport;
  int exitCode = -1;
  int passes = 0;
  while (RunLoopPass(&exitCode)) ASSERT_LT(++passes, 400);
  EXPECT_TRUE(LogLines("box ").empty());
}

TEST_F(DayPass, TheEndOfTheDayLoadsTheOfficePictureAndItsPalette) {
  InGameTree tree;
  std::memset(BaseFrame, 0, FrameBytes);
  std::memset(GamePalette, 0, PaletteBytes);
  RunDay();
  int painted = 0;
  for (int i = 0; i < FrameBytes; i += 97) painted += BaseFrame[i] != 0;
  EXPECT_GT(painted, 100);
  EXPECT_EQ(std::memcmp(PlatformCurrentPalette(), GamePalette, PaletteBytes), 0);
}

// The default world for a hundred days from one seed: the save image and
// the log of boxes and sounds.
struct HundredDays {
  std::vector<uint8_t> save;
  std::vector<std::string> log;
  int bankruptcies = 0;
};

HundredDays PlayHundredDays(uint32_t seed) {
  StartTestShell();
  ResetWorld();
  InGameTree tree;
  EXPECT_EQ(LoadGameData(), 1);
  // Staff to pay and to lose, and a contract to finish.
  for (int32_t i = 0; i < 6; ++i) {
    IndexList[0] = i * 7;
    SeekerCount = 1;
    ListCursor = 0;
    HirePerson();
  }
  JobReward = 3000;
  DDay = 40;
  Player().workTicks = 1;
  Player().isContract = 1;
  Player().jobDays = 40;
  GameSrand(seed);
  const size_t hiringLines = HeadlessLogLines().size();
  HundredDays result;
  for (int day = 0; day < 100; ++day) {
    RunDay();
    EXPECT_EQ(CurrentScreen, OfficeScreen);
  }
  SaveImage image;
  EXPECT_EQ(CaptureSave(SavedScreenState{}, &image), SaveFits);
  EncodeSave(image, &result.save);
  result.log.assign(HeadlessLogLines().begin() + static_cast<std::ptrdiff_t>(hiringLines), HeadlessLogLines().end());
  for (const std::string& line : result.log) result.bankruptcies += line.find("망해") != std::string::npos;
  return result;
}

TEST_F(DayPass, TheSameSeedGivesTheSameHundredDays) {
  const HundredDays first = PlayHundredDays(20240601);
  const HundredDays second = PlayHundredDays(20240601);
  EXPECT_EQ(first.save, second.save);
  EXPECT_EQ(first.log, second.log);
  // The run is one worth comparing: rivals went under and staff left.
  EXPECT_GT(first.bankruptcies, 0);
  int leavers = 0;
  for (const std::string& line : first.log) leavers += line.find("그만둡니다") != std::string::npos;
  EXPECT_GT(leavers, 0);
  const HundredDays other = PlayHundredDays(7);
  EXPECT_NE(first.save, other.save);
}

}  // namespace
