// SPDX-License-Identifier: GPL-2.0-or-later
// The office, the hub of a game in progress: the command bar at the left
// edge (the day strip and six bands) and the company's status at the top.
#pragma once

#include <cstddef>
#include <cstdint>

// The command bar: x 15..142; the day strip is y 0..14, band n (1..6) the
// 30 rows from 15 + 30 (n - 1).
constexpr int BarLeft = 15;
constexpr int BarRight = 142;
constexpr int DayStripBottom = 14;
constexpr int BandTop = 15;
constexpr int BandHeight = 30;
constexpr int BandCount = 6;
constexpr int DayStripArea = 0;
constexpr int NoBarArea = -1;

// DayStripArea, a band 1..6, or NoBarArea for (x, y).
int OfficeBarAreaAt(int32_t x, int32_t y);

// The pictures of the work animation, 90 x 80 pixels.
constexpr int WorkImageWidth = 90;
constexpr int WorkImageHeight = 80;
extern uint8_t WorkAnimImage[WorkImageWidth * WorkImageHeight];

// The player's cash as a signed 64-bit decimal number.
void FormatMoneyText(int64_t money, char* text, size_t size);
// The two status lines of the player's company (Johab).
void FormatStatusLine1(char* text, size_t size);
void FormatStatusLine2(char* text, size_t size);

// The status lines, their icons and, while a job runs, the job line; drawn
// into frame.
void DrawOfficeStatus(uint8_t* frame);
// Puts the current work picture into frame and counts the player's
// workTicks on; nothing while no job runs.
void StepWorkAnimation(uint8_t* frame);

// The status lines' and the job line's colours and shadows.
constexpr uint8_t StatusColour = 0;
constexpr uint8_t StatusShadow = 248;
constexpr uint8_t JobColour = 77;
constexpr uint8_t JobShadow = 0;
