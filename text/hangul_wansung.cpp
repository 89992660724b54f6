// SPDX-License-Identifier: GPL-2.0-or-later
// Wansung (KS C 5601 completion code) <-> Johab, one character at a time.
#include <algorithm>
#include <cstdint>

#include "text/hangul.h"

namespace {

uint16_t Pair(int lead, int trail) { return static_cast<uint16_t>(lead << 8 | trail); }

// The symbol and hanja rows: two Wansung rows share one Johab lead; the odd
// row keeps its trail, the even one moves down to 0x31..0x7E, 0x91..0xA0.
uint16_t RowPairToJohab(int johabLead, int rowOffset, int trail) {
  if (rowOffset % 2 == 1) return Pair(johabLead, trail);
  const int low = trail - 0x70;
  return Pair(johabLead, low <= 0x7E ? low : low + 0x12);
}

// The reverse; 0 for a trail that no Wansung trail maps to. (0x30 and 0xFF
// would come out as 0xA0 and 0xFF, which are not Wansung trails.)
uint16_t JohabToRowPair(int firstRow, int trail) {
  if (trail >= 0xA1 && trail <= 0xFE) return Pair(firstRow + 1, trail);
  if (trail >= 0x31 && trail <= 0x7E) return Pair(firstRow, trail + 0x70);
  if (trail >= 0x91 && trail <= 0xA0) return Pair(firstRow, trail + 0x5E);
  return 0;
}

int FindSorted(const uint16_t* begin, const uint16_t* end, uint16_t code) {
  const uint16_t* found = std::lower_bound(begin, end, code);
  return found != end && *found == code ? static_cast<int>(found - begin) : -1;
}

}  // namespace

uint16_t WansungToJohab(uint16_t code) {
  const int lead = code >> 8;
  const int trail = code & 0xFF;
  const bool fullTrail = trail >= 0xA1 && trail <= 0xFE;
  if (lead >= 0xA1 && lead <= 0xAC) {
    if (!fullTrail) return 0;
    return RowPairToJohab(0xD9 + (lead - 0xA1) / 2, lead - 0xA1, trail);
  }
  if (lead == 0xAD) return fullTrail ? static_cast<uint16_t>(0xD400 + trail - 0x21) : 0;
  if (lead == 0xAE) return trail >= 0xA1 && trail <= 0xC1 ? static_cast<uint16_t>(0xD400 + (trail + 0x3D) % 256) : 0;
  if (lead >= 0xB0 && lead <= 0xC8) return fullTrail ? SyllableTable[(lead - 0xB0) * 94 + trail - 0xA1] : 0;
  if (lead >= 0xCA && lead <= 0xFD) {
    if (!fullTrail) return 0;
    return RowPairToJohab(0xE0 + (lead - 0xCA) / 2, lead - 0xCA, trail);
  }
  return 0;
}

uint16_t JohabToWansung(uint16_t code) {
  const int n = FindSorted(SyllableTable.data(), SyllableTable.data() + SyllableCount, code);
  if (n >= 0) return static_cast<uint16_t>(0xB0A1 + (n / 94) * 256 + n % 94);
  const int lead = code >> 8;
  const int trail = code & 0xFF;
  if (lead >= 0xD9 && lead <= 0xDE) return JohabToRowPair(0xA1 + 2 * (lead - 0xD9), trail);
  if (lead == 0xD4) {
    if (trail < 0x80) return 0;
    if (trail <= 0xDD) return Pair(0xAD, trail + 0x21);
    // 0xD4FF has no Wansung source; mapping it to 0xAEC2 would not come back.
    if (trail == 0xFF) return 0;
    return Pair(0xAE, (trail + 0xC3) % 256);
  }
  if (lead >= 0xE0 && lead <= 0xF9) return JohabToRowPair(0xCA + 2 * (lead - 0xE0), trail);
  for (int i = 0; i < JamoCount; ++i)
    if (JamoTable[i] == code) return static_cast<uint16_t>(0xA4A1 + i);
  return 0;
}
