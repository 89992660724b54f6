// The repayment dialog (resource 106). A repayment is capped by the debt and
// by the money on hand; text that is no number reads as 0 and repays
// nothing, with its message; a negative entry or one beyond 32 bits closes
// the dialog without a word.
#include <cstdio>

#include "dialogs/loan.h"
#include "gfx/display.h"
#include "screens/screen.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

const DialogControl RepayControls[] = {
    {1, DialogDefaultButton, "OK", 20, 41, 46, 12, DialogAlignCentre | DialogTabStop, 0},
    {2, DialogButton, "Cancel", 78, 41, 46, 12, DialogAlignCentre | DialogTabStop, 0},
    {RepayAmountField, DialogEdit, "0", 44, 22, 93, 12, DialogBorder | DialogTabStop, 0},
    {-1, DialogStatic, WansungText(u8"입금액을 입력하세요"), 7, 6, 131, 10, DialogAlignCentre, 0},
    {-1, DialogStatic, WansungText(u8"입금액"), 7, 24, 26, 10, DialogAlignLeft, 0},
};

// The amount that can be paid of `wanted`: no more than is owed, no more
// than is on hand, and nothing out of a debt of money.
int32_t Payable(int32_t wanted) {
  const Company& player = Companies[PlayerCompany];
  int64_t amount = wanted;
  if (amount > player.loanAmount) amount = player.loanAmount;
  if (amount > player.money) amount = player.money;
  return amount > 0 ? static_cast<int32_t>(amount) : 0;
}

void Pay(int32_t wanted) {
  Company& player = Companies[PlayerCompany];
  const int32_t amount = Payable(wanted);
  player.money -= amount;
  player.loanAmount -= amount;
  if (player.loanAmount == 0) player.loanMonths = 0;
  char text[128];
  std::snprintf(text, sizeof text, WansungText(u8"대출받았던 돈을 %d만큼 갚으셨습니다"), static_cast<int>(amount));
  PlatformMessageBox(text, "^.^", BoxOk);
}

bool ConfirmRepay(DialogWindow* dialog) {
  char amountText[AmountBufferBytes] = {};
  PlatformGetDialogText(dialog, RepayAmountField, amountText, AmountBufferBytes);
  int32_t wanted = 0;
  if (amountText[0] != '\0' && ReadAmount(amountText, &wanted) && wanted >= 0) Pay(wanted);
  CloseBankDialog(dialog);
  return true;
}

}  // namespace

const DialogTemplate RepayTemplate = {
    106, 0, 0, 147, 61, true, "System", 10, 8, 16,
    RepayControls, static_cast<int>(sizeof RepayControls / sizeof RepayControls[0]),
};

bool RepayDialog(DialogWindow* dialog, DialogMessage message, int id) {
  if (message == DialogInit) {
    ShowCursor(true);
    Display->FlipToGdi();
    PlatformSetDialogText(dialog, RepayAmountField, "0");
    return true;
  }
  if (message != DialogCommand) return false;
  if (id == 1) return ConfirmRepay(dialog);
  if (id == 2) {
    CloseBankDialog(dialog);
    return true;
  }
  return false;
}
