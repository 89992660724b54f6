// SPDX-License-Identifier: GPL-2.0-or-later
// The new-game start screen: data/first.kxg with its start button.
#pragma once

#include "screens/screen.h"

extern const ButtonRect StartButton;
