#include "platform/platform.h"

// Windows rounds MulDiv(units, base, 4) to the nearest pixel.
static int MulDivRounded(int value, int numerator, int denominator) {
  long product = long(value) * numerator;
  long half = denominator / 2;
  return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

int DialogUnitsToPixelsX(const DialogTemplate* dialogTemplate, int units) {
  return MulDivRounded(units, dialogTemplate->baseUnitX, 4);
}

int DialogUnitsToPixelsY(const DialogTemplate* dialogTemplate, int units) {
  return MulDivRounded(units, dialogTemplate->baseUnitY, 8);
}
