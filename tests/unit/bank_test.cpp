// SPDX-License-Identifier: GPL-2.0-or-later
// The bank: its buttons, the loan and repayment dialogs, and the amounts
// they accept. What a loan books is the bank's rule (sim_bank_test.cpp).
#include "screens/bank.h"

#include <string>

#include "dialogs/dialogs.h"
#include "dialogs/loan.h"
#include "screens/messages.h"
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using Bank = TownShell;

bool Reads(const char* text, int32_t expected) {
  int32_t value = -12345;
  return ReadAmount(text, &value) && value == expected;
}

bool Refuses(const char* text) {
  int32_t value = 77;
  return !ReadAmount(text, &value) && value == 77;
}

TEST(BankAmounts, ReadLikeAtoiButRefuseWhatLeaves32Bits) {
  EXPECT_TRUE(Reads("5000", 5000));
  EXPECT_TRUE(Reads("  \t42", 42));
  EXPECT_TRUE(Reads("+7", 7));
  EXPECT_TRUE(Reads("-5", -5));
  EXPECT_TRUE(Reads("12abc", 12));
  EXPECT_TRUE(Reads("0", 0));
  EXPECT_TRUE(Reads("007", 7));
  EXPECT_TRUE(Reads("2147483647", 2147483647));
  EXPECT_TRUE(Reads("-2147483648", INT32_MIN));
  EXPECT_TRUE(Reads("", 0));
  EXPECT_TRUE(Reads("abc", 0));
  EXPECT_TRUE(Reads("- 5", 0));
  EXPECT_TRUE(Reads("+", 0));
  EXPECT_TRUE(Refuses("2147483648"));
  EXPECT_TRUE(Refuses("-2147483649"));
  EXPECT_TRUE(Refuses("4294967296"));  // atoi would give 0 on many systems
  EXPECT_TRUE(Refuses("99999999999999999999999999"));
}

// Runs a dialog resource the way the window procedure does.
void RunLoan(const std::vector<std::string>& fields, int button = AnswerOk) {
  HeadlessQueueDialog(fields, button);
  ASSERT_TRUE(RunDialogResource(105));
}

void RunRepay(const std::string& field, int button = AnswerOk) {
  HeadlessQueueDialog({field}, button);
  ASSERT_TRUE(RunDialogResource(106));
}

TEST_F(Bank, TheSmallestLoanForTheLongestTermIsGranted) {
  ScreenRunning = 0;
  RunLoan({"1000", "12"});
  EXPECT_EQ(Player().money, 6000);
  EXPECT_EQ(Player().loanAmount, 1000);
  EXPECT_EQ(Player().loanMonths, 12);
  EXPECT_EQ(ScreenRunning, 1);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box ^.^ | 대출금(1000) 기간(12달)으로 대출되었습니다 | ok"}));
}

TEST_F(Bank, ALoanOutsideTheTermsOrNotANumberClosesSilently) {
  const std::vector<std::vector<std::string>> refused = {
      {"999", "12"}, {"50001", "12"}, {"1000", "2"}, {"1000", "13"},      {"", "5"},
      {"1000", ""},  {"abc", "5"},    {"1000", "x"}, {"4294968296", "5"}, {"-1000", "5"},
  };
  for (const std::vector<std::string>& fields : refused) {
    ScreenRunning = 0;
    RunLoan(fields);
    EXPECT_EQ(ScreenRunning, 1);
  }
  RunLoan({"5000", "6"}, AnswerCancel);
  EXPECT_EQ(Player().money, 5000);
  EXPECT_EQ(Player().loanAmount, 0);
  EXPECT_EQ(Player().loanMonths, 0);
  EXPECT_TRUE(LogLines("box ").empty());
}

TEST_F(Bank, ASecondLoanStaysWithinTheLimitAndOnlyLengthensTheTerm) {
  RunLoan({"49500", "6"});
  RunLoan({"1000", "4"});
  EXPECT_EQ(Player().loanAmount, 50000);
  EXPECT_EQ(Player().money, 5000 + 50000);
  EXPECT_EQ(Player().loanMonths, 6);
  EXPECT_EQ(LogLines("box ").back(), "box ^.^ | 대출금(500) 기간(4달)으로 대출되었습니다 | ok");
  Player().loanAmount = 10000;
  RunLoan({"2000", "9"});
  EXPECT_EQ(Player().loanMonths, 9);
  EXPECT_EQ(Player().loanAmount, 12000);
}

// The dialog's fixed lines, read back as the player sees them.
std::vector<std::string> LoanLines;
bool ReadLoanLines(DialogWindow* dialog, DialogMessage message, int id) {
  const bool handled = LoanDialog(dialog, message, id);
  if (message == DialogInit) {
    LoanLines.clear();
    for (int control : {LoanAmountRangeText, LoanMonthsRangeText, LoanCurrentText, LoanAmountField, LoanMonthsField}) {
      char text[128];
      PlatformGetDialogText(dialog, control, text, sizeof text);
      LoanLines.push_back(WansungToUtf8(text));
    }
  }
  return handled;
}

TEST_F(Bank, TheLoanDialogShowsTheTermsAndTheCurrentLoan) {
  Player().loanAmount = 3000;
  HeadlessQueueDialog({}, AnswerCancel);
  PlatformRunDialog(&LoanTemplate, ReadLoanLines);
  // The largest amount that would really be booked, not the bank's limit.
  EXPECT_EQ(LoanLines, (std::vector<std::string>{"대출액 최소 1000 - 최대 47000", "대출기간(달) 최소 3 - 최대 12",
                                                 "현재 당신의 대출액은 3000입니다", "0", "0"}));
  Player().loanAmount = 0;
  HeadlessQueueDialog({}, AnswerCancel);
  PlatformRunDialog(&LoanTemplate, ReadLoanLines);
  EXPECT_EQ(LoanLines[0], "대출액 최소 1000 - 최대 50000");
}

