// SPDX-License-Identifier: GPL-2.0-or-later
// The ranking board played through the replay harness on a world in which
// the player's company is the richest: leaving the board shows the victory
// on every visit, with the fanfare, the congratulation and its sound after
// the box, and a day each time.
#include <string>
#include <vector>

#include "tests/unit/town_test_support.h"

namespace {

const char* const Visits = R"(
click 80 30
until TownMapScreen
click 99 277
until RankingScreen 400
frames 2
click 500 440
until VictoryScreen 50
until OfficeScreen 400
click 80 30
until TownMapScreen
click 99 277
until RankingScreen 400
frames 2
click 10 300
frames 2
click 500 440
until VictoryScreen 50
until OfficeScreen 400
frames 2
)";

// From the first walk on, without the day reports (the rivals' business).
std::vector<std::string> PlaceLines() {
  std::vector<std::string> lines;
  bool inTown = false;
  for (const std::string& line : HeadlessLogLines()) {
    if (line == "screen TownMapScreen") inTown = true;
    if (inTown && line.rfind("box 알림 | ", 0) != 0) lines.push_back(line);
  }
  return lines;
}

TEST(RankingReplay, LeavingTheBoardFirstShowsTheVictoryOnEveryVisit) {
  ScratchDirectory scratch;
  const std::filesystem::path tree = scratch.Path() / "tree";
  WriteTreeWithPlayerMoney(tree, "900000000");
  PlayScript(tree, (std::string(NewGameToOffice) + Visits).c_str());
  const std::vector<std::string> visit = {
      "screen TownMapScreen",
      "screen WalkScreen",
      "sound sound/walk.wav loop",
      "sound sound/stop.wav",
      "screen RankingScreen",
      "screen VictoryScreen",
      "sound sound/win.wav",
      "screen DayPassScreen",
      "box 축하메세지 | 축하합니다. 당신의 회사가 재계 1위를 차지하였습니다 | ok",
      "sound sound/yes.wav",
      "screen OfficeScreen",
  };
  std::vector<std::string> twice = visit;
  twice.insert(twice.end(), visit.begin(), visit.end());
  EXPECT_EQ(PlaceLines(), twice);
  EXPECT_EQ(DayCount, 3);
}

}  // namespace
