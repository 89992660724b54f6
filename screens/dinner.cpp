// The company dinner. The office has put data/eat.kxg into BaseFrame and
// checked that there is staff and money. The screen times itself with the
// step timer's clock but leaves AnimState at 0; the mouse does nothing here.
#include "screens/dinner.h"

#include <cinttypes>
#include <cstdio>

#include "app/notice.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/cash.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr uint8_t NoticeReport = 1;

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
  const int32_t cost = DinnerCost();
  AddCash(Companies[PlayerCompany].money, -static_cast<int64_t>(cost));
  char number[16];
  std::snprintf(number, sizeof number, "%" PRId32, cost);
  std::snprintf(MessageText, sizeof MessageText, WansungText(u8"%s만큼의 회식비가 들었습니다"), number);
  RelieveDinnerStress();
  PostNotice(NoticeReport);
  SwitchScreen(DayPassScreen);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
}

}  // namespace

int32_t DinnerCost() {
  // The record's widths make it a 32-bit product; it wraps rather than
  // overflows, exactly as the office's check computes it.
  return static_cast<int32_t>(static_cast<uint32_t>(Companies[PlayerCompany].staffCount) *
                              static_cast<uint32_t>(DinnerParams.values[0]));
}

void RelieveDinnerStress() {
  const int32_t count = PersonCount < MaxPersons ? PersonCount : MaxPersons;
  for (int32_t i = 0; i < count; ++i) {
    Person& p = Persons[i];
    if (p.employer != PlayerCompany || p.employed != 1) continue;
    p.stress = p.stress >= 10 ? static_cast<int16_t>(p.stress - 10) : static_cast<int16_t>(0);
  }
}

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
