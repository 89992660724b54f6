// Project planning and the production plan: the list area that asks, the
// dialog's days with the plans it refuses, and the day that passes on
// either answer.
#include <string>

#include "dialogs/dialogs.h"
#include "dialogs/production_plan.h"
#include "screens/messages.h"
#include "screens/planning.h"
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using Planning = TownShell;

bool Reads(const char* text, int16_t expected) {
  int16_t days = -1;
  return ReadPlanDays(text, &days) && days == expected;
}

bool Refuses(const char* text) {
  int16_t days = 99;
  return !ReadPlanDays(text, &days) && days == 99;
}

TEST(PlanDays, OneTo32767AreThePlansThatRun) {
  EXPECT_TRUE(Reads("1", 1));
  EXPECT_TRUE(Reads("30", 30));
  EXPECT_TRUE(Reads(" +30", 30));
  EXPECT_TRUE(Reads("12days", 12));
  EXPECT_TRUE(Reads("32767", 32767));
  EXPECT_TRUE(Refuses("0"));
  EXPECT_TRUE(Refuses("-5"));
  EXPECT_TRUE(Refuses("32768"));
  EXPECT_TRUE(Refuses("65566"));  // would wrap to 30 in 16 bits
  EXPECT_TRUE(Refuses("99999999999999999999"));
  EXPECT_TRUE(Refuses("abc"));
  EXPECT_TRUE(Refuses(""));
  EXPECT_TRUE(Refuses("-"));
}

TEST(PlanningArea, TheWholeBandUnderTheNamesAsks) {
  EXPECT_TRUE(PlanningListAt(100, 80));
  EXPECT_TRUE(PlanningListAt(639, 200));
  EXPECT_TRUE(PlanningListAt(400, 110));  // between two names
  EXPECT_FALSE(PlanningListAt(99, 80));
  EXPECT_FALSE(PlanningListAt(100, 79));
  EXPECT_FALSE(PlanningListAt(100, 201));
}

class PlanningVisit : public Planning {
 protected:
  void SetUp() override {
    Planning::SetUp();
    Enter(PlanningScreen);
    RunFramesForTest(1);
    day = DayCount;
  }
  // Clicks the list and answers the question; the day pass follows.
  void Ask(int x, int y, int answer) {
    HeadlessQueueBoxAnswer(answer);
    Click(x, y);
    RunFramesForTest(1);
    EXPECT_EQ(CurrentScreen, DayPassScreen);  // chosen before the question
    int exitCode = 0;
    while (GameMessagePending()) RunLoopPass(&exitCode);
  }
  void ExpectTheDayPassed() {
    FramesOn(DayPassScreen);
    EXPECT_EQ(CurrentScreen, OfficeScreen);
    EXPECT_EQ(DayCount, day + 1);
    EXPECT_FALSE(HeadlessFailed()) << HeadlessFailure();
  }
  int32_t day = 0;
};

constexpr const char* Question = "box '_' | 이 내용으로 자체제작을 하시겠습니까 | ";

TEST_F(PlanningVisit, NoStillPassesADay) {
  Ask(639, 200, AnswerNo);
  EXPECT_TRUE(Logged(std::string(Question) + "no"));
  EXPECT_EQ(NoticeCode, NoticeProductionPlan);
  ExpectTheDayPassed();
  EXPECT_EQ(Player().workTicks, 0);
}

TEST_F(PlanningVisit, XOf99AsksNothing) {
  Click(99, 85);
  RunFramesForTest(2);
  EXPECT_EQ(CurrentScreen, PlanningScreen);
  EXPECT_FALSE(HeadlessFailed());
}

TEST_F(PlanningVisit, YesAndADayCountStartTheProduction) {
  HeadlessQueueDialog({"30"}, AnswerOk);
  Ask(100, 80, AnswerYes);
  EXPECT_TRUE(Logged("dialog 110 | 30 | ok"));
  EXPECT_EQ(Player().workTicks, 1);
  EXPECT_EQ(Player().jobDays, 30);
  EXPECT_EQ(Player().isContract, 0);
  EXPECT_EQ(ScreenRunning, 1);
  ExpectTheDayPassed();
  EXPECT_EQ(DDay, 29);
}

