// SPDX-License-Identifier: GPL-2.0-or-later
// The company dinner: two seconds of the dinner picture, then the bill and
// the staff's relief (HoldDinner, sim/), reported in a notice; a day passes.
#pragma once

#include <cstdint>

constexpr int32_t DinnerDelay = 2000;
