// The negotiation. The six pictures wait in ScratchFrame, one after the
// other; the step timer counts states 1..5 (pictures 1..5 shown) and 100
// (picture 6 shown), after which chance decides and a day passes.
#include "screens/negotiation.h"

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

namespace {

constexpr int PictureBytes = (NegotiationRight - NegotiationLeft + 1) * (NegotiationBottom - NegotiationTop + 1);
constexpr int16_t LastPictureState = 100;

const uint8_t* Picture(int number) { return ScratchFrame + PictureBytes * (number - 1); }

void ShowPicture(int number) {
  PutRect(BaseFrame, NegotiationLeft, NegotiationTop, NegotiationRight, NegotiationBottom, Picture(number));
}

void LoadPictures() {
  LoadImage(BaseFrame, FrameBytes, "data/mo001.kxg");
  char path[32];
  for (int n = 1; n <= NegotiationPictures; ++n) {
    std::snprintf(path, sizeof path, "data/ani%d.kxg", n);
    LoadImage(ScratchFrame + PictureBytes * (n - 1), PictureBytes, path);
  }
  ShowPicture(1);
}

void Decide() {
  const char* caption = WansungText(Tr(u8"알림"));
  if (ConcludeNegotiation()) {
    ScreenMessageBox(WansungText(Tr(u8"축하합니다. 계약이 이루어졌습니다")), caption, BoxOk);
  } else {
    ScreenMessageBox(WansungText(Tr(u8"다음 기회를 이용해주세요")), caption, BoxOk);
  }
  AnimState = 0;
  SwitchScreen(DayPassScreen);
}

}  // namespace

void NegotiationScreen() {
  if (ScreenEntry != 0) {
    // The timer starts before the pictures are read.
    StartStepTimer(1, NegotiationPictureDelay);
    ScreenEntry = 0;
    LoadPictures();
  }
  if (!StepTimerExpired()) {
    Display->Present(BaseFrame);
    return;
  }
  if (AnimState < 1 || AnimState >= NegotiationPictures) {
    Decide();
    return;
  }
  const int next = AnimState + 1;
  ShowPicture(next);
  StartStepTimer(next == NegotiationPictures ? LastPictureState : static_cast<int16_t>(next),
                 NegotiationPictureDelay);
  Display->Present(BaseFrame);
}
