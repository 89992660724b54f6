// SPDX-License-Identifier: GPL-2.0-or-later
// Conversion between the Korean character codes. The game keeps its own text
// in Johab (drawn by its bitmap fonts); message boxes and dialogs show Wansung.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum CodeType : uint8_t {
  Johab = 1,
  CombinedB = 2,
  CombinedC = 3,
  CombinedD = 4,
  CombinedE = 5,
  Wansung = 6,
  SevenBit = 7,
};

uint16_t ConvertCombined(uint8_t from, uint8_t to, uint16_t code);
uint16_t WansungToJohab(uint16_t code);
uint16_t JohabToWansung(uint16_t code);
uint16_t JohabToSevenBit(uint16_t code);
uint16_t SevenBitToJohab(uint16_t code);
uint16_t ConvertCode(uint8_t from, uint8_t to, uint16_t code);
// Converts a NUL-terminated string in place; its length never changes.
void ConvertString(uint8_t from, uint8_t to, char* text);
// Removes one final line feed.
void TrimLineEnd(char* text);
// The bytes of a name field before its zero or its line end, at most
// fieldBytes: a rival's name keeps the line end of its data-file line, and a
// field from a save need not end in a zero.
size_t NameLength(const char* field, size_t fieldBytes);

constexpr int SyllableCount = 2350;
constexpr int JamoCount = 51;
constexpr int SevenBitSyllableCount = 1317;

// Johab codes of the KS C 5601 syllables in Wansung order (entry n is lead
// 0xB0 + n / 94, trail 0xA1 + n % 94); ascending, so it can be bisected.
extern const std::array<uint16_t, SyllableCount> SyllableTable;
// Johab codes of the compatibility jamo of row 0xA4 (0xA4A1..0xA4D3).
extern const std::array<uint16_t, JamoCount> JamoTable;
// The syllables the seven-bit code carries, ascending Johab codes.
extern const std::array<uint16_t, SevenBitSyllableCount> SevenBitSyllables;
