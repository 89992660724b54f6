// SPDX-License-Identifier: GPL-2.0-or-later
// The follow-ups of the notices, one per code that has one.
#pragma once

#include "sim/sim.h"  // HirePerson, DayReport

void VictoryFollowUp();         // NoticeVictory: the fanfare's answer after the box
void NewGameFollowUp();         // NoticeNewGame: the name dialog and the start screen
void LoadGameFollowUp();        // NoticeLoadGame
void SaveGameFollowUp();        // NoticeSaveGame
void ProductionPlanFollowUp();  // NoticeProductionPlan: the production-plan dialog, then the day
