// The ranking board played through the replay harness on a world in which
// the player's company is the richest: leaving the board shows the victory
// on every visit, with the fanfare, the congratulation and its sound after
// the box, and a day each time.
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "tests/unit/town_test_support.h"
#include "tools/replay/runner.h"

namespace {

// The default tree with the player's starting money raised above every
// rival's.
void WriteRichTree(const std::filesystem::path& tree) {
  std::filesystem::copy(KXS_GAME_TREE, tree, std::filesystem::copy_options::recursive);
  const std::string corp = (tree / "data/corp.dat").string();
  std::vector<uint8_t> bytes = ReadBytes(corp);
  std::string text(bytes.begin(), bytes.end());
  const size_t at = text.find("\n5000\n");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 6, "\n900000000\n");
  WriteBytes(corp, text);
}

const char* const Script = R"(
frames 3
key SPACE
frames 2
dialog "홍길동" "길동소프트" ok
click 300 240
until NewGameScreen 2000
click 560 430
until OfficeScreen
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
  WriteRichTree(tree);
  std::vector<ReplayCommand> commands;
  std::string error;
  ASSERT_TRUE(ParseReplayScript(Script, &commands, &error)) << error;
  HeadlessReset();
  delete Display;
  Display = nullptr;
  ReplayOptions options;
  options.root = tree.string();
  options.hasSeed = true;
  options.seed = 1;
  ASSERT_EQ(RunReplay(commands, options, &error), 0) << error;
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
