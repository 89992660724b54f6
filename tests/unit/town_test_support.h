// SPDX-License-Identifier: GPL-2.0-or-later
// The town's places on the headless game shell: a small world (the player,
// rivals, persons, the bank's terms) and the frame loop, window procedure,
// notices and dialogs running for real.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "tests/unit/app_test_support.h"
#include "tests/unit/sim_test_support.h"
#include "tests/unit/world_test_support.h"
#include "tools/replay/runner.h"

class TownShell : public ::testing::Test {
 public:
  void SetUp() override {
    StartSmallWorld(5000);
    StartTestShell();
    NoticeCode = NoticeNone;
    BankParams.values[1] = 1000;
    BankParams.values[2] = 50000;
    BankParams.values[3] = 3;
    BankParams.values[4] = 12;
  }

  static void Click(int x, int y) {
    PushTestEvent(PlatformEventMouseMove, x, y);
    PushTestEvent(PlatformEventLeftButtonUp, x, y);
  }
  static bool Logged(const std::string& line) {
    for (const std::string& entry : HeadlessLogLines()) {
      if (entry == line) return true;
    }
    return false;
  }
  // Enters a place as the walk leaves it: ScreenEntry 1, no timer.
  static void Enter(ScreenHandler screen) {
    CurrentScreen = screen;
    ScreenEntry = 1;
    AnimState = 0;
  }
  // Runs frames until the screen changes from `screen`; the frames run.
  static int FramesOn(ScreenHandler screen, int limit = 2000) {
    int frames = 0;
    while (CurrentScreen == screen && frames < limit) {
      if (!RunFramesForTest(1)) break;
      ++frames;
    }
    return frames;
  }
  // The return button pressed and let go: the place's leaving action.
  static void LeaveThroughReturn(ScreenHandler screen) {
    Click(500, 440);
    RunFramesForTest(1);
    FramesOn(screen, 100);
  }

  ScratchDirectory scratch;
};

// The default data tree copied to `tree`, with the player's starting money
// (the first "5000" line of data/corp.dat) replaced.
inline void WriteTreeWithPlayerMoney(const std::filesystem::path& tree, const std::string& money) {
  std::filesystem::copy(KXS_GAME_TREE, tree, std::filesystem::copy_options::recursive);
  const std::string corp = (tree / "data/corp.dat").string();
  const std::vector<uint8_t> bytes = ReadBytes(corp);
  std::string text(bytes.begin(), bytes.end());
  const size_t at = text.find("\n5000\n");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 6, "\n" + money + "\n");
  WriteBytes(corp, text);
}

// Plays a replay script on `tree` with seed 1, in this process, so that the
// world can be read afterwards.
inline void PlayScript(const std::filesystem::path& tree, const char* script) {
  std::vector<ReplayCommand> commands;
  std::string error;
  ASSERT_TRUE(ParseReplayScript(script, &commands, &error)) << error;
  HeadlessReset();
  delete Display;
  Display = nullptr;
  ReplayOptions options;
  options.root = tree.string();
  options.hasSeed = true;
  options.seed = 1;
  ASSERT_EQ(RunReplay(commands, options, &error), 0) << error;
}

// The way from the start picture to the office of a new game.
constexpr const char* NewGameToOffice = R"(
frames 3
key SPACE
frames 2
dialog "홍길동" "길동소프트" ok
click 300 240
until NewGameScreen 2000
click 560 430
until OfficeScreen
)";
