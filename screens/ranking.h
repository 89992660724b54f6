// SPDX-License-Identifier: GPL-2.0-or-later
// The ranking board: every company by money, twenty places a page.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int32_t RankingPageRows = 20;

// The first ranking entry shown on page `page` (ListCount: 0 the top of the
// list, 1 its bottom) and how many rows follow.
int32_t RankingPageFirst(int32_t page);
int32_t RankingPageRowCount(int32_t page);

// One row of the board (Johab): the place (1-based), name and money of
// ranking entry `entry`.
void FormatRankingRow(int32_t entry, char* text, size_t size);

// The board's colours; every line has the same shadow.
constexpr uint8_t RankingHeaderColour = 77;
constexpr uint8_t RankingRowColour = 213;
constexpr uint8_t RankingShadowColour = 0;
