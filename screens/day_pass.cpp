// A day passes: the rivals' money moves one rival per frame, then in one
// frame the player's day (sim/day.cpp). It ends in the office with the day
// report, or in prison.
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

void GoToPrison() {
  ScreenEntry = 1;
  NoticeCode = NoticeNone;
  CurrentScreen = PrisonScreen;
}

void EndPlayerDay() {
  const PlayersDay day = PassPlayersDay();
  if (day == DayInPrison) {
    GoToPrison();
    return;
  }
  // The letter comes at the loan's month; the staff's day, already done,
  // neither shows nor waits for anything.
  if (day == DayDunned) {
    ScreenMessageBox(WansungText(Tr(u8"대출 계약 기한이 마감되었습니다.\n빠른 기일내에 돈을 갚으세요")),
                     WansungText(Tr(u8"독촉장")), BoxOk);
  }
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
    BeginDay();
    ScreenEntry = 0;
  }
  if (WalkNextRival()) {
    // The picture of the screen that started the day stays, without the pointer.
    Display->Present(BaseFrame);
    return;
  }
  EndPlayerDay();
}
