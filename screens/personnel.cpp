// Personnel management. Entered from the office with its picture in
// BaseFrame; the panel is laid over it once. Every action shows its box at
// once, even one that had no effect. Leaving costs a day.
#include "screens/personnel.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/font.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

struct AreaRect {
  PersonnelArea area;
  int16_t x1, y1, x2, y2;
};

const AreaRect Areas[] = {
    {PersonnelClose, 263, 308, 383, 336},   {PersonnelPrevious, 399, 184, 421, 196},
    {PersonnelNext, 399, 96, 421, 212},     {PersonnelPromote, 280, 229, 333, 250},
    {PersonnelRetire, 360, 229, 413, 250},  {PersonnelRaise, 280, 265, 333, 286},
    {PersonnelCut, 360, 265, 413, 286},
};

constexpr int NameX = 257;
constexpr int NameY = 187;

bool HasShownEmployee() { return ListCount > 0 && ListCursor >= 0 && ListCursor < ListCount; }

int32_t ShownEmployee() { return IndexList[ListCursor]; }

void Tell(const char8_t* utf8) { ScreenMessageBox(WansungText(Tr(utf8)), WansungText(Tr(u8"알림")), BoxOk); }

void Leave() { SwitchScreen(DayPassScreen); }

void Retire() {
  RetireHonorably(ShownEmployee());
  Tell(u8"명예퇴직시킵니다");
  BuildStaffList();
  ListCursor = 0;
  // The last one gone, nobody is left to show: the visit ends by itself.
  if (Companies[PlayerCompany].staffCount <= 0 || ListCount == 0) {
    Display->Present(ComposeFrame);
    Leave();
  }
}

void Act(PersonnelArea area) {
  if (area == PersonnelClose) {
    Leave();
    return;
  }
  if (area == PersonnelPrevious) {
    if (ListCursor > 0) ListCursor -= 1;
    return;
  }
  if (area == PersonnelNext) {
    if (ListCursor < ListCount - 1) ListCursor += 1;
    return;
  }
  // A list that names nobody (a save whose staff count disagrees with its
  // persons) has no one to act on.
  if (area == PersonnelNothing || !HasShownEmployee()) return;
  switch (area) {
    case PersonnelPromote:
      Promote(ShownEmployee());
      Tell(u8"승진시킵니다");
      break;
    case PersonnelRaise:
      RaiseStep(ShownEmployee());
      Tell(u8"승호시킵니다");
      break;
    case PersonnelCut:
      CutPay(ShownEmployee());
      Tell(u8"감봉시킵니다");
      break;
    case PersonnelRetire:
      Retire();
      break;
    default:
      break;
  }
}

void Enter() {
  ScreenEntry = 0;
  ListCount = 0;
  LoadImage(ScratchFrame, FrameBytes, "data/care.kxg");
  PutRect(BaseFrame, CarePanelLeft, CarePanelTop, CarePanelRight, CarePanelBottom, ScratchFrame);
  BuildStaffList();
  ListCursor = 0;
}

}  // namespace

PersonnelArea PersonnelAreaAt(int32_t x, int32_t y) {
  for (const AreaRect& r : Areas) {
    if (x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2) return r.area;
  }
  return PersonnelNothing;
}

void BuildStaffList() {
  ListCount = 0;
  const int32_t count = PersonCount < MaxPersons ? PersonCount : MaxPersons;
  for (int32_t i = 0; i < count && ListCount < IndexListSize; ++i) {
    const Person& p = Persons[i];
    if (p.employer == PlayerCompany && p.employed == 1) IndexList[ListCount++] = i;
  }
}

void PersonnelScreen() {
  if (ScreenEntry != 0) Enter();
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  TextColour = EmployeeNameColour;
  if (HasShownEmployee()) DrawTextPlain(ComposeFrame, NameX, NameY, Persons[ShownEmployee()].name);
  DrawCursor(ComposeFrame);
  // Presented before the click is handled: its effect shows next frame.
  Display->Present(ComposeFrame);
  if (MouseClick & 1) Act(PersonnelAreaAt(MouseX, MouseY));
}
