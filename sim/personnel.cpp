// SPDX-License-Identifier: GPL-2.0-or-later
// The four actions of the personnel screen on one employee.
#include "sim/sim.h"
#include "world/world.h"

namespace {

Person* PersonAt(int32_t person) {
  if (person < 0 || person >= PersonCount || person >= MaxPersons) return nullptr;
  return &Persons[person];
}

// Stress relief bounded by how far a value stands above 1000; a value at or
// below 1000, or a stress already far below 0, gains nothing.
bool RelieveStress(Person& p, int value, int raise) {
  const int v = value - 1000;
  if (v <= 0 || p.stress <= -10000) return false;
  p.stress = static_cast<int16_t>(p.stress - GameRand() % v);
  p.salary = static_cast<int16_t>(p.salary + raise);
  return true;
}

}  // namespace

void Promote(int32_t person) {
  if (Person* p = PersonAt(person)) RelieveStress(*p, p->aptitude[3], 50);
}

void RaiseStep(int32_t person) {
  if (Person* p = PersonAt(person)) RelieveStress(*p, p->morale, 10);
}

void CutPay(int32_t person) {
  Person* p = PersonAt(person);
  if (!p) return;
  p->salary = static_cast<int16_t>(p->salary - 10);
  p->stress = static_cast<int16_t>(p->stress + 10);
}

void RetireHonorably(int32_t person) {
  Person* p = PersonAt(person);
  if (!p) return;
  p->employer = -1;
  p->employed = 0;
  // A retired person asks for at least 50 and something.
  const int t = GameRand() % 100 + 50;
  if (p->salary < t) p->salary = static_cast<int16_t>(t);
  Companies[PlayerCompany].staffCount -= 1;
  const int32_t count = PersonCount < MaxPersons ? PersonCount : MaxPersons;
  for (int32_t i = 0; i < count; ++i) {
    Person& colleague = Persons[i];
    if (colleague.employer == PlayerCompany && colleague.employed == 1) {
      colleague.stress = static_cast<int16_t>(colleague.stress + 2);
    }
  }
}
