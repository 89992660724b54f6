#include "app/day_report.h"

#include "sim/sim.h"
#include "world/world.h"

void DayReport() {
  AnnounceBankruptcies();
  BankruptSweep(BankruptCount);
  // Leavers first: a job finished on a month end is settled after them.
  ReleaseLeavers();
  SettleJob();
}
