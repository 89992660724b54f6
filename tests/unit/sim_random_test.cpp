// SPDX-License-Identifier: GPL-2.0-or-later
// The game's own generator: the same numbers for a seed on every machine.
#include <gtest/gtest.h>

#include <vector>

#include "sim/random.h"

namespace {

std::vector<int> Draw(uint32_t seed, int count) {
  GameSrand(seed);
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(GameRand());
  return values;
}

TEST(GameRandom, KnownSeedsGiveTheirSequences) {
  EXPECT_EQ(Draw(1, 8), (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358}));
  EXPECT_EQ(Draw(0, 8), (std::vector<int>{38, 7719, 21238, 2437, 8855, 11797, 8365, 32285}));
  EXPECT_EQ(Draw(12345, 8), (std::vector<int>{7584, 19164, 25795, 22125, 5828, 23405, 27477, 5413}));
  // The top bit of the state never reaches a result.
  EXPECT_EQ(Draw(0xFFFFFFFFu, 4), (std::vector<int>{35, 29739, 3374, 11141}));
}

TEST(GameRandom, StateIsTheWholeGenerator) {
  GameSrand(1);
  for (int i = 0; i < 8; ++i) GameRand();
  EXPECT_EQ(GameRandomState(), 0x72AE7869u);
  // Seeding with a saved state continues the same sequence.
  const uint32_t state = GameRandomState();
  const int next = GameRand();
  GameSrand(state);
  EXPECT_EQ(GameRand(), next);
}

TEST(GameRandom, ResultsStayWithinFifteenBits) {
  GameSrand(987654321u);
  int highest = 0;
  for (int i = 0; i < 100000; ++i) {
    const int value = GameRand();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
    if (value > highest) highest = value;
  }
  EXPECT_GT(highest, 32700);
}

}  // namespace
