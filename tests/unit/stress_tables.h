// SPDX-License-Identifier: GPL-2.0-or-later
// The bounds every table of the world keeps whatever a long game does to
// it. Each check names the first record that breaks one, so that a failing
// day says what went wrong and where.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "sim/sim.h"
#include "world/world.h"

inline std::string TableFault(const std::string& what, int32_t index) { return what + " at " + std::to_string(index); }

inline std::string CompanyTableFault() {
  if (CompanyCount < 1 || CompanyCount > CorpCountLimit) return TableFault("CompanyCount", CompanyCount);
  if (PlayerCompany != 0 || Companies[0].kind != KindPlayer) return "the player's record moved";
  for (int32_t i = 0; i < CompanyCount; ++i) {
    const Company& c = Companies[i];
    if (i > 0 && c.kind != KindRival) return TableFault("kind of a living rival", i);
    if (c.bidOdds < 1) return TableFault("bidOdds below 1", i);
    // Only the player employs anybody.
    if (i > 0 && c.staffCount != 0) return TableFault("a rival with staff", i);
    if (strnlen(c.name, sizeof c.name) == sizeof c.name) return TableFault("a name without its end", i);
  }
  static const Company zero{};
  for (int32_t i = CompanyCount; i < MaxCompanies; ++i) {
    if (std::memcmp(&Companies[i], &zero, sizeof zero) != 0)
      return TableFault("a record past the count not cleared", i);
  }
  return "";
}

// The player never owes: every rule that takes money stops at 0.
inline std::string PlayerMoneyFault() { return Companies[0].money < 0 ? "the player's money below 0" : ""; }

// After a day's report every rival left has money.
inline std::string RivalMoneyFault() {
  for (int32_t i = 1; i < CompanyCount; ++i) {
    if (Companies[i].money <= 0) return TableFault("a bankrupt rival left in the table", i);
  }
  return "";
}

inline std::string PersonTableFault() {
  if (PersonCount < 0 || PersonCount > ManCountLimit) return TableFault("PersonCount", PersonCount);
  int32_t staff = 0;
  for (int32_t i = 0; i < PersonCount; ++i) {
    const Person& p = Persons[i];
    if (p.employer < -1 || p.employer >= CompanyCount) return TableFault("employer out of range", i);
    if (p.employed > 1) return TableFault("employed neither 0 nor 1", i);
    if ((p.employed == 1) != (p.employer == PlayerCompany)) return TableFault("employer and employed disagree", i);
    if (strnlen(p.name, sizeof p.name) == sizeof p.name) return TableFault("a name without its end", i);
    if (p.employed == 1) staff += 1;
  }
  if (Companies[PlayerCompany].staffCount != staff) {
    return "staffCount " + std::to_string(Companies[PlayerCompany].staffCount) + " for " + std::to_string(staff) +
           " employees";
  }
  return "";
}

// The shared list's counters, whichever screen last used it.
inline std::string ListBoundsFault() {
  if (ListCount < 0 || ListCount > IndexListSize) return TableFault("ListCount", ListCount);
  if (SeekerCount < 0 || SeekerCount > IndexListSize) return TableFault("SeekerCount", SeekerCount);
  if (BankruptCount < 0 || BankruptCount >= MaxCompanies) return TableFault("BankruptCount", BankruptCount);
  if (TickCompany < 0 || TickCompany > MaxCompanies) return TableFault("TickCompany", TickCompany);
  return "";
}

// The shared list as the day report leaves it: this month end's leavers,
// each a real person named once, now free.
inline std::string LeaveListFault() {
  std::vector<int32_t> seen(IndexList, IndexList + ListCount);
  std::sort(seen.begin(), seen.end());
  if (std::adjacent_find(seen.begin(), seen.end()) != seen.end()) return "a leaver listed twice";
  for (int32_t k = 0; k < ListCount; ++k) {
    const int32_t i = IndexList[k];
    if (i < 0 || i >= PersonCount) return TableFault("a leaver who is nobody", k);
    if (Persons[i].employed != 0 || Persons[i].employer != -1) return TableFault("a leaver still employed", k);
  }
  return "";
}

