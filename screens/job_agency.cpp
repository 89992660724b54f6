// The job agency. Every visit draws a few free persons as job seekers
// (DrawJobSeekers, sim/); a click on one asks whether to hire them, and the
// hire notice does it and takes them off the list. Leaving passes a day.
#include "screens/job_agency.h"

#include <cstdio>
#include <cstring>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/font.h"
#include "text/hangul.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr int HeaderY = 50;

int32_t PersonPool() {
  if (PersonCount <= 0) return 0;
  return PersonCount < MaxPersons ? PersonCount : MaxPersons;
}

// A seeker's list position is only valid while it names a person.
bool ValidSeeker(int32_t row) {
  return row >= 0 && row < SeekerCount && row < IndexListSize && IndexList[row] >= 0 && IndexList[row] < PersonPool();
}

void DrawSeekerList() {
  if (SeekerCount <= 0) {
    DrawText(ComposeFrame, SeekerListLeft, SeekerListTop, JohabText(Tr(u8"현재 구직자가 한명도 없습니다")), NoSeekerColour,
             SeekerShadowColour);
    return;
  }
  DrawText(ComposeFrame, SeekerListLeft, HeaderY, JohabText(Tr(u8"이름            분류           희망월급")),
           SeekerHeaderColour, SeekerShadowColour);
  for (int32_t i = 0; i < SeekerCount; ++i) {
    if (!ValidSeeker(i)) continue;
    char line[160];
    FormatSeekerLine(IndexList[i], line, sizeof line);
    DrawText(ComposeFrame, SeekerListLeft, SeekerListTop + SeekerLineHeight * i, line, SeekerColour,
             SeekerShadowColour);
  }
}

void FirstCall() {
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/man001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  Display->Present(BaseFrame);
  DrawJobSeekers();
  ScreenEntry = 0;
}

void AskToHire(int32_t row) {
  ListCursor = row;
  FormatHireQuestion(IndexList[row]);
  // The list stays on screen under the box, without the pointer.
  Display->Present(ComposeFrame);
  PostNotice(NoticeHire);
}

}  // namespace

const char* CategoryName(int8_t category) {
  switch (category) {
    case CategoryProgrammer: return JohabText(Tr(u8"프로그래머"));
    case CategoryDesigner: return JohabText(Tr(u8"그래픽 디자이너"));
    case CategorySales: return JohabText(Tr(u8"영업"));
    case CategoryManagement: return JohabText(Tr(u8"관리"));
    default: return JohabText(Tr(u8"불확실"));
  }
}

int32_t SeekerRowAt(int32_t x, int32_t y) {
  if (SeekerCount <= 0) return -1;
  if (x < SeekerListLeft || x > SeekerListRight) return -1;
  if (y < SeekerListTop || y > SeekerListTop - 1 + SeekerLineHeight * SeekerCount) return -1;
  return (y - SeekerListTop) / SeekerLineHeight;
}

void FormatSeekerLine(int32_t index, char* text, size_t size) {
  const Person& p = Persons[index];
  // The widths count bytes: a syllable is two. The name field need not end
  // in a zero in a saved game, so it is read no further than its size.
  std::snprintf(text, size, JohabText(Tr("%-10.*s %-15s %7d")), static_cast<int>(sizeof p.name), p.name, CategoryName(p.category),
                static_cast<int>(p.salary));
}

void FormatHireQuestion(int32_t index) {
  char name[sizeof Persons[0].name + 1] = {};
  std::memcpy(name, Persons[index].name, NameLength(Persons[index].name, sizeof Persons[index].name));
  ConvertString(Johab, Wansung, name);
  std::snprintf(MessageText, sizeof MessageText, WansungText(Tr(u8"%s씨를 채용하시겠습니까")), name);
}

void JobAgencyScreen() {
  if (AnimState != 0) {
    if (ReturnButtonClicked()) SwitchScreen(DayPassScreen);
    return;
  }
  if (ScreenEntry) {
    FirstCall();
    return;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawSeekerList();
  if (MouseClick & 1) {
    if (PointInRect(ReturnButton, MouseX, MouseY)) {
      PressButton(ReturnButton, ReturnButtonImage, 100);
      return;
    }
    const int32_t row = SeekerRowAt(MouseX, MouseY);
    if (row >= 0 && ValidSeeker(row)) {
      AskToHire(row);
      return;
    }
  }
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
