// SPDX-License-Identifier: GPL-2.0-or-later
// Hiring, the daily pass over every person with the month-end payroll and
// leave selection, and the release of those who leave.
#include "sim/cash.h"
#include "sim/sim.h"
#include "sim/sim_notice.h"
#include "world/world.h"

namespace {

int32_t PoolCount() {
  if (PersonCount < 0) return 0;
  return PersonCount < MaxPersons ? PersonCount : MaxPersons;
}

bool IsPlayerEmployee(const Person& p) { return p.employer == PlayerCompany && p.employed == 1; }

// Unpaid, a person loses a little morale and gains stress; no debt remains.
void PayPerson(Person& p) {
  Company& player = Companies[PlayerCompany];
  const int32_t cost = p.salary + 50;
  if (player.money >= cost) {
    // A salary cut below -50 makes the cost a gain.
    AddCash(player.money, -static_cast<int64_t>(cost));
    return;
  }
  player.money = 0;
  if (p.morale > 0) p.morale = static_cast<int16_t>(p.morale - 1);
  p.stress = static_cast<int16_t>(p.stress + 10);
}

// m from 0 to 5, negative when the second draw (0 .. sides-1) is 0.
int16_t DriftedBy(int16_t value, int sides) {
  const int m = GameRand() % 6;
  const int sign = GameRand() % sides;
  return static_cast<int16_t>(value + (sign == 0 ? -m : m));
}

void Drift(Person& p) {
  for (int a = 0; a < 4; ++a) p.aptitude[a] = DriftedBy(p.aptitude[a], 3);
  p.morale = DriftedBy(p.morale, 2);
  p.stress = static_cast<int16_t>(p.stress + 1);
}

}  // namespace

void HirePerson() {
  // The job agency's selection; a cursor off its list hires nobody.
  const int32_t seekers = SeekerCount < IndexListSize ? SeekerCount : IndexListSize;
  if (ListCursor < 0 || ListCursor >= seekers) return;
  const int32_t index = IndexList[ListCursor];
  if (index < 0 || index >= PoolCount()) return;
  PlayRuleSound("sound/003.wav");
  Companies[PlayerCompany].staffCount += 1;
  Persons[index].employer = PlayerCompany;
  Persons[index].employed = 1;
  for (int32_t k = ListCursor; k + 1 < seekers; ++k) IndexList[k] = IndexList[k + 1];
  SeekerCount -= 1;
}

void UpdatePersons() {
  const bool monthEnd = IsMonthEnd(DayCount);
  const int32_t count = PoolCount();
  for (int32_t i = 0; i < count; ++i) {
    Person& p = Persons[i];
    if (monthEnd) {
      // In pool order: when the money runs out, the later ones go unpaid.
      if (IsPlayerEmployee(p)) PayPerson(p);
      const int threshold = GameRand() % 20 + 50;
      // The list holds IndexListSize leavers; anyone beyond stays this month.
      if (p.employed == 1 && p.stress >= threshold && ListCount >= 0 && ListCount < IndexListSize) {
        IndexList[ListCount] = i;
        ListCount += 1;
      }
    }
    Drift(p);
  }
}

void ReleaseLeavers() {
  const int32_t count = ListCount < 0 ? 0 : (ListCount < IndexListSize ? ListCount : IndexListSize);
  int32_t released = 0;
  for (int32_t k = 0; k < count; ++k) {
    const int32_t index = IndexList[k];
    if (index < 0 || index >= PoolCount()) continue;
    Person& p = Persons[index];
    p.employed = 0;
    p.employer = -1;
    p.stress = 0;
    ShowNameMessage("%s가 회사를 그만둡니다", p.name, sizeof p.name);
    released += 1;
  }
  Companies[PlayerCompany].staffCount -= released;
}
