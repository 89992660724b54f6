// SPDX-License-Identifier: GPL-2.0-or-later
// From the main menu through the intro and the name dialog to the start
// button.
#include <cstring>
#include <filesystem>

#include "dialogs/dialogs.h"
#include "dialogs/name_entry.h"
#include "screens/main_menu.h"
#include "screens/screens.h"
#include "tests/unit/title_test_support.h"
#include "text/utf8.h"

namespace {

using TitleScreens = TitleShell;

TEST_F(TitleScreens, MenuItemsMeetAtTheirBoundaries) {
  EXPECT_EQ(MainMenuItemAt(225, 217), 1);
  EXPECT_EQ(MainMenuItemAt(410, 271), 1);
  EXPECT_EQ(MainMenuItemAt(300, 272), 2);
  EXPECT_EQ(MainMenuItemAt(300, 381), 3);
  EXPECT_EQ(MainMenuItemAt(300, 436), 4);
  EXPECT_EQ(MainMenuItemAt(224, 300), 0);
  EXPECT_EQ(MainMenuItemAt(411, 300), 0);
  EXPECT_EQ(MainMenuItemAt(300, 216), 0);
  EXPECT_EQ(MainMenuItemAt(300, 437), 0);
}

TEST_F(TitleScreens, NewGameWithoutAnIntroGoesStraightToTheNameDialog) {
  CurrentScreen = MainMenuScreen;
  Click(300, 240);
  HeadlessQueueDialog({"홍길동", "길동소프트"}, AnswerOk);
  ASSERT_TRUE(RunFramesForTest(3));
  EXPECT_EQ(CurrentScreen, NewGameScreen);
  EXPECT_TRUE(Logged("dialog 101 | 홍길동 | 길동소프트 | ok"));
  EXPECT_EQ(ScreenRunning, 1);
  EXPECT_STREQ(Companies[0].presidentName, WansungText(u8"홍길동"));
  EXPECT_STREQ(Companies[0].name, WansungText(u8"길동소프트"));
  EXPECT_TRUE(PlayerNamesAreWansung);
}

TEST_F(TitleScreens, AnIntroFileThatCannotBeReadSkipsTheIntro) {
  std::filesystem::create_directory("intro/intro.dat");  // exists, but is no file
  StartNewGame();
  EXPECT_EQ(CurrentScreen, NewGameScreen);
  EXPECT_EQ(ScreenRunning, 0);
  Message message;
  ASSERT_TRUE(TakeGameMessage(&message));
  EXPECT_EQ(message.message, MsgNameDialog);
}

TEST_F(TitleScreens, EachIntroPictureStaysForItsDelay) {
  WriteBytes("intro/intro.dat", Lines({";", "2", ";", "100"}));
  StartNewGame();
  ASSERT_EQ(CurrentScreen, IntroScreen);
  // 16 ms a frame: a picture is over once more than 100 ms have passed,
  // on its eighth frame; the dialog follows the second picture.
  int frames = 0;
  while (CurrentScreen == IntroScreen && frames < 100) {
    ASSERT_TRUE(RunFramesForTest(1));
    ++frames;
    if (IntroFrame == 1) {
      EXPECT_LE(frames, 8);
    }
  }
  EXPECT_EQ(frames, 17);
  EXPECT_EQ(CurrentScreen, NewGameScreen);
  EXPECT_EQ(ScreenRunning, 0);
}

TEST_F(TitleScreens, AnIntroOfNoPicturesAsksForTheNamesOnItsFirstFrame) {
  WriteBytes("intro/intro.dat", Lines({";", "256", ";", "100"}));  // 256 is 0 in 8 bits
  StartNewGame();
  ASSERT_EQ(CurrentScreen, IntroScreen);
  IntroScreen();
  EXPECT_EQ(CurrentScreen, NewGameScreen);
  EXPECT_EQ(ScreenRunning, 0);
}

TEST_F(TitleScreens, TheDialogInsistsOnBothNamesAndKeepsWhatWasTyped) {
  std::strcpy(Companies[0].name, "old company name that is long");
  CurrentScreen = NewGameScreen;
  HeadlessQueueDialog({"kim", ""}, AnswerOk);
  HeadlessQueueDialog({"kim", "corp"}, AnswerOk);
  RunDialogResource(101);
  const std::vector<std::string> log = Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1], "box ^.^ | 이름과 회사명을 반드시 입력하세요 | ok");
  EXPECT_STREQ(Companies[0].presidentName, "kim");
  // The name with its zero over the old one; the bytes after it stay.
  EXPECT_STREQ(Companies[0].name, "corp");
  EXPECT_STREQ(Companies[0].name + 5, "ompany name that is long");
}

