// SPDX-License-Identifier: GPL-2.0-or-later
// The rules of the business world: the day, the rivals' money, bankruptcy,
// the ranking, the markets of work and of job seekers, the running job, the
// staff and the payroll, the bank, the dinner and the donation. They work on
// the world tables directly; the few that report something show a message
// box (Wansung, formatted into MessageText) and play their sounds
// themselves. Screens and dialogs call them and draw what they left.
#pragma once

#include <cstdint>

#include "sim/random.h"
#include "world/world.h"

// A month is 30 days; its last day closes it.
constexpr int32_t DaysPerMonth = 30;
inline bool IsMonthEnd(int32_t day) { return day % DaysPerMonth == 0; }

// The day (sim/day.cpp). A day starts with the rivals' walk, one rival a
// frame, then the player's day; its evening is the day report.
void BeginDay();
// Moves the next rival's money; false once every rival has moved and the
// player's day is due.
bool WalkNextRival();
enum PlayersDay {
  DayGoesOn,
  DayDunned,    // the month end brought the bank's dunning letter
  DayInPrison,  // the loan ran out: the game ends and the day has no more
};
// The calendar, the job's progress, the loan's month and, unless the day
// ends in prison, the staff's day with the month end's payroll.
PlayersDay PassPlayersDay();
// The evening (NoticeDayReport): bankruptcies, the removal of the bankrupt, the
// leavers and the job's settlement, each with its boxes.
void DayReport();

// Rivals and ranking.
void WalkRivalMoney();
void AnnounceBankruptcies();
void BankruptSweep(int32_t expected);
void BuildRanking();
void SortRanking(int32_t n);
bool PlayerLeads();

// The markets (sim/market.cpp). Only a rival with more money than this
// offers work.
constexpr int64_t OfferMoneyFloor = 100000;
// A visit to the job agency lists at most this many seekers (rand() % 11
// draws), and clears this many entries of IndexList first.
constexpr int32_t SeekerDrawLimit = 11;
constexpr int32_t SeekerListEntries = 125;
// This visit's offers into Offers and OfferCount: each rival above the floor
// that wins a coin toss, in index order, at most MaxOffers; per offer the
// draws come as reward, job type, days.
void BuildOffers();
// The offer's terms become the current job's; they mean nothing until a
// negotiation concludes.
void AcceptOfferTerms(const ContractOffer& offer);
// This visit's job seekers, free persons drawn at random, into IndexList and
// SeekerCount.
void DrawJobSeekers();

// The running job.
int32_t ProgressSum(int32_t company);
void AdvanceJob();
void SettleJob();
// The odds draw of a contract negotiation: true when rand() % bidOdds is 0.
bool BidSucceeds();
// The negotiation's end: the odds are drawn whatever the job's state, and a
// job that started meanwhile wins nothing. True when the contract starts.
bool ConcludeNegotiation();
// An in-house production of `days` days becomes the player's job.
void StartProduction(int16_t days);

// Staff and payroll.
void HirePerson();
void UpdatePersons();
void ReleaseLeavers();
void Promote(int32_t person);
void RaiseStep(int32_t person);
void CutPay(int32_t person);
void RetireHonorably(int32_t person);

// The bank (sim/bank.cpp). Its terms are BankParams.values: [1], [2] the
// smallest and largest loan, [3], [4] the shortest and longest term in
// months, [7] the months left at the dunning letter, [8] at the prison.
// The bank lends again only below its limit.
bool BankLendsMore();
// What a loan of `amount` books while `outstanding` is owed and `largest`
// is the bank's limit: the amount unchanged when nothing is owed; else the
// amount, or less so that the loan stays within the limit (0 when the limit
// is already reached).
int32_t LoanToBook(int32_t amount, int32_t outstanding, int32_t largest);
// The most a loan asked for now would really book.
int32_t MostLoanToBook();
bool LoanInTerms(int32_t amount, int32_t months);
// Books a loan within the terms: the money and the debt grow by what
// LoanToBook allows, a longer term extends the running one. Returns the
// amount booked.
int32_t BookLoan(int32_t amount, int32_t months);
// Repays what can be paid of `wanted` (0 or more): no more than is owed, no
// more than is on hand, nothing out of a debt of money; a repaid loan ends
// its term. Returns the amount repaid.
int32_t RepayLoan(int32_t wanted);
enum LoanMonth { LoanMonthQuiet, LoanMonthDunning, LoanMonthPrison };
// At a month end a running loan's months count down; the letter and the
// prison come at their months left.
LoanMonth CountLoanMonth();

// The dinner and the donation (sim/outings.cpp).
constexpr int64_t DonationAmount = 100;
// staffCount times the cost per head, a 32-bit product.
int32_t DinnerCost();
// Every employee of the player sheds 10 stress, down to no lower than 0;
// a negative stress is lifted to 0.
void RelieveDinnerStress();
// The bill and the relief; returns the cost charged.
int32_t HoldDinner();
// Donates 100, or whatever money is left (even a debt), and a full donation
// makes the next negotiations easier. Returns the amount given.
int64_t MakeDonation();
