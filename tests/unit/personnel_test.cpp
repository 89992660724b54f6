// SPDX-License-Identifier: GPL-2.0-or-later
// Personnel management: the staff list in pool order, previous and next
// with their overlapping areas, the four actions with their boxes, and the
// retirement of the last employee that ends the visit.
#include "screens/personnel.h"

#include <string>
#include <vector>

#include "gfx/image.h"
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"
#include "text/font.h"

namespace {

class Personnel : public TownShell {
 protected:
  // Three employees with a free person and a rival's between them.
  void HireThree() {
    first = AddPerson("첫째", true);
    AddPerson("자유인", false);
    second = AddPerson("둘째", true);
    const int32_t other = AddPerson("남의직원", false);
    Persons[other].employer = 1;
    Persons[other].employed = 1;
    third = AddPerson("셋째", true);
  }
  void Open() {
    Enter(PersonnelScreen);
    RunFramesForTest(1);
    day = DayCount;
  }
  static void ClickAndRun(int x, int y) {
    Click(x, y);
    RunFramesForTest(2);
  }
  static int32_t Shown() { return IndexList[ListCursor]; }
  void ExpectTheDayPassed() {
    FramesOn(DayPassScreen);
    EXPECT_EQ(CurrentScreen, OfficeScreen);
    EXPECT_EQ(DayCount, day + 1);
  }
  int32_t first = 0, second = 0, third = 0, day = 0;
};

TEST(PersonnelAreas, AreTestedInTheirOrder) {
  EXPECT_EQ(PersonnelAreaAt(263, 308), PersonnelClose);
  EXPECT_EQ(PersonnelAreaAt(383, 336), PersonnelClose);
  EXPECT_EQ(PersonnelAreaAt(410, 184), PersonnelPrevious);
  EXPECT_EQ(PersonnelAreaAt(421, 196), PersonnelPrevious);
  EXPECT_EQ(PersonnelAreaAt(410, 183), PersonnelNext);
  EXPECT_EQ(PersonnelAreaAt(410, 197), PersonnelNext);
  EXPECT_EQ(PersonnelAreaAt(399, 96), PersonnelNext);
  EXPECT_EQ(PersonnelAreaAt(421, 212), PersonnelNext);
  EXPECT_EQ(PersonnelAreaAt(410, 213), PersonnelNothing);
  EXPECT_EQ(PersonnelAreaAt(398, 150), PersonnelNothing);
  EXPECT_EQ(PersonnelAreaAt(280, 229), PersonnelPromote);
  EXPECT_EQ(PersonnelAreaAt(413, 250), PersonnelRetire);
  EXPECT_EQ(PersonnelAreaAt(333, 286), PersonnelRaise);
  EXPECT_EQ(PersonnelAreaAt(360, 265), PersonnelCut);
  EXPECT_EQ(PersonnelAreaAt(340, 240), PersonnelNothing);
}

TEST_F(Personnel, TheListHoldsThePlayersStaffInPoolOrder) {
  HireThree();
  Open();
  EXPECT_EQ(std::vector<int32_t>(IndexList, IndexList + ListCount), (std::vector<int32_t>{first, second, third}));
  EXPECT_EQ(Shown(), first);
}

TEST_F(Personnel, NextStopsAtTheLastAndPreviousAtTheFirst) {
  HireThree();
  Open();
  ClickAndRun(410, 200);
  ClickAndRun(410, 100);
  EXPECT_EQ(Shown(), third);
  ClickAndRun(410, 150);
  EXPECT_EQ(Shown(), third);
  ClickAndRun(410, 190);
  EXPECT_EQ(Shown(), second);
  ClickAndRun(410, 190);
  ClickAndRun(410, 190);
  EXPECT_EQ(Shown(), first);
}

TEST_F(Personnel, EveryActionShowsItsBoxEvenWithoutEffect) {
  HireThree();
  Open();
  Persons[first].aptitude[3] = 1000;
  Persons[first].morale = 1000;
  Persons[first].stress = 33;
  ClickAndRun(300, 240);
  ClickAndRun(300, 270);
  EXPECT_TRUE(Logged("box 알림 | 승진시킵니다 | ok"));
  EXPECT_TRUE(Logged("box 알림 | 승호시킵니다 | ok"));
  EXPECT_EQ(Persons[first].salary, 100);
  EXPECT_EQ(Persons[first].stress, 33);
  // Above 1000 a promotion pays 50 more and a raise 10 more.
  Persons[first].aptitude[3] = 1200;
  Persons[first].morale = 1100;
  ClickAndRun(300, 240);
  ClickAndRun(300, 270);
  EXPECT_EQ(Persons[first].salary, 160);
  EXPECT_LE(Persons[first].stress, 33);
  EXPECT_EQ(CurrentScreen, PersonnelScreen);
}

TEST_F(Personnel, APayCutTakesTenEvenBelowZero) {
  AddPerson("박봉", true, 5, 20);
  Open();
  ClickAndRun(380, 270);
  ClickAndRun(380, 270);
  EXPECT_TRUE(Logged("box 알림 | 감봉시킵니다 | ok"));
  EXPECT_EQ(Persons[0].salary, -15);
  EXPECT_EQ(Persons[0].stress, 40);
}

TEST_F(Personnel, RetiringTheSecondOfThreeShowsTheFirst) {
  HireThree();
  Open();
  ClickAndRun(410, 100);
  ASSERT_EQ(Shown(), second);
  const int16_t stressOfThird = Persons[third].stress;
  ClickAndRun(380, 240);
  EXPECT_TRUE(Logged("box 알림 | 명예퇴직시킵니다 | ok"));
  EXPECT_EQ(ListCount, 2);
  EXPECT_EQ(ListCursor, 0);
  EXPECT_EQ(Shown(), first);
  EXPECT_EQ(Persons[second].employed, 0);
  EXPECT_EQ(Persons[second].employer, -1);
  EXPECT_GE(Persons[second].salary, 100);
  EXPECT_EQ(Persons[third].stress, stressOfThird + 2);
  EXPECT_EQ(Player().staffCount, 2);
  EXPECT_EQ(CurrentScreen, PersonnelScreen);
}

TEST_F(Personnel, RetiringTheOnlyEmployeeClosesTheScreenAndPassesADay) {
  AddPerson("혼자", true);
  Open();
  ClickAndRun(380, 240);
  EXPECT_TRUE(Logged("box 알림 | 명예퇴직시킵니다 | ok"));
  EXPECT_EQ(Player().staffCount, 0);
  ExpectTheDayPassed();
}

TEST_F(Personnel, CloseLeavesWithADay) {
  HireThree();
  Open();
  ClickAndRun(300, 320);
  ExpectTheDayPassed();
  EXPECT_EQ(Player().staffCount, 3);
}

TEST_F(Personnel, AStaffCountWithoutPersonsActsOnNobody) {
  // A save can claim staff that no person record backs.
  Player().staffCount = 2;
  IndexList[0] = 12345;
  Open();
  EXPECT_EQ(ListCount, 0);
  ClickAndRun(300, 240);
  ClickAndRun(380, 240);
  ClickAndRun(380, 270);
  EXPECT_TRUE(LogLines("box ").empty());
  EXPECT_EQ(Player().staffCount, 2);
  ClickAndRun(300, 320);
  ExpectTheDayPassed();
}

TEST_F(Personnel, TheNameShowsOnThePanelInColourZero) {
  AddPerson("김철수", true);
  uint8_t palette[768] = {};
  std::vector<uint8_t> panel(326 * 236, 200);
  ASSERT_TRUE(WriteImage("data/care.kxg", panel.data(), 326, 236, palette));
  ASSERT_EQ(LoadFonts(KXS_GAME_TREE "/data/han.fnt", KXS_GAME_TREE "/data/eng.fnt"), 1);
  MouseX = MouseY = 0;
  Open();
  const uint8_t* frame = HeadlessLastFrame();
  EXPECT_EQ(frame[122 * 640 + 157], 200);
  EXPECT_EQ(frame[357 * 640 + 482], 200);
  int ink = 0;
  for (int y = 187; y < 203; ++y) {
    for (int x = 257; x < 257 + 48; ++x) ink += frame[y * 640 + x] == 0;
  }
  EXPECT_GT(ink, 30);
  // One pass, no shadow: nothing of the name below its 16 rows.
  for (int x = 257; x < 320; ++x) EXPECT_EQ(frame[204 * 640 + x], 200);
  FreeFonts();
}

TEST_F(Personnel, ThePersonnelBandOpensTheScreenWithStaff) {
  AddPerson("하나", true);
  CurrentScreen = OfficeScreen;
  Click(60, 120);
  RunFramesForTest(12);
  EXPECT_EQ(CurrentScreen, PersonnelScreen);
  EXPECT_EQ(ListCount, 1);
}

}  // namespace
