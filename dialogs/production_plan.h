// SPDX-License-Identifier: GPL-2.0-or-later
// The production plan (resource 110): the number of days an in-house
// production may take; OK starts it as the player's job.
#pragma once

#include <cstdint>

#include "platform/platform.h"

extern const DialogTemplate ProductionPlanTemplate;

constexpr int PlanDaysField = 1000;
// The edit text is read into a buffer of this size.
constexpr int PlanBufferBytes = 50;
// A plan's days are counted down in a 16-bit field and divide the daily
// progress draw: 1 to 32767 are the plans that work.
constexpr int32_t PlanDaysLeast = 1;
constexpr int32_t PlanDaysMost = 32767;

bool ProductionPlanDialog(DialogWindow* dialog, DialogMessage message, int id);

// Reads the days as atoi does (leading white space, a sign, the digits up to
// the first other character); false when there is no digit or the value is
// outside PlanDaysLeast..PlanDaysMost.
bool ReadPlanDays(const char* text, int16_t* days);
