// SPDX-License-Identifier: GPL-2.0-or-later
// The player of the long runs: a day's visits to the places, each as its
// screen does it, and the day itself through the frame loop.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "gfx/image.h"
#include "screens/contract_list.h"
#include "screens/job_agency.h"
#include "screens/personnel.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "tests/unit/app_test_support.h"
#include "world/world.h"

struct StressRunShape {
  uint32_t seed;
  const char* playerMoney;
  int32_t staffTarget;  // the player stops hiring at this many
  int agencyPercent;    // the share of days that start with a hire visit
  int contractPercent;  // the share of job starts that go to the market
  int32_t longestPlan;  // days; a production sells for at most 100 per day
};

inline void PrintTo(const StressRunShape& shape, std::ostream* out) {
  *out << "seed " << shape.seed << ", money " << shape.playerMoney << ", staff up to " << shape.staffTarget
       << ", contracts " << shape.contractPercent << "%, plans up to " << shape.longestPlan << " days";
}

// The player's choices come from a generator of the test's own, so that
// the game's generator draws exactly what the game draws.
class StressPlayer {
 public:
  explicit StressPlayer(const StressRunShape& shape) : shape_(shape), choice_(shape.seed * 7919u + 1u) {}

  // Every 500 days the whole staff is retired and nobody hired for 100
  // days: jobs then run without hands, so contracts break and plans fail.
  void Act() {
    days_ += 1;
    if (days_ % 500 == 250) RetireEveryone();
    const bool hiring = days_ % 500 < 250 || days_ % 500 >= 350;
    if (hiring && Roll(100) < shape_.agencyPercent) VisitAgency();
    if (Companies[PlayerCompany].workTicks == 0) {
      if (Roll(100) < shape_.contractPercent) {
        VisitContractMarket();
      } else {
        PlanProduction();
      }
    }
    if (Roll(10) == 0) WorkTheStaff();
    if (Roll(20) == 0) HoldDinner();
    VisitBank();
  }

 private:
  int32_t Roll(int32_t n) { return static_cast<int32_t>(choice_() % static_cast<uint32_t>(n)); }

  // As the agency's first frame: a fresh list of seekers, then hires.
  void VisitAgency() {
    DrawJobSeekers();
    while (SeekerCount > 0 && Companies[PlayerCompany].staffCount < shape_.staffTarget) {
      ListCursor = Roll(SeekerCount);
      HirePerson();
    }
  }

  // The market's offers, one picked, and the negotiation's draw.
  void VisitContractMarket() {
    BuildOffers();
    if (OfferCount <= 0) return;
    AcceptOfferTerms(Offers[Roll(OfferCount)]);
    ConcludeNegotiation();
  }

  // Through the production-plan dialog; now and then a plan too short to
  // finish, so that productions fail as well as sell.
  void PlanProduction() {
    const int32_t days = Roll(4) == 0 ? 1 : 1 + Roll(shape_.longestPlan);
    HeadlessQueueDialog({std::to_string(days)}, AnswerOk);
    RunDialogResource(110);
  }

  void RetireEveryone() {
    BuildStaffList();
    const std::vector<int32_t> staff(IndexList, IndexList + ListCount);
    for (int32_t person : staff) RetireHonorably(person);
  }

  // The personnel screen's actions on random employees.
  void WorkTheStaff() {
    for (int n = 0; n < 5; ++n) {
      BuildStaffList();
      if (ListCount == 0) return;
      const int32_t person = IndexList[Roll(ListCount)];
      switch (Roll(6)) {
        case 0:
          Promote(person);
          break;
        case 1:
          RaiseStep(person);
          break;
        case 2:
          CutPay(person);
          break;
        case 3:
          RetireHonorably(person);
          break;
        default:
          break;  // looked at and left alone
      }
    }
  }

  // As the office allows it: staff present and the bill covered.
  void HoldDinner() {
    Company& player = Companies[PlayerCompany];
    if (player.staffCount == 0 || player.money < DinnerCost()) return;
    ::HoldDinner();
  }

  // Borrows now and then and repays in part now and then. Once the dunning
  // letter has come it repays in full, or, short of money, borrows a little
  // more for a longer term, which carries the whole loan past the prison
  // month; the loans stay small enough to leave room for that.
  void VisitBank() {
    Company& player = Companies[PlayerCompany];
    if (player.loanAmount != 0 && player.loanMonths <= BankParams.values[7]) {
      if (player.money >= player.loanAmount) {
        Repay(player.loanAmount);
      } else {
        Borrow(1000, 12);
      }
      return;
    }
    if (Roll(40) != 0) return;
    if (player.loanAmount == 0) {
      Borrow(1000 + Roll(60000), 3 + Roll(10));  // past the largest now and then: refused
    } else if (player.loanAmount <= 30000 && Roll(2) == 0) {
      Borrow(1000 + Roll(10000), 3 + Roll(10));
    } else if (Roll(4) == 0) {
      Repay(1 + Roll(player.loanAmount));
    }
  }

  static void Borrow(int32_t amount, int32_t months) {
    HeadlessQueueDialog({std::to_string(amount), std::to_string(months)}, AnswerOk);
    RunDialogResource(105);
  }

  static void Repay(int32_t amount) {
    HeadlessQueueDialog({std::to_string(amount)}, AnswerOk);
    RunDialogResource(106);
  }

  StressRunShape shape_;
  std::mt19937 choice_;
  int days_ = 0;
};

// One day from the day pass's entry frame through its report, in the frame
// loop; false when the loop stopped or the day did not end in the office.
// `afterPass`, when given, looks at the world after every pass of the loop
// (a frame, or the report's message).
inline bool PassDay(const std::function<void()>& afterPass = {}) {
  SwitchScreen(DayPassScreen);
  ScreenRunning = 1;
  const uint64_t start = FramesRun;
  int exitCode = 0;
  while (CurrentScreen == DayPassScreen || GameMessagePending()) {
    if (!RunLoopPass(&exitCode) || FramesRun - start > MaxCompanies + 2) return false;
    if (afterPass) afterPass();
  }
  return CurrentScreen == OfficeScreen && ScreenRunning == 1;
}

inline void StartShellOnTree() {
  StartTestShell();
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
}
