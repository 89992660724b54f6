// SPDX-License-Identifier: GPL-2.0-or-later
// Personnel management: a panel over the office that shows one employee at
// a time, steps through the staff and applies the four personnel actions.
#pragma once

#include <cstdint>

// The panel data/care.kxg and where it lies over the office picture.
constexpr int16_t CarePanelLeft = 157;
constexpr int16_t CarePanelTop = 122;
constexpr int16_t CarePanelRight = 482;
constexpr int16_t CarePanelBottom = 357;

// The hot areas, in the order they are tested.
enum PersonnelArea {
  PersonnelNothing = 0,
  PersonnelClose,
  PersonnelPrevious,
  PersonnelNext,
  PersonnelPromote,
  PersonnelRetire,
  PersonnelRaise,
  PersonnelCut,
};

// The first area that holds (x, y); previous lies inside next and wins.
PersonnelArea PersonnelAreaAt(int32_t x, int32_t y);
// The player's employees into IndexList and ListCount, in pool order.
void BuildStaffList();

// The shown employee's name is drawn without a shadow.
constexpr uint8_t EmployeeNameColour = 0;
