// The office screen. Whoever enters it has put data/mo001.kxg into
// BaseFrame with its palette, so it has no first-call step: it composes the
// status frame, runs the bands' press animation and their actions.
#include "screens/office.h"

#include <cstdio>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr int32_t BandPressDelay = 100;
constexpr int32_t BandReleaseDelay = 10;
constexpr int StripWidth = BarRight - BarLeft + 1;  // 128: totalbar2.kxg is packed at this width

int16_t BandTopRow(int band) { return static_cast<int16_t>(BandTop + BandHeight * (band - 1)); }
int16_t BandBottomRow(int band) { return static_cast<int16_t>(BandTopRow(band) + BandHeight - 1); }

void PostRefusal(const char* wansung) {
  PlaySoundFile("sound/error.wav");
  std::snprintf(MessageText, sizeof MessageText, "%s", wansung);
  PostNotice(NoticeRefusal);
}

// The map comes with the office palette, which it keeps.
void TownMapBand() {
  LoadImage(BaseFrame, FrameBytes, "data/tmap0002.kxg");
  Display->SetPalette(GamePalette);
  CurrentScreen = TownMapScreen;
  ReturnScreen = OfficeScreen;
}

void ContractBand() {
  LoadImage(BaseFrame, FrameBytes, "data/info.kxg");
  CurrentScreen = ContractListScreen;
  ReturnScreen = OfficeScreen;
  ScreenEntry = 1;
}

void PlanningBand() {
  if (Companies[PlayerCompany].workTicks != 0) {
    PostRefusal(WansungText(Tr(u8"현재 진행중인 일이 있습니다")));
    return;
  }
  LoadImage(BaseFrame, FrameBytes, "data/self.kxg");
  CurrentScreen = PlanningScreen;
  ReturnScreen = OfficeScreen;
  ScreenEntry = 1;
}

// The panel is laid over the office picture: nothing is loaded here.
void PersonnelBand() {
  if (Companies[PlayerCompany].staffCount <= 0) {
    PostRefusal(WansungText(Tr(u8"현재 직원이 한명도 없습니다")));
    return;
  }
  ScreenEntry = 1;
  CurrentScreen = PersonnelScreen;
  ScreenRunning = 1;
}

void DinnerBand() {
  const Company& player = Companies[PlayerCompany];
  if (player.staffCount != 0 && player.money >= static_cast<int64_t>(DinnerCost())) {
    // ScreenEntry is still 1 from the band's press.
    LoadImage(BaseFrame, FrameBytes, "data/eat.kxg");
    CurrentScreen = DinnerScreen;
    ReturnScreen = OfficeScreen;
    return;
  }
  PostNotice(player.staffCount == 0 ? NoticeNoStaffForDinner : NoticeNoDinnerMoney);
}

void CommandMenuBand() {
  LoadImage(ScratchFrame, FrameBytes, "data/commbar.kxg");
  PutRect(BaseFrame, 227, 75, 412, 404, ScratchFrame);
  CurrentScreen = CommandMenuScreen;
  ReturnScreen = OfficeScreen;
  ScreenEntry = 1;
}

void (*const BandActions[BandCount])() = {TownMapBand, ContractBand, PlanningBand,
                                          PersonnelBand, DinnerBand, CommandMenuBand};

void RunBandTimer() {
  if (!StepTimerExpired()) {
    Display->Present(BaseFrame);
    return;
  }
  if (AnimState >= 1 && AnimState <= BandCount) {
    const int band = AnimState;
    StartStepTimer(static_cast<int16_t>(100 * band), BandReleaseDelay);
    PutRect(BaseFrame, BarLeft, BandTopRow(band), BarRight, BandBottomRow(band), ScratchFrame);
    Display->Present(BaseFrame);
    return;
  }
  if (AnimState % 100 == 0 && AnimState / 100 >= 1 && AnimState / 100 <= BandCount) {
    const int band = AnimState / 100;
    AnimState = 0;
    const ScreenHandler before = CurrentScreen;
    BandActions[band - 1]();
    // An action that neither switched nor raised a notice leaves the office
    // as it was; the frame still shows it.
    if (CurrentScreen == before && ScreenRunning) Display->Present(BaseFrame);
    return;
  }
  Display->Present(BaseFrame);
}

void PressBand(int band) {
  LoadImage(ComposeFrame, FrameBytes, "data/totalbar2.kxg");
  SaveRect(BaseFrame, BarLeft, BandTopRow(band), BarRight, BandBottomRow(band), ScratchFrame);
  PutRect(BaseFrame, BarLeft, BandTopRow(band), BarRight, BandBottomRow(band),
          ComposeFrame + StripWidth * BandHeight * (band - 1));
  Display->Present(BaseFrame);
  ScreenEntry = 1;
  StartStepTimer(static_cast<int16_t>(band), BandPressDelay);
}

void PresentStatusFrame() {
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawOfficeStatus(ComposeFrame);
  StepWorkAnimation(ComposeFrame);
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}

}  // namespace

int OfficeBarAreaAt(int32_t x, int32_t y) {
  if (x < BarLeft || x > BarRight || y < 0 || y > BandTopRow(BandCount) + BandHeight - 1) return NoBarArea;
  if (y <= DayStripBottom) return DayStripArea;
  return (y - BandTop) / BandHeight + 1;
}

void OfficeScreen() {
  if (AnimState != 0) {
    RunBandTimer();
    return;
  }
  const int area = (MouseClick & 1) ? OfficeBarAreaAt(MouseX, MouseY) : NoBarArea;
  if (area == DayStripArea) {
    SwitchScreen(DayPassScreen);
    return;
  }
  if (area != NoBarArea) {
    PressBand(area);
    return;
  }
  PresentStatusFrame();
}
