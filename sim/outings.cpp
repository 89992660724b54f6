// SPDX-License-Identifier: GPL-2.0-or-later
// The company dinner's bill and relief, and the donation to the nursing home.
#include "sim/cash.h"
#include "sim/sim.h"
#include "world/world.h"

int32_t DinnerCost() {
  // The record's widths make it a 32-bit product; it wraps rather than
  // overflows.
  return static_cast<int32_t>(static_cast<uint32_t>(Companies[PlayerCompany].staffCount) *
                              static_cast<uint32_t>(DinnerParams.values[0]));
}

void RelieveDinnerStress() {
  const int32_t count = PersonCount < MaxPersons ? PersonCount : MaxPersons;
  for (int32_t i = 0; i < count; ++i) {
    Person& p = Persons[i];
    if (p.employer != PlayerCompany || p.employed != 1) continue;
    p.stress = p.stress >= 10 ? static_cast<int16_t>(p.stress - 10) : static_cast<int16_t>(0);
  }
}

int32_t HoldDinner() {
  const int32_t cost = DinnerCost();
  AddCash(Companies[PlayerCompany].money, -static_cast<int64_t>(cost));
  RelieveDinnerStress();
  return cost;
}

int64_t MakeDonation() {
  Company& player = Companies[PlayerCompany];
  if (player.money >= DonationAmount) {
    player.money -= DonationAmount;
    if (player.bidOdds > 1) player.bidOdds = static_cast<int8_t>(player.bidOdds - 1);
    return DonationAmount;
  }
  const int64_t given = player.money;
  player.money = 0;
  return given;
}
