// SPDX-License-Identifier: GPL-2.0-or-later
// The order of a day's rules: the rivals' walk, the player's day, and the
// evening's report.
#include "sim/sim.h"
#include "world/world.h"

void BeginDay() {
  TickCompany = 1;
  ListCount = 0;  // the month end's leavers are listed afresh
  BankruptCount = 0;
}

bool WalkNextRival() {
  if (TickCompany < CompanyCount) WalkRivalMoney();
  TickCompany += 1;
  return TickCompany < CompanyCount;
}

PlayersDay PassPlayersDay() {
  DayCount += 1;
  AdvanceJob();
  const LoanMonth loan = CountLoanMonth();
  if (loan == LoanMonthPrison) return DayInPrison;
  UpdatePersons();
  return loan == LoanMonthDunning ? DayDunned : DayGoesOn;
}

void DayReport() {
  AnnounceBankruptcies();
  BankruptSweep(BankruptCount);
  // Leavers first: a job finished on a month end is settled after them.
  ReleaseLeavers();
  SettleJob();
}
