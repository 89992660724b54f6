// The bank's two dialogs: the loan (resource 105: amount and term) and the
// repayment (resource 106: amount). Both change the player's money and loan
// and confirm it in a box.
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

// What a loan of `amount` books while `outstanding` is owed and `largest`
// is the bank's limit: the amount unchanged when nothing is owed; else the
// amount, or less so that the loan stays within the limit (0 when the limit
// is already reached).
int32_t LoanToBook(int32_t amount, int32_t outstanding, int32_t largest);
// Adds to the player's money without passing the range of its field.
void AddMoney(int64_t amount);
// Closes either dialog and lets the paused screen run again.
void CloseBankDialog(DialogWindow* dialog);
