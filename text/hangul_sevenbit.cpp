// SPDX-License-Identifier: GPL-2.0-or-later
// The seven-bit code: 51 jamo and 1317 syllables packed into lead bytes
// 0x5F..0x7E. Most leads use the trail sequence 0x21, 0x23..0x7E (93 values,
// 0x22 never a trail); leads 0x61..0x7A use 32 trails 0x40..0x5F.
#include <algorithm>
#include <cstdint>

#include "text/hangul.h"

namespace {

constexpr int TrailCount = 93;

int TrailAt(int position) { return position == 0 ? 0x21 : 0x22 + position; }

// Position of a trail in the sequence, or -1.
int TrailPosition(int trail) {
  if (trail == 0x21) return 0;
  if (trail >= 0x23 && trail <= 0x7E) return trail - 0x22;
  return -1;
}

uint16_t Pair(int lead, int trail) { return static_cast<uint16_t>(lead << 8 | trail); }

uint16_t SyllableCode(int entry) {
  if (entry < 42) return Pair(0x5F, TrailAt(51 + entry));
  if (entry < 135) return Pair(0x60, TrailAt(entry - 42));
  if (entry < 967) return Pair(0x61 + (entry - 135) / 32, 0x40 + (entry - 135) % 32);
  if (entry < 1246) return Pair(0x7B + (entry - 967) / TrailCount, TrailAt((entry - 967) % TrailCount));
  return Pair(0x7E, TrailAt(entry - 1246));
}

}  // namespace

uint16_t JohabToSevenBit(uint16_t code) {
  const uint16_t* begin = SevenBitSyllables.data();
  const uint16_t* end = begin + SevenBitSyllableCount;
  const uint16_t* found = std::lower_bound(begin, end, code);
  if (found != end && *found == code) return SyllableCode(static_cast<int>(found - begin));
  for (int i = 0; i < JamoCount; ++i)
    if (JamoTable[i] == code) return Pair(0x5F, TrailAt(i));
  // Wansung jamo arrive in their symbol-row form 0xDAA1..0xDAD3.
  if (code >= 0xDAA1 && code < 0xDAA1 + JamoCount) return Pair(0x5F, TrailAt(code - 0xDAA1));
  return 0;
}

uint16_t SevenBitToJohab(uint16_t code) {
  const int lead = code >> 8;
  const int trail = code & 0xFF;
  if (trail == 0x22) return code;
  const int position = TrailPosition(trail);
  if (lead >= 0x61 && lead <= 0x7A) {
    if (trail >= 0x40 && trail <= 0x5F) return SevenBitSyllables[135 + (lead - 0x61) * 32 + (trail - 0x40)];
  } else if (lead == 0x5F) {
    if (position >= 51) return SevenBitSyllables[position - 51];
    if (position >= 0) return JamoTable[position];
  } else if (lead == 0x60) {
    if (position >= 0) return SevenBitSyllables[42 + position];
  } else if (lead >= 0x7B && lead <= 0x7D) {
    if (position >= 0) return SevenBitSyllables[967 + (lead - 0x7B) * TrailCount + position];
  } else if (lead == 0x7E) {
    if (position >= 0 && position <= 70) return SevenBitSyllables[1246 + position];
  } else {
    return 0;
  }
  return code;
}
