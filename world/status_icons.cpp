// SPDX-License-Identifier: GPL-2.0-or-later
#include "gfx/image.h"
#include "world/data_files.h"

uint8_t MoneyIcon[IconBytes];
uint8_t LoanIcon[IconBytes];
uint8_t DayIcon[IconBytes];

void LoadStatusIcons() {
  LoadImage(MoneyIcon, sizeof MoneyIcon, "data/money.kxg");
  LoadImage(LoanIcon, sizeof LoanIcon, "data/gugi.kxg");
  LoadImage(DayIcon, sizeof DayIcon, "data/day.kxg");
}
