// SPDX-License-Identifier: GPL-2.0-or-later
// The business ranking: every company by money, richest first.
#include <cstring>

#include "sim/sim.h"
#include "world/world.h"

void BuildRanking() {
  const int32_t count = CompanyCount < MaxCompanies ? CompanyCount : MaxCompanies;
  for (int32_t i = 0; i < count; ++i) {
    // A name field is one byte longer than the ranking's; no name of the
    // game is that long, but a full field must not run past the entry.
    RankEntry& entry = Ranking[i];
    const size_t length = strnlen(Companies[i].name, sizeof entry.name - 1);
    std::memcpy(entry.name, Companies[i].name, length);
    entry.name[length] = '\0';
    entry.money = Companies[i].money;
  }
  SortRanking(count);
}

// A Shell sort over the gaps 1, 4, 13, 40, ...; equal money never passes
// within a chain, so the way ties end up is this procedure's and no other's.
void SortRanking(int32_t n) {
  if (n > MaxCompanies) n = MaxCompanies;
  int32_t h = 1;
  while (h < n) h = 3 * h + 1;
  h /= 3;
  while (h > 0) {
    for (int32_t c = 0; c < h; ++c) {
      for (int32_t d = c + h; d < n; d += h) {
        const RankEntry taken = Ranking[d];
        int32_t e = d;
        while (e >= h && taken.money > Ranking[e - h].money) {
          Ranking[e] = Ranking[e - h];
          e -= h;
        }
        Ranking[e] = taken;
      }
    }
    h /= 3;
  }
}

// By name, not by index: the sort has moved the entries.
bool PlayerLeads() { return std::strncmp(Ranking[0].name, Companies[PlayerCompany].name, sizeof Ranking[0].name) == 0; }
