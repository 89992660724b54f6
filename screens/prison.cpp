// The end of a game lost to the bank: the prison picture over the last
// screen, two seconds of its sound, "Game Over", and the program closes.
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/notice_state.h"

namespace {

constexpr int32_t PrisonDelay = 2000;

void EnterPrison() {
  PlaySoundFile("sound/001.wav");
  AnimLast = AnimNow = PlatformMilliseconds();
  AnimElapsed = 0;
  AnimDelay = PrisonDelay;
  ScreenEntry = 0;
  // The picture is 177 x 122; the scratch frame takes any picture.
  LoadImage(ScratchFrame, FrameBytes, "data/prison.kxg");
  PutRect(BaseFrame, 230, 179, 406, 300, ScratchFrame);
}

}  // namespace

void PrisonScreen() {
  if (ScreenEntry) {
    EnterPrison();
    return;
  }
  if (StepTimerExpired()) {
    Display->FlipToGdi();
    ShowCursor(true);
    if (NoticeCode == NoticeNone) {
      PlatformMessageBox(WansungText(Tr(u8"당신은 은행돈을 갚지 못해 감옥에 들어갑니다")), WansungText(Tr("Game Over")), BoxOk);
    }
    ShowCursor(false);
    PostGameMessage(WM_CLOSE);
  }
  Display->Present(BaseFrame);
}
