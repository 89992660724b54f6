// A day passes: the rivals' money moves one rival per frame, then in one
// frame the player's day: the calendar, the job, the loan's countdown at a
// month end (with the dunning letter and the prison) and the staff. The day
// ends in the office with the day report.
#include "app/notice.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr uint8_t NoticeDayReport = 4;

// The loan's countdown at a month end; false when the player goes to prison
// and the day ends at once.
bool CountLoanDown() {
  Company& player = Companies[PlayerCompany];
  if (!IsMonthEnd(DayCount) || player.loanAmount == 0) return true;
  player.loanMonths -= 1;
  const int32_t m = player.loanMonths;
  if (m == BankParams.values[7]) {
    ScreenMessageBox(WansungText(u8"대출 계약 기한이 마감되었습니다.\n빠른 기일내에 돈을 갚으세요"),
                     WansungText(u8"독촉장"), BoxOk);
  } else if (m == BankParams.values[8]) {
    ScreenEntry = 1;
    NoticeCode = 0;
    CurrentScreen = PrisonScreen;
    return false;
  }
  return true;
}

void PassPlayerDay() {
  DayCount += 1;
  AdvanceJob();
  if (!CountLoanDown()) return;
  UpdatePersons();
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  ScreenEntry = 1;
  Display->SetPalette(GamePalette);
  CurrentScreen = OfficeScreen;
  // The report runs before the next frame; nothing is presented now.
  PostNotice(NoticeDayReport);
}

}  // namespace

void DayPassScreen() {
  if (ScreenEntry) {
    TickCompany = 1;
    ListCount = 0;
    BankruptCount = 0;
    ScreenEntry = 0;
  }
  if (TickCompany < CompanyCount) WalkRivalMoney();
  TickCompany += 1;
  if (TickCompany < CompanyCount) {
    // The picture of the screen that started the day stays, without the pointer.
    Display->Present(BaseFrame);
    return;
  }
  PassPlayerDay();
}