TEST_F(Bank, RepayingMoreThanOwedRepaysTheLoanAndEndsItsTerm) {
  Player().loanAmount = 2000;
  Player().loanMonths = 5;
  RunRepay("9000");
  EXPECT_EQ(Player().loanAmount, 0);
  EXPECT_EQ(Player().loanMonths, 0);
  EXPECT_EQ(Player().money, 3000);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box ^.^ | 대출받았던 돈을 2000만큼 갚으셨습니다 | ok"}));
}

TEST_F(Bank, ARepaymentIsCappedByTheMoneyOnHand) {
  Player().loanAmount = 8000;
  Player().loanMonths = 5;
  RunRepay("7000");
  EXPECT_EQ(Player().money, 0);
  EXPECT_EQ(Player().loanAmount, 3000);
  EXPECT_EQ(Player().loanMonths, 5);
  EXPECT_EQ(LogLines("box ").back(), "box ^.^ | 대출받았던 돈을 5000만큼 갚으셨습니다 | ok");
}

TEST_F(Bank, NothingIsRepaidOutOfADebtOfMoney) {
  Player().money = -500;
  Player().loanAmount = 1000;
  RunRepay("300");
  EXPECT_EQ(Player().money, -500);
  EXPECT_EQ(Player().loanAmount, 1000);
  EXPECT_EQ(LogLines("box ").back(), "box ^.^ | 대출받았던 돈을 0만큼 갚으셨습니다 | ok");
}

TEST_F(Bank, ZeroOrNoNumberIsRepaidWithItsMessageWhileNoAmountChangesNothingSilently) {
  Player().loanAmount = 1000;
  Player().loanMonths = 4;
  RunRepay("0");
  RunRepay("abc");
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box ^.^ | 대출받았던 돈을 0만큼 갚으셨습니다 | ok",
                                                        "box ^.^ | 대출받았던 돈을 0만큼 갚으셨습니다 | ok"}));
  for (const char* entry : {"-500", "", "2147483648", "-2147483649"}) {
    ScreenRunning = 0;
    RunRepay(entry);
    EXPECT_EQ(ScreenRunning, 1) << entry;
  }
  RunRepay("500", AnswerCancel);
  EXPECT_EQ(LogLines("box ").size(), 2u);
  EXPECT_EQ(Player().money, 5000);
  EXPECT_EQ(Player().loanAmount, 1000);
  EXPECT_EQ(Player().loanMonths, 4);
}

// The first message the screen posted, or 0.
uint32_t PostedMessage() {
  Message message{};
  return TakeGameMessage(&message) ? message.message : 0;
}

void EnterBank() {
  CurrentScreen = BankScreen;
  ScreenEntry = 1;
  BankScreen();
}

void ClickOnce(int x, int y) {
  MouseX = x;
  MouseY = y;
  MouseClick = 1;
  BankScreen();
  MouseClick = 0;
}

TEST_F(Bank, BorrowingOpensTheDialogBelowTheLimitOnly) {
  EnterBank();
  Player().loanAmount = 49999;
  ClickOnce(31, 71);
  EXPECT_EQ(PostedMessage(), MsgLoanDialog);
  EXPECT_EQ(ScreenRunning, 0);
  ScreenRunning = 1;
  Player().loanAmount = 50000;
  ClickOnce(160, 39);
  EXPECT_EQ(PostedMessage(), MsgNotice);
  EXPECT_EQ(NoticeCode, NoticeRefusal);
  EXPECT_EQ(WansungToUtf8(MessageText), "대출한도를 초과하여 더이상 대출해 드릴수 없습니다");
}

TEST_F(Bank, RepayingOpensTheDialogOnlyWithADebt) {
  EnterBank();
  Player().loanAmount = 1;
  ClickOnce(31, 72);
  EXPECT_EQ(PostedMessage(), MsgRepayDialog);
  ScreenRunning = 1;
  Player().loanAmount = 0;
  ClickOnce(160, 103);
  EXPECT_EQ(PostedMessage(), MsgNotice);
  EXPECT_EQ(WansungToUtf8(MessageText), "갚으실 빚이 없으므로 입금하지 않으셔도 됩니다.");
  ScreenRunning = 1;
  ClickOnce(161, 80);
  ClickOnce(100, 104);
  EXPECT_EQ(PostedMessage(), 0u);
}

TEST_F(Bank, BorrowingAndRepayingInOneVisitPassNoDay) {
  Enter(BankScreen);
  ASSERT_TRUE(RunFramesForTest(1));
  HeadlessQueueDialog({"10000", "6"}, AnswerOk);
  Click(100, 50);
  ASSERT_TRUE(RunFramesForTest(2));
  HeadlessQueueDialog({"4000"}, AnswerOk);
  Click(100, 90);
  ASSERT_TRUE(RunFramesForTest(2));
  EXPECT_EQ(CurrentScreen, BankScreen);
  EXPECT_EQ(DayCount, 1);
  EXPECT_EQ(Player().loanAmount, 6000);
  EXPECT_EQ(Player().money, 11000);
  EXPECT_EQ(LogLines("dialog "), (std::vector<std::string>{"dialog 105 | 10000 | 6 | ok", "dialog 106 | 4000 | ok"}));
  LeaveThroughReturn(BankScreen);
  EXPECT_EQ(CurrentScreen, DayPassScreen);
}

}  // namespace
