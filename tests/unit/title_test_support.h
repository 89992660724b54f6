// SPDX-License-Identifier: GPL-2.0-or-later
// A headless game shell in a scratch working directory, for the title,
// office and command-menu tests: screens run through the real frame loop
// and window procedure, with whatever data files a test writes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/app_test_support.h"
#include "tests/unit/world_test_support.h"
#include "world/world.h"

class TitleShell : public ::testing::Test {
 protected:
  void SetUp() override {
    StartTestShell();
    ResetWorld();
    NoticeCode = NoticeNone;
  }

  // The log lines written since the test began.
  static std::vector<std::string> Log() { return HeadlessLogLines(); }
  static bool Logged(const std::string& line) {
    for (const std::string& entry : HeadlessLogLines()) {
      if (entry == line) return true;
    }
    return false;
  }
  static void Click(int x, int y) {
    PushTestEvent(PlatformEventMouseMove, x, y);
    PushTestEvent(PlatformEventLeftButtonUp, x, y);
  }
  static void Move(int x, int y) { PushTestEvent(PlatformEventMouseMove, x, y); }

  // A small but whole set of data files: the player and one rival, a dinner
  // cost of 30, the bank's nine terms and two persons.
  static void WriteWorldFiles() {
    WriteBytes("data/corp.dat", Lines({"1", "2", "3", "4", "5", "6", "2", "-", "player", "5000", "0", "3", "0", "-",
                                       "rival", "9000", "0", "2", "0"}));
    WriteBytes("data/main.dat", Lines({"1", "2", "30"}));
    std::vector<std::string> bank = {"bank", "9"};
    for (int i = 0; i < 9; ++i) {
      bank.push_back("-");
      bank.push_back(std::to_string(i * 10));
    }
    WriteBytes("data/bank.dat", Lines(bank));
    std::vector<std::string> man = {"2"};
    for (const char* name : {"kim", "lee"}) {
      for (const std::string& line : {std::string("-"), std::string(name), std::string("0"), std::string("-"),
                                      std::string("100"), std::string("1"), std::string("2"), std::string("3"),
                                      std::string("4"), std::string("5"), std::string("6")}) {
        man.push_back(line);
      }
    }
    WriteBytes("face/man.dat", Lines(man));
  }

  ScratchDirectory scratch;
};
