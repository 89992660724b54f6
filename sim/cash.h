// SPDX-License-Identifier: GPL-2.0-or-later
// A company's cash moves within the range of its field. A data file or a
// saved game may put it at either end (the loader saturates what does not
// fit), and a sum that wrapped round would turn the richest company
// bankrupt or a fortune into a debt; at an end the cash stays there.
#pragma once

#include <cstdint>

inline void AddCash(int64_t& money, int64_t amount) {
  int64_t sum = 0;
  if (__builtin_add_overflow(money, amount, &sum)) sum = amount > 0 ? INT64_MAX : INT64_MIN;
  money = sum;
}