TEST_F(PlanningVisit, APlanOfNoDaysIsRefusedAndTheDialogStaysOpen) {
  HeadlessQueueDialog({"0"}, AnswerOk);
  HeadlessQueueDialog({"40000"}, AnswerOk);
  HeadlessQueueDialog({"-3"}, AnswerOk);
  HeadlessQueueDialog({"32767"}, AnswerOk);
  Ask(300, 150, AnswerYes);
  const std::string refusal = "box 알림 | 제작 일정은 1일에서 32767일까지 정할 수 있습니다 | ok";
  int refusals = 0;
  for (const std::string& line : HeadlessLogLines()) refusals += line == refusal;
  EXPECT_EQ(refusals, 3);
  EXPECT_TRUE(Logged("dialog 110 | 32767 | ok"));
  EXPECT_EQ(Player().jobDays, 32767);
  ExpectTheDayPassed();
  EXPECT_EQ(DDay, 32766);
}

TEST_F(PlanningVisit, EscapeOrAnEmptyFieldStartsNothing) {
  HeadlessQueueDialog({"25"}, AnswerCancel);
  Ask(300, 150, AnswerYes);
  EXPECT_TRUE(Logged("dialog 110 | 25 | cancel"));
  ExpectTheDayPassed();
  EXPECT_EQ(Player().workTicks, 0);

  Enter(PlanningScreen);
  day = DayCount;
  HeadlessQueueDialog({""}, AnswerOk);
  Ask(300, 150, AnswerYes);
  ExpectTheDayPassed();
  EXPECT_EQ(Player().workTicks, 0);
  EXPECT_EQ(Player().jobDays, 0);
}

TEST_F(PlanningVisit, TheDialogOpensWithZeroAndLetsTheScreensRun) {
  // With nothing typed the field still holds its initial 0: refused.
  HeadlessQueueDialog({}, AnswerOk);
  HeadlessQueueDialog({}, AnswerCancel);
  Ask(300, 150, AnswerYes);
  EXPECT_TRUE(Logged("dialog 110 | ok"));
  EXPECT_TRUE(Logged("box 알림 | 제작 일정은 1일에서 32767일까지 정할 수 있습니다 | ok"));
  EXPECT_EQ(Player().workTicks, 0);
  EXPECT_EQ(ScreenRunning, 1);
}

TEST(PlanDialog, OffersCancelBesideOkWithinTheDialog) {
  const DialogTemplate& t = *DialogInLanguage(&ProductionPlanTemplate);
  const DialogControl* ok = nullptr;
  const DialogControl* cancel = nullptr;
  for (int i = 0; i < t.controlCount; ++i) {
    if (t.controls[i].id == 1) ok = &t.controls[i];
    if (t.controls[i].id == 2) cancel = &t.controls[i];
  }
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ(cancel->kind, DialogButton);
  EXPECT_EQ(WansungToUtf8(cancel->text), "취소");
  EXPECT_LE(ok->x + ok->width, cancel->x);
  EXPECT_LE(cancel->x + cancel->width, t.width);
  EXPECT_LE(cancel->y + cancel->height, t.height);
}

TEST_F(PlanningVisit, TheReturnButtonPassesADay) {
  LeaveThroughReturn(PlanningScreen);
  ExpectTheDayPassed();
}

TEST_F(Planning, ThePlanningBandOpensPlanningOnlyWithoutAJob) {
  CurrentScreen = OfficeScreen;
  Click(60, 90);
  RunFramesForTest(12);
  EXPECT_EQ(CurrentScreen, PlanningScreen);
  EXPECT_EQ(ReturnScreen, OfficeScreen);
}

}  // namespace
