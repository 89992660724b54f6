// The repayment dialog (resource 106). The bank caps a repayment by the debt
// and by the money on hand (RepayLoan, sim/); text that is no number reads
// as 0 and repays nothing, with its message; a negative entry or one beyond
// 32 bits closes the dialog without a word.
#include <cstdio>

#include "dialogs/loan.h"
#include "gfx/display.h"
#include "screens/screen.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/utf8.h"

namespace {

const DialogControl RepayControls[] = {
    {1, DialogDefaultButton, TrMark("OK"), 20, 41, 46, 12, DialogAlignCentre | DialogTabStop, 0},
    {2, DialogButton, TrMark("Cancel"), 78, 41, 46, 12, DialogAlignCentre | DialogTabStop, 0},
    {RepayAmountField, DialogEdit, "0", 44, 22, 93, 12, DialogBorder | DialogTabStop, 0},
    {-1, DialogStatic, TrMark("입금액을 입력하세요"), 7, 6, 131, 10, DialogAlignCentre, 0},
    {-1, DialogStatic, TrMark("입금액"), 7, 24, 26, 10, DialogAlignLeft, 0},
};

void Pay(int32_t wanted) {
  const int32_t amount = RepayLoan(wanted);
  char text[128];
  std::snprintf(text, sizeof text, WansungText(Tr(u8"대출받았던 돈을 %d만큼 갚으셨습니다")), static_cast<int>(amount));
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
