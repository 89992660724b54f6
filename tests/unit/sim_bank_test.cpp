// SPDX-License-Identifier: GPL-2.0-or-later
// The bank's rules: how much a loan books, and money that stays in its
// field. The dialogs that call them are in bank_test.cpp.
#include <gtest/gtest.h>

#include "tests/unit/sim_test_support.h"

namespace {

class BankRules : public ::testing::Test {
 protected:
  void SetUp() override {
    StartSmallWorld();
    BankParams.values[2] = 50000;  // the limit
  }
};

TEST_F(BankRules, AnOutstandingLoanIsToppedUpOnlyToTheLimit) {
  EXPECT_EQ(LoanToBook(5000, 0, 50000), 5000);
  EXPECT_EQ(LoanToBook(50000, 0, 50000), 50000);
  EXPECT_EQ(LoanToBook(1000, 49500, 50000), 500);
  EXPECT_EQ(LoanToBook(1000, 40000, 50000), 1000);
  EXPECT_EQ(LoanToBook(1000, 50000, 50000), 0);
  EXPECT_EQ(LoanToBook(1000, 60000, 50000), 0);
  EXPECT_EQ(LoanToBook(INT32_MAX, INT32_MIN, INT32_MAX), INT32_MAX);
  EXPECT_EQ(LoanToBook(0, 0, 50000), 0);
  EXPECT_EQ(LoanToBook(-20, 0, 50000), -20);  // within terms that allow it, booked unchanged
}

TEST_F(BankRules, ABookedLoanNeverWrapsTheMoney) {
  Player().money = INT64_MAX - 5;
  EXPECT_EQ(BookLoan(1000, 6), 1000);
  EXPECT_EQ(Player().money, INT64_MAX);
  EXPECT_EQ(Player().loanAmount, 1000);
}

}  // namespace
