// SPDX-License-Identifier: GPL-2.0-or-later
// The bank: its loans, their repayment and the months they run.
#include "sim/cash.h"
#include "sim/sim.h"
#include "world/world.h"

namespace {

Company& Player() { return Companies[PlayerCompany]; }

}  // namespace

bool BankLendsMore() { return BankParams.values[2] > Player().loanAmount; }

int32_t LoanToBook(int32_t amount, int32_t outstanding, int32_t largest) {
  if (outstanding == 0) return amount;
  int64_t room = static_cast<int64_t>(largest) - outstanding;
  if (room < 0) room = 0;
  if (room > INT32_MAX) room = INT32_MAX;
  return amount < room ? amount : static_cast<int32_t>(room);
}

int32_t MostLoanToBook() {
  // A running loan is topped up only to the bank's limit.
  return LoanToBook(BankParams.values[2], Player().loanAmount, BankParams.values[2]);
}

bool LoanInTerms(int32_t amount, int32_t months) {
  const int32_t* terms = BankParams.values;
  return amount >= terms[1] && amount <= terms[2] && months >= terms[3] && months <= terms[4];
}

int32_t BookLoan(int32_t amount, int32_t months) {
  Company& player = Player();
  const int32_t booked = LoanToBook(amount, player.loanAmount, BankParams.values[2]);
  AddCash(player.money, booked);
  // The debt adds in 32 bits; a term that allows a negative loan may wrap it.
  player.loanAmount = static_cast<int32_t>(static_cast<uint32_t>(player.loanAmount) + static_cast<uint32_t>(booked));
  if (months > player.loanMonths) player.loanMonths = months;
  return booked;
}

int32_t RepayLoan(int32_t wanted) {
  Company& player = Player();
  int64_t amount = wanted;
  if (amount > player.loanAmount) amount = player.loanAmount;
  if (amount > player.money) amount = player.money;
  const int32_t repaid = amount > 0 ? static_cast<int32_t>(amount) : 0;
  player.money -= repaid;
  player.loanAmount -= repaid;
  if (player.loanAmount == 0) player.loanMonths = 0;
  return repaid;
}

LoanMonth CountLoanMonth() {
  Company& player = Player();
  if (!IsMonthEnd(DayCount) || player.loanAmount == 0) return LoanMonthQuiet;
  player.loanMonths -= 1;
  // Equal months give the letter only.
  if (player.loanMonths == BankParams.values[7]) return LoanMonthDunning;
  if (player.loanMonths == BankParams.values[8]) return LoanMonthPrison;
  return LoanMonthQuiet;
}
