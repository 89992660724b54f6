// The town's places on the headless game shell: a small world (the player,
// rivals, persons, the bank's terms) and the frame loop, window procedure,
// notices and dialogs running for real.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/app_test_support.h"
#include "tests/unit/sim_test_support.h"
#include "tests/unit/world_test_support.h"

class TownShell : public ::testing::Test {
 public:
  void SetUp() override {
    StartSmallWorld(5000);
    StartTestShell();
    NoticeCode = 0;
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
