// The loan dialog (resource 105). Input outside the bank's terms closes it
// without a word; a granted loan is booked (BookLoan, sim/) and confirmed in
// a box. Text that is no number reads as 0, and the terms decide.
#include "dialogs/loan.h"

#include <cstdio>

#include "gfx/display.h"
#include "screens/screen.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const DialogControl LoanControls[] = {
    {1, DialogDefaultButton, TrMark("OK"), 21, 112, 41, 12, DialogAlignCentre | DialogTabStop, 0},
    {2, DialogButton, TrMark("Cancel"), 82, 112, 41, 12, DialogAlignCentre | DialogTabStop, 0},
    {LoanAmountField, DialogEdit, "0", 50, 27, 87, 13, DialogBorder | DialogTabStop, 0},
    {LoanMonthsField, DialogEdit, "0", 50, 59, 87, 13, DialogBorder | DialogTabStop, 0},
    {-1, DialogStatic, TrMark("대출액"), 7, 29, 27, 8, DialogAlignLeft, 0},
    {-1, DialogStatic, TrMark("대출기간"), 7, 61, 35, 9, DialogAlignLeft, 0},
    {-1, DialogStatic, TrMark("대출금과 기간을 입력하세요"), 7, 7, 131, 11, DialogAlignCentre, 0},
    {LoanAmountRangeText, DialogStatic, TrMark("최소 ~ 최대"), 7, 44, 131, 11, DialogAlignCentre, 0},
    {LoanMonthsRangeText, DialogStatic, TrMark("최소 ~ 최대"), 7, 77, 131, 10, DialogAlignCentre, 0},
    {LoanCurrentText, DialogStatic, TrMark("현재 당신의 대출액수는.."), 7, 92, 131, 11,
     DialogAlignCentre | DialogBorder, 0},
};

void SetNumberText(DialogWindow* dialog, int id, const char* formatUtf8, int32_t a, int32_t b) {
  char text[128];
  std::snprintf(text, sizeof text, WansungText(Tr(formatUtf8)), static_cast<int>(a), static_cast<int>(b));
  PlatformSetDialogText(dialog, id, text);
}

void InitLoan(DialogWindow* dialog) {
  ShowCursor(true);
  Display->FlipToGdi();
  const int32_t* terms = BankParams.values;
  // The most that would really be booked, not the bank's limit.
  SetNumberText(dialog, LoanAmountRangeText, "대출액 최소 %d - 최대 %d", terms[1], MostLoanToBook());
  SetNumberText(dialog, LoanMonthsRangeText, "대출기간(달) 최소 %d - 최대 %d", terms[3], terms[4]);
  SetNumberText(dialog, LoanCurrentText, "현재 당신의 대출액은 %d입니다", Companies[PlayerCompany].loanAmount, 0);
  PlatformSetDialogText(dialog, LoanAmountField, "0");
  PlatformSetDialogText(dialog, LoanMonthsField, "0");
}

void Book(int32_t amount, int32_t months) {
  const int32_t booked = BookLoan(amount, months);
  char text[128];
  std::snprintf(text, sizeof text, WansungText(Tr(u8"대출금(%d) 기간(%d달)으로 대출되었습니다")), static_cast<int>(booked),
                static_cast<int>(months));
  PlatformMessageBox(text, "^.^", BoxOk);
}

bool ConfirmLoan(DialogWindow* dialog) {
  char amountText[AmountBufferBytes] = {};
  char monthsText[AmountBufferBytes] = {};
  PlatformGetDialogText(dialog, LoanAmountField, amountText, AmountBufferBytes);
  PlatformGetDialogText(dialog, LoanMonthsField, monthsText, AmountBufferBytes);
  int32_t amount = 0;
  int32_t months = 0;
  if (amountText[0] != '\0' && monthsText[0] != '\0' && ReadAmount(amountText, &amount) &&
      ReadAmount(monthsText, &months) && LoanInTerms(amount, months)) {
    Book(amount, months);
  }
  CloseBankDialog(dialog);
  return true;
}

}  // namespace

const DialogTemplate LoanTemplate = {
    105, 0, 0, 146, 134, true, "System", 10, 8, 16,
    LoanControls, static_cast<int>(sizeof LoanControls / sizeof LoanControls[0]),
};

bool ReadAmount(const char* text, int32_t* value) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  if (!IsDigit(*p)) {
    *value = 0;
    return true;
  }
  // The magnitude may reach 2^31 for the most negative value.
  int64_t magnitude = 0;
  for (; IsDigit(*p); ++p) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > static_cast<int64_t>(INT32_MAX) + 1) return false;
  }
  const int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX) return false;
  *value = static_cast<int32_t>(result);
  return true;
}

void CloseBankDialog(DialogWindow* dialog) {
  PlatformEndDialog(dialog, 1);
  ShowCursor(false);
  ScreenRunning = 1;
}

bool LoanDialog(DialogWindow* dialog, DialogMessage message, int id) {
  if (message == DialogInit) {
    InitLoan(dialog);
    return true;
  }
  if (message != DialogCommand) return false;
  if (id == 1) return ConfirmLoan(dialog);
  if (id == 2) {
    CloseBankDialog(dialog);
    return true;
  }
  return false;
}
