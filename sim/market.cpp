// SPDX-License-Identifier: GPL-2.0-or-later
// The markets a visit draws afresh: the rivals' offers of work and the free
// persons seeking a job.
#include "sim/sim.h"
#include "world/world.h"

namespace {

// The four draws are made in this order: coin (by the caller), reward, job
// type, days.
void AddOffer(int32_t client) {
  const int64_t money = Companies[client].money;
  ContractOffer& offer = Offers[OfferCount];
  offer.reward = static_cast<int32_t>(GameRand() % (money / 50) + 10);
  offer.jobType = static_cast<int16_t>(GameRand() % JobTypeCount);
  offer.client = static_cast<int16_t>(client);
  offer.days = static_cast<int16_t>(GameRand() % 180 + 5);
  OfferCount += 1;
}

int32_t PersonPool() {
  if (PersonCount <= 0) return 0;
  return PersonCount < MaxPersons ? PersonCount : MaxPersons;
}

bool AlreadySeeking(int32_t index) {
  for (int32_t k = 0; k < SeekerCount; ++k) {
    if (IndexList[k] == index) return true;
  }
  return false;
}

}  // namespace

void BuildOffers() {
  OfferCount = 0;
  for (int32_t i = 1; i < CompanyCount && i < MaxCompanies; ++i) {
    if (Companies[i].money > OfferMoneyFloor && GameRand() % 2 == 0) AddOffer(i);
    if (OfferCount >= MaxOffers) break;
  }
}

void AcceptOfferTerms(const ContractOffer& offer) {
  JobReward = offer.reward;
  JobType = offer.jobType;
  JobClient = offer.client;
  JobSpare = offer.spare;
  DDay = offer.days;
}

void DrawJobSeekers() {
  for (int32_t k = 0; k < SeekerListEntries; ++k) IndexList[k] = -1;
  SeekerCount = 0;
  const int32_t draws = GameRand() % SeekerDrawLimit;
  const int32_t pool = PersonPool();
  for (int32_t n = 0; n < draws; ++n) {
    // An empty pool has nobody to draw.
    if (pool == 0) break;
    const int32_t c = GameRand() % pool;
    if (AlreadySeeking(c) || Persons[c].employed != 0) continue;
    IndexList[SeekerCount] = c;
    SeekerCount += 1;
  }
}
