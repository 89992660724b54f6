// SPDX-License-Identifier: GPL-2.0-or-later
// The command menu laid over the office: new game, load, save, a row not
// supported yet, back to the office, quit.
#pragma once

#include <cstdint>

// The panel (227, 75)-(412, 404): six rows of 55 lines.
constexpr int MenuPanelLeft = 227;
constexpr int MenuPanelRight = 412;
constexpr int MenuPanelTop = 75;
constexpr int MenuPanelBottom = 404;
constexpr int MenuRowHeight = 55;

// The row 1..6 under (x, y), or 0 outside the panel.
int CommandMenuRowAt(int32_t x, int32_t y);
