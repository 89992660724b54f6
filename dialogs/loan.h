// SPDX-License-Identifier: GPL-2.0-or-later
// The bank's two dialogs: the loan (resource 105: amount and term) and the
// repayment (resource 106: amount). Both read the amounts, call the bank's
// rule (sim/) and confirm what it did in a box.
#pragma once

#include <cstdint>

#include "platform/platform.h"

extern const DialogTemplate LoanTemplate;
extern const DialogTemplate RepayTemplate;

// Control ids.
constexpr int LoanAmountField = 1000;
constexpr int LoanMonthsField = 1001;
constexpr int LoanAmountRangeText = 1010;
constexpr int LoanMonthsRangeText = 1011;
constexpr int LoanCurrentText = 1012;
constexpr int RepayAmountField = 1000;

// The edit texts are read into buffers of this size.
constexpr int AmountBufferBytes = 50;

bool LoanDialog(DialogWindow* dialog, DialogMessage message, int id);
bool RepayDialog(DialogWindow* dialog, DialogMessage message, int id);

// Reads a number as atoi does (leading white space, a sign, the digits up
// to the first other character; text without a digit reads as 0) but
// refuses what atoi cannot tell: false when the value leaves the 32-bit
// range.
bool ReadAmount(const char* text, int32_t* value);

// Closes either dialog and lets the paused screen run again.
void CloseBankDialog(DialogWindow* dialog);