inline std::string JobFault() {
  const Company& p = Companies[PlayerCompany];
  if (p.workTicks < 0 || p.progress < 0) return "a job's counters below 0";
  if (p.workTicks != 0 && p.jobDays < 1) return "a running job without days";
  if (p.workTicks == 0 && (p.isContract != 0 || p.progress != 0)) return "a job's traces after its end";
  if (p.loanAmount < 0 || p.loanAmount > BankParams.values[2]) return "a loan outside the bank's terms";
  return "";
}

// The ranking as the board builds it: every company once, richest first.
inline std::string RankingFault() {
  BuildRanking();
  std::vector<int64_t> ranked;
  std::vector<int64_t> held;
  for (int32_t i = 0; i < CompanyCount; ++i) {
    if (i > 0 && Ranking[i - 1].money < Ranking[i].money) return TableFault("ranking out of order", i);
    ranked.push_back(Ranking[i].money);
    held.push_back(Companies[i].money);
  }
  std::sort(ranked.begin(), ranked.end());
  std::sort(held.begin(), held.end());
  if (ranked != held) return "the ranking lost or doubled a company";
  bool playerFirstByMoney = true;
  for (int32_t i = 1; i < CompanyCount; ++i) playerFirstByMoney &= Companies[i].money < Companies[0].money;
  if (playerFirstByMoney && !PlayerLeads()) return "the richest player does not lead";
  return "";
}

// Between the frames of a day pass: the walk's place within the table and
// today's bankrupt list, rivals already walked, in the order walked, each
// out of money.
inline std::string DayPassFrameFault() {
  if (TickCompany < 2 || TickCompany > CompanyCount + 1) return TableFault("TickCompany in the walk", TickCompany);
  if (BankruptCount < 0 || BankruptCount > TickCompany - 1)
    return TableFault("BankruptCount in the walk", BankruptCount);
  for (int32_t k = 0; k < BankruptCount; ++k) {
    const int32_t i = Ranking[k].bankruptIndex;
    if (i < 1 || i >= TickCompany || (k > 0 && i <= Ranking[k - 1].bankruptIndex))
      return TableFault("bankrupt list", k);
    if (Companies[i].money > 0) return TableFault("listed bankrupt with money", i);
  }
  return "";
}

// Once the walk is over (before the report): each rival moved by less than
// 200 from `before`, or stayed at an end of the field, and is listed
// bankrupt exactly when out of money.
inline std::string WalkFault(const std::vector<int64_t>& before) {
  int32_t listed = 0;
  for (int32_t i = 1; i < CompanyCount && i < static_cast<int32_t>(before.size()); ++i) {
    const int64_t now = Companies[i].money;
    const bool atEnd = now == before[i] && (now == INT64_MAX || now == INT64_MIN);
    if (!atEnd && (now - before[i] > 199 || before[i] - now > 199)) return TableFault("a rival's money jumped", i);
    const bool isListed = listed < BankruptCount && Ranking[listed].bankruptIndex == i;
    if (isListed != (now <= 0)) return TableFault("bankrupt list and money disagree", i);
    listed += isListed;
  }
  return listed == BankruptCount ? "" : "bankrupt list longer than the walk";
}

inline std::string FirstFault(std::initializer_list<std::string (*)()> checks) {
  for (std::string (*check)() : checks) {
    std::string fault = check();
    if (!fault.empty()) return fault;
  }
  return "";
}

// Every check of a day's end; empty when all hold.
inline std::string WorldFault() {
  return FirstFault({CompanyTableFault, PlayerMoneyFault, RivalMoneyFault, PersonTableFault, ListBoundsFault,
                     LeaveListFault, JobFault});
}

// Between days, before the first evening has removed the rivals that start
// without money.
inline std::string VisitFault() {
  return FirstFault({CompanyTableFault, PlayerMoneyFault, PersonTableFault, ListBoundsFault, JobFault});
}
