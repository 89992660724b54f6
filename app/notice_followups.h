// The follow-ups of the notices, one per code that has one.
#pragma once

#include "app/day_report.h"  // 4: DayReport
#include "sim/sim.h"         // 3: HirePerson

void VictoryFollowUp();   // 7: the fanfare's answer after the box
void NewGameFollowUp();   // 8: the name dialog and the start screen
void LoadGameFollowUp();  // 50
void SaveGameFollowUp();  // 51
void ProductionPlanFollowUp();  // 6: the production-plan dialog, then the day
