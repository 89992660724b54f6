// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/random.h"

static uint32_t State = 1;

void GameSrand(uint32_t seed) { State = seed; }

int GameRand() {
  State = State * 214013u + 2531011u;
  return static_cast<int>((State >> 16) & 0x7FFF);
}

uint32_t GameRandomState() { return State; }
