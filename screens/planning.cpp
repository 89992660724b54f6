// Project planning. The office has put data/self.kxg into BaseFrame. Which
// kind was clicked is not kept: the production is defined by its days alone.
// Either way out, the return button or the question, passes a day.
#include "screens/planning.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/font.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

void DrawKinds() {
  DrawText(ComposeFrame, PlanningListLeft, 50, JohabText(Tr(u8"프로젝트종류    ")), PlanningHeaderColour,
           PlanningShadowColour);
  for (int i = 0; i < JobTypeCount; ++i) {
    DrawText(ComposeFrame, PlanningListLeft, PlanningListTop + 20 * i, JobTypeNames[i], PlanningKindColour,
             PlanningShadowColour);
  }
}

// The day pass is chosen before the question: it follows on either answer.
void AskForProduction() {
  PostNotice(NoticeProductionPlan);
  SwitchScreen(DayPassScreen);
  AnimState = 0;
}

}  // namespace

bool PlanningListAt(int32_t x, int32_t y) {
  return x >= PlanningListLeft && x <= PlanningListRight && y >= PlanningListTop && y <= PlanningListBottom;
}

void PlanningScreen() {
  if (AnimState != 0) {
    if (RunButtonAnimation(ReturnButton)) SwitchScreen(DayPassScreen);
    return;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawKinds();
  if (MouseClick & 1) {
    if (PointInRect(ReturnButton, MouseX, MouseY)) {
      PressButton(ReturnButton, ReturnButtonImage, 100);
      return;
    }
    if (PlanningListAt(MouseX, MouseY)) AskForProduction();
  }
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
