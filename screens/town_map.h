// SPDX-License-Identifier: GPL-2.0-or-later
// The town map and the walk from the office door to one of its places.
#pragma once

#include <cstdint>

#include "screens/screen.h"

// The walker: the top-left corner of its 32x48 picture, and where the walk
// ends.
extern int32_t WalkX;
extern int32_t WalkY;
extern int32_t WalkTargetX;
extern int32_t WalkTargetY;

// Every walk starts at the office door.
constexpr int32_t WalkStartX = 393;
constexpr int32_t WalkStartY = 394;

constexpr int WalkerWidth = 32;
constexpr int WalkerHeight = 48;
constexpr int WalkerPictures = 8;

// The places of the map, in the order clicks are tested. The office has no
// walk: it leads back at once.
struct TownPlace {
  ButtonRect area;
  int32_t targetX, targetY;
  ScreenHandler destination;  // nullptr: the office building
};
constexpr int TownPlaceCount = 5;
extern const TownPlace TownPlaces[TownPlaceCount];

// The first place whose area holds (x, y), or nullptr.
const TownPlace* TownPlaceAt(int32_t x, int32_t y);

// One step of the walk: along the axis with the longer remaining distance,
// diagonally once both are equal.
void StepWalker();
