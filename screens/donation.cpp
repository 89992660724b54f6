// The nursing home: one second of its picture, then the donation, its report
// and a day. The mouse does nothing here.
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

constexpr int32_t PictureDelay = 1000;

// The report shows what was given as 32 bits, a debt too.
void ReportDonation(int64_t given) {
  std::snprintf(MessageText, sizeof MessageText, WansungText(Tr(u8"양로원에 %d을 기부했습니다")),
                static_cast<int>(static_cast<int32_t>(given)));
}

}  // namespace

void DonationScreen() {
  if (ScreenEntry) {
    // The office's palette, left by the town map, shows this picture too.
    LoadImage(BaseFrame, FrameBytes, "data/love.kxg");
    AnimLast = AnimNow = PlatformMilliseconds();
    AnimElapsed = 0;
    AnimDelay = PictureDelay;
    ScreenEntry = 0;
    return;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  if (!StepTimerExpired()) {
    DrawCursor(ComposeFrame);
    Display->Present(ComposeFrame);
    return;
  }
  ScreenEntry = 1;
  Display->Present(ComposeFrame);
  ReportDonation(MakeDonation());
  CurrentScreen = DayPassScreen;
  PostNotice(NoticeReport);
}
