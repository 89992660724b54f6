// SPDX-License-Identifier: GPL-2.0-or-later
// The bank: borrow and repay buttons that open the loan and repayment
// dialogs, or explain why not.
#pragma once

#include "screens/screen.h"

extern const ButtonRect BorrowButton;
extern const ButtonRect RepayButton;
