// The rules of the business world: the rivals' money, bankruptcy, the
// ranking, the running job, the staff and the payroll. They work on the
// world tables directly; the few that report something show a message box
// (Wansung, formatted into MessageText) and play their sounds themselves.
#pragma once

#include <cstdint>

#include "sim/random.h"

// Rivals and ranking.
void WalkRivalMoney();
void AnnounceBankruptcies();
void BankruptSweep(int32_t expected);
void BuildRanking();
void SortRanking(int32_t n);
bool PlayerLeads();

// The running job.
int32_t ProgressSum(int32_t company);
void AdvanceJob();
void SettleJob();
// The odds draw of a contract negotiation: true when rand() % bidOdds is 0.
bool BidSucceeds();

// Staff and payroll.
void HirePerson();
void UpdatePersons();
void ReleaseLeavers();
void Promote(int32_t person);
void RaiseStep(int32_t person);
void CutPay(int32_t person);
void RetireHonorably(int32_t person);

// A month is 30 days; its last day closes it.
constexpr int32_t DaysPerMonth = 30;
inline bool IsMonthEnd(int32_t day) { return day % DaysPerMonth == 0; }
