// SPDX-License-Identifier: GPL-2.0-or-later
// A small built-in ASCII font for text that the platform writes itself.
#pragma once

#include <cstdint>

extern const uint8_t OverlayFont[95][16];
