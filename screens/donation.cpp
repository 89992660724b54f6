// The nursing home: one second of its picture, then the donation, its report
// and a day. The mouse does nothing here.
#include "screens/donation.h"

#include <cstdio>

#include "app/notice.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr uint8_t NoticeReport = 1;
constexpr int32_t PictureDelay = 1000;

}  // namespace

void MakeDonation() {
  Company& player = Companies[PlayerCompany];
  if (player.money >= DonationAmount) {
    player.money -= DonationAmount;
    std::snprintf(MessageText, sizeof MessageText, "%s", WansungText(u8"양로원에 100을 기부했습니다"));
    if (player.bidOdds > 1) player.bidOdds = static_cast<int8_t>(player.bidOdds - 1);
    return;
  }
  // What is left is given, even a debt; the report shows it as 32 bits.
  std::snprintf(MessageText, sizeof MessageText, WansungText(u8"양로원에 %d을 기부했습니다"),
                static_cast<int>(static_cast<int32_t>(player.money)));
  player.money = 0;
}

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
  MakeDonation();
  CurrentScreen = DayPassScreen;
  PostNotice(NoticeReport);
}