TEST_F(TitleScreens, ABlankNameIsANameAndLongNamesStopAt49Bytes) {
  const std::string longName(60, 'a');
  HeadlessQueueDialog({" ", longName}, AnswerOk);
  RunDialogResource(101);
  EXPECT_STREQ(Companies[0].presidentName, " ");
  EXPECT_EQ(std::strlen(Companies[0].name), 49u);
}

TEST_F(TitleScreens, CancelReturnsToTheMainMenu) {
  CurrentScreen = NewGameScreen;
  ScreenRunning = 0;
  HeadlessQueueDialog({"kim", "corp"}, AnswerCancel);
  RunDialogResource(101);
  EXPECT_EQ(CurrentScreen, MainMenuScreen);
  EXPECT_EQ(ScreenRunning, 1);
  EXPECT_FALSE(PlayerNamesAreWansung);
}

TEST_F(TitleScreens, TheDialogMeasuresAsWindowsDoesForItsFont) {
  EXPECT_EQ(DialogUnitsToPixelsX(&NameEntryTemplate, NameEntryTemplate.width), 268);
  EXPECT_EQ(DialogUnitsToPixelsY(&NameEntryTemplate, NameEntryTemplate.height), 138);
  for (int i = 0; i < NameEntryTemplate.controlCount; ++i) {
    const DialogControl& control = NameEntryTemplate.controls[i];
    EXPECT_LE(control.x + control.width, NameEntryTemplate.width);
    EXPECT_LE(control.y + control.height, NameEntryTemplate.height);
    if (control.kind == DialogEdit) {
      EXPECT_EQ(control.maxBytes, 49);
    }
  }
}

TEST_F(TitleScreens, AMissingDataFileKeepsTheStartScreenForAnotherTry) {
  CurrentScreen = NewGameScreen;
  std::strcpy(Companies[0].presidentName, WansungText(u8"홍길동"));
  std::strcpy(Companies[0].name, "corp");
  PlayerNamesAreWansung = true;
  Click(550, 430);
  ASSERT_TRUE(RunFramesForTest(12));
  EXPECT_TRUE(Logged("box -_- | data/corp.dat 화일이 없습니다 | ok"));
  EXPECT_EQ(CurrentScreen, NewGameScreen);
  EXPECT_EQ(ScreenRunning, 1);
  // The second press finds the files and converts the names only once.
  WriteWorldFiles();
  Click(550, 430);
  ASSERT_TRUE(RunFramesForTest(12));
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_STREQ(Companies[0].presidentName, JohabText(u8"홍길동"));
  EXPECT_EQ(CompanyCount, 2);
  EXPECT_EQ(DayCount, 1);
}

TEST_F(TitleScreens, ANewGameClearsTheLoanAndTheJobOnly) {
  WriteWorldFiles();
  CompanyCount = 5;
  Companies[0].loanAmount = 700;
  Companies[0].workTicks = 12;
  Companies[4].money = 99;
  JobReward = 1234;
  DDay = 7;
  OfferCount = 3;
  Offers[2].reward = 5;
  std::strcpy(Companies[0].name, "corp");
  CurrentScreen = NewGameScreen;
  Click(519, 408);
  ASSERT_TRUE(RunFramesForTest(12));
  ASSERT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(Companies[0].loanAmount, 0);
  EXPECT_EQ(Companies[0].workTicks, 0);
  EXPECT_EQ(JobReward, 0);
  EXPECT_EQ(DDay, 0);
  // The rest keeps what it held until the data files overwrite it.
  EXPECT_EQ(Companies[4].money, 99);
  EXPECT_EQ(OfferCount, 3);
  EXPECT_EQ(Offers[2].reward, 5);
  EXPECT_STREQ(Companies[0].name, "corp");
  EXPECT_EQ(Companies[0].money, 5000);
}

TEST_F(TitleScreens, TheStartButtonShowsPressedForMoreThan80Milliseconds) {
  WriteWorldFiles();
  CurrentScreen = NewGameScreen;
  Click(605, 451);
  // Press frame, then 16 ms a frame: 80 ms are exceeded on the sixth timed
  // frame, the release's 10 ms on the next, then the world is built.
  ASSERT_TRUE(RunFramesForTest(6));
  EXPECT_EQ(AnimState, 1);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(AnimState, 100);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(CurrentScreen, OfficeScreen);
}

}  // namespace
