// The nursing home: a visit donates 100 (or whatever money is left) and
// makes the next negotiations easier.
#pragma once

#include <cstdint>

constexpr int64_t DonationAmount = 100;

// The donation itself: the money, bidOdds and the report in MessageText.
void MakeDonation();
