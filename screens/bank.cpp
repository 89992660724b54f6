// The bank. It changes no money itself: it checks that a loan or a
// repayment makes sense and opens its dialog, or posts a notice saying why
// not. Any number of dialogs in one visit; only leaving passes a day.
#include "screens/bank.h"

#include <cstdio>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

const ButtonRect BorrowButton = {31, 39, 160, 71};
const ButtonRect RepayButton = {31, 72, 160, 103};

namespace {

void RequestDialog(uint32_t message) {
  PostGameMessage(message);
  ScreenRunning = 0;
}

void Refuse(const char* utf8) {
  std::snprintf(MessageText, sizeof MessageText, "%s", WansungText(Tr(utf8)));
  PostNotice(NoticeRefusal);
}

void Borrow() {
  Display->Present(BaseFrame);
  if (BankLendsMore()) {
    RequestDialog(MsgLoanDialog);
  } else {
    Refuse("대출한도를 초과하여 더이상 대출해 드릴수 없습니다");
  }
}

void Repay() {
  Display->Present(BaseFrame);
  if (Companies[PlayerCompany].loanAmount > 0) {
    RequestDialog(MsgRepayDialog);
  } else {
    Refuse("갚으실 빚이 없으므로 입금하지 않으셔도 됩니다.");
  }
}

}  // namespace

void BankScreen() {
  if (AnimState != 0) {
    if (ReturnButtonClicked()) SwitchScreen(DayPassScreen);
    return;
  }
  if (ScreenEntry) {
    LoadImageWithPalette(BaseFrame, FrameBytes, "data/bank001.kxg", GamePalette);
    Display->SetPalette(GamePalette);
    Display->Present(BaseFrame);
    ScreenEntry = 0;
    return;
  }
  if (MouseClick & 1) {
    if (PointInRect(BorrowButton, MouseX, MouseY)) {
      Borrow();
      return;
    }
    if (PointInRect(RepayButton, MouseX, MouseY)) {
      Repay();
      return;
    }
    if (PointInRect(ReturnButton, MouseX, MouseY)) {
      PressButton(ReturnButton, ReturnButtonImage, 100);
      return;
    }
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
