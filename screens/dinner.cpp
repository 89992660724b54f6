// The company dinner. The office has put data/eat.kxg into BaseFrame and
// checked that there is staff and money. The screen times itself with the
// step timer's clock but leaves AnimState at 0; the mouse does nothing here.
#include "screens/dinner.h"

#include <cinttypes>
#include <cstdio>

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

void StartClock() {
  AnimLast = AnimNow = PlatformMilliseconds();
  AnimElapsed = 0;
  AnimDelay = DinnerDelay;
}

bool ClockRunning() {
  const uint32_t now = PlatformMilliseconds();
  AnimElapsed += now - AnimLast;
  AnimLast = AnimNow = now;
  return AnimElapsed <= static_cast<uint32_t>(DinnerDelay);
}

void PayAndReport() {
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  Display->Present(ComposeFrame);
  const int32_t cost = HoldDinner();
  char number[16];
  std::snprintf(number, sizeof number, "%" PRId32, cost);
  std::snprintf(MessageText, sizeof MessageText, WansungText(Tr(u8"%s만큼의 회식비가 들었습니다")), number);
  PostNotice(NoticeReport);
  SwitchScreen(DayPassScreen);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
}

}  // namespace

void DinnerScreen() {
  if (ScreenEntry != 0) {
    StartClock();
    ScreenEntry = 0;
    return;
  }
  if (ClockRunning()) {
    CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
    DrawCursor(ComposeFrame);
    Display->Present(ComposeFrame);
    return;
  }
  PayAndReport();
}
