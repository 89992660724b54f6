// SPDX-License-Identifier: GPL-2.0-or-later
// The job agency: this visit's job seekers, drawn from the free persons, and
// the question that hires one of them.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int SeekerListLeft = 20;
constexpr int SeekerListRight = 200;
constexpr int SeekerListTop = 80;
constexpr int SeekerLineHeight = 20;

// The shown name (Johab) of a person's category.
const char* CategoryName(int8_t category);

// The list row under (x, y), or -1 when the point is on no seeker's line.
int32_t SeekerRowAt(int32_t x, int32_t y);

// The list line of person `index` (Johab): name, category, desired salary.
void FormatSeekerLine(int32_t index, char* text, size_t size);
// The hire question for person `index` (Wansung) into MessageText.
void FormatHireQuestion(int32_t index);

// The list's colours; every line has the same shadow.
constexpr uint8_t SeekerHeaderColour = 76;
constexpr uint8_t SeekerColour = 248;
constexpr uint8_t NoSeekerColour = 120;
constexpr uint8_t SeekerShadowColour = 0;
