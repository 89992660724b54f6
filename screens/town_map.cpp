// SPDX-License-Identifier: GPL-2.0-or-later
// The town map. The office has put the map into BaseFrame and left its own
// palette on the display, so the map has no first-call step; a click on a
// place either starts the walk there or goes straight back to the office.
#include "screens/town_map.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/screens.h"

int32_t WalkX;
int32_t WalkY;
int32_t WalkTargetX;
int32_t WalkTargetY;

const TownPlace TownPlaces[TownPlaceCount] = {
    {{236, 129, 338, 175}, 282, 150, JobAgencyScreen}, {{218, 197, 280, 254}, 258, 220, BankScreen},
    {{73, 249, 118, 300}, 99, 277, RankingScreen},     {{393, 394, 457, 446}, 0, 0, nullptr},
    {{224, 363, 273, 412}, 250, 383, DonationScreen},
};

const TownPlace* TownPlaceAt(int32_t x, int32_t y) {
  for (const TownPlace& place : TownPlaces) {
    if (PointInRect(place.area, x, y)) return &place;
  }
  return nullptr;
}

namespace {

void StartWalk(const TownPlace& place) {
  WalkX = WalkStartX;
  WalkY = WalkStartY;
  WalkTargetX = place.targetX;
  WalkTargetY = place.targetY;
  CurrentScreen = WalkScreen;
  ReturnScreen = place.destination;
  ScreenEntry = 1;
}

// The office building: no walk and no day.
void BackToOffice() {
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  CurrentScreen = OfficeScreen;
  ScreenEntry = 1;
}

}  // namespace

void TownMapScreen() {
  if (MouseClick & 1) {
    const TownPlace* place = TownPlaceAt(MouseX, MouseY);
    if (place && place->destination) StartWalk(*place);
    if (place && !place->destination) BackToOffice();
  }
  // Also in the frame of a hit: the map (or the office just loaded) shows
  // once more under the pointer.
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
