// The company dinner: two seconds of the dinner picture, then the bill and
// the staff's relief, reported in a notice; a day passes.
#pragma once

#include <cstdint>

constexpr int32_t DinnerDelay = 2000;

// staffCount times the cost per head, a 32-bit product.
int32_t DinnerCost();
// Every employee of the player sheds 10 stress, down to no lower than 0;
// a negative stress is lifted to 0.
void RelieveDinnerStress();
