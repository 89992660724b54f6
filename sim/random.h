// SPDX-License-Identifier: GPL-2.0-or-later
// The game's own random generator: a linear congruential generator with
// 15-bit results, so that a seed gives the same game on every machine.
#pragma once

#include <cstdint>

void GameSrand(uint32_t seed);
// 0 .. 32767.
int GameRand();
uint32_t GameRandomState();
