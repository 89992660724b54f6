// The rivals' daily walk of money and the removal of those that go bankrupt.
#include <cstring>

#include "platform/platform.h"
#include "sim/cash.h"
#include "sim/sim.h"
#include "sim/sim_notice.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

void WalkRivalMoney() {
  const int32_t i = TickCompany;
  if (i < 1 || i >= CompanyCount || i >= MaxCompanies) return;
  // A loss one draw in three, a gain in two.
  int32_t r = GameRand() % 200;
  if (GameRand() % 3 == 0) r = -r;
  Company& rival = Companies[i];
  AddCash(rival.money, r);
  if (rival.money <= 0 && BankruptCount >= 0 && BankruptCount < MaxCompanies) {
    Ranking[BankruptCount].bankruptIndex = i;
    BankruptCount += 1;
  }
}

void AnnounceBankruptcies() {
  const int32_t count = BankruptCount < MaxCompanies ? BankruptCount : MaxCompanies;
  for (int32_t k = 0; k < count; ++k) {
    const int32_t i = Ranking[k].bankruptIndex;
    // Only today's walk writes this list; an index it cannot have written
    // (the player or past the table) names nobody.
    if (i < 1 || i >= CompanyCount || i >= MaxCompanies) continue;
    ShowNameMessage("%s가 망해 사라집니다", Companies[i].name, sizeof Companies[i].name);
    Companies[i].kind = KindBankrupt;
  }
}

void BankruptSweep(int32_t expected) {
  int32_t n = CompanyCount;
  if (n < 0) n = 0;
  if (n > MaxCompanies) n = MaxCompanies;
  const int32_t before = n;
  int32_t j = 0;
  while (j < n) {
    if (Companies[j].kind != KindBankrupt) {
      j += 1;
      continue;
    }
    // The last record fills the hole, which is examined again.
    if (j != n - 1) Companies[j] = Companies[n - 1];
    std::memset(&Companies[n - 1], 0, sizeof(Company));
    n -= 1;
  }
  CompanyCount = n;
  if (before - n != expected) PlatformMessageBox(WansungText(Tr(u8"소팅 에러")), WansungText(Tr("ERROR")), BoxOk);
}
