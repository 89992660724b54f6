// SPDX-License-Identifier: GPL-2.0-or-later
// The player's job: how it starts, its daily progress and its evening settlement.
#include "sim/cash.h"
#include "sim/sim.h"
#include "sim/sim_notice.h"
#include "world/world.h"

namespace {

Company& Player() { return Companies[PlayerCompany]; }

// jobDays is a modulus. The starting screens never give less than 1, but a
// typed plan or a save may; such a job counts as one day: the draw is still
// made (the sequence stays the same) and its remainder is 0.
int32_t JobModulus() { return Player().jobDays < 1 ? 1 : Player().jobDays; }

// A finished job makes later negotiations easier, down to odds of 2.
void LowerBidOdds() {
  Company& player = Player();
  const uint8_t lowered = static_cast<uint8_t>(static_cast<uint8_t>(player.bidOdds) - GameRand() % 2);
  player.bidOdds = static_cast<int8_t>(lowered);
  if (player.bidOdds < 2) player.bidOdds = 2;
}

void EndJob() {
  Player().workTicks = 0;
  Player().progress = 0;
}

void CompleteContract() {
  Company& player = Player();
  player.isContract = 0;
  AddCash(player.money, JobReward);
  EndJob();
  ShowNumberMessage("수주건을 완료했습니다. %d의 돈을 받았습니다", JobReward);
  PlayRuleSound("sound/money.wav");
  LowerBidOdds();
}

void BreakContract() {
  Company& player = Player();
  player.isContract = 0;
  // Three times the price in 32 bits, as the contract states it.
  const int32_t penalty = static_cast<int32_t>(3u * static_cast<uint32_t>(JobReward));
  if (player.money >= penalty) {
    AddCash(player.money, -static_cast<int64_t>(penalty));
  } else {
    player.money = 0;
  }
  EndJob();
  ShowNumberMessage("수주 계약 일정을 벗어나 계약이 파기되고\n계약금의 3배(%d)를 배상합니다", penalty);
}

void SellProduct() {
  const int32_t price = 100 * (GameRand() % JobModulus());
  JobReward = price;
  AddCash(Player().money, price);
  ShowNumberMessage("프로젝트를 마칩니다\n좋은 제품이라 %d의 가격에 팔립니다", price);
  PlayRuleSound("sound/money.wav");
  LowerBidOdds();
  EndJob();
}

void FailProduct() {
  PlayRuleSound("sound/crack.wav");
  ShowTextMessage("프로젝트가 계획내에 끝나지 못했습니다");
  EndJob();
}

}  // namespace

int32_t ProgressSum(int32_t company) {
  const int32_t count = PersonCount < MaxPersons ? PersonCount : MaxPersons;
  int32_t sum = 0;
  for (int32_t i = 0; i < count; ++i) {
    const Person& p = Persons[i];
    if (p.employer != company || p.employed != 1) continue;
    sum += p.aptitude[0] + p.aptitude[1] + p.aptitude[2] + p.aptitude[3] + p.aptitude[4] + p.morale - p.stress;
  }
  return sum;
}

void AdvanceJob() {
  Company& player = Player();
  if (player.isContract == 0 && player.workTicks == 0) return;
  // Counted before today's pay and drift.
  const int32_t sum = ProgressSum(PlayerCompany);
  const int32_t r = GameRand() % JobModulus();
  // A signed division, truncated toward zero: a staff whose stress outweighs
  // its values adds nothing (or, far below, takes a little back). Taken as
  // unsigned, such a sum would finish any job in a day.
  const int32_t step = sum / (r + 3000);
  player.progress = static_cast<int32_t>(static_cast<uint32_t>(player.progress) + static_cast<uint32_t>(step));
  DDay = static_cast<int16_t>(DDay - 1);
}

void SettleJob() {
  const Company& player = Player();
  if (player.isContract != 0) {
    if (player.progress >= 100) {
      CompleteContract();
    } else if (DDay <= 0) {
      BreakContract();
    }
    return;
  }
  if (player.workTicks <= 0) return;
  // Completion is tested before expiry on the same evening.
  if (player.progress >= 100) {
    SellProduct();
  } else if (DDay <= 0) {
    FailProduct();
  }
}

bool BidSucceeds() {
  // bidOdds is a modulus too: below 1 it counts as 1, a certain success.
  const int32_t odds = Player().bidOdds < 1 ? 1 : Player().bidOdds;
  return GameRand() % odds == 0;
}

bool ConcludeNegotiation() {
  Company& player = Player();
  const bool concluded = BidSucceeds() && player.workTicks == 0;
  if (concluded) {
    player.workTicks = 1;
    player.progress = 0;
    player.isContract = 1;
    player.jobDays = DDay;
  } else {
    player.isContract = 0;
    player.workTicks = 0;
  }
  return concluded;
}

void StartProduction(int16_t days) {
  Company& player = Player();
  DDay = days;
  player.workTicks = 1;
  player.progress = 0;
  player.jobDays = DDay;
}
