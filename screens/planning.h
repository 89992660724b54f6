// SPDX-License-Identifier: GPL-2.0-or-later
// Project planning: the six kinds of in-house production; a click on the
// list asks whether to start one (NoticeProductionPlan), whose days the
// production-plan dialog takes.
#pragma once

#include <cstdint>

// The list area, inclusive: the whole band under the names, gaps included.
constexpr int PlanningListLeft = 100;
constexpr int PlanningListRight = 639;
constexpr int PlanningListTop = 80;
constexpr int PlanningListBottom = 200;

bool PlanningListAt(int32_t x, int32_t y);

// The list's colours; every line has the same shadow.
constexpr uint8_t PlanningHeaderColour = 8;
constexpr uint8_t PlanningKindColour = 248;
constexpr uint8_t PlanningShadowColour = 0;
