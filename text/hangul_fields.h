// SPDX-License-Identifier: GPL-2.0-or-later
// The combinational codes: bit 15 set, then three 5-bit fields (initial,
// medial, final). Each combinational type gives the same jamo other field
// values, so conversions go through normalized indexes: initial 0..19,
// medial 0..21, final 0..27, index 0 being the fill (no jamo).
#pragma once

#include <array>
#include <cstdint>

#include "text/hangul.h"

constexpr int InitialIndexCount = 20;
constexpr int MedialIndexCount = 22;
constexpr int FinalIndexCount = 28;
constexpr uint8_t InvalidField = 0xFF;

struct FieldEncoding {
  uint8_t initial[InitialIndexCount];
  uint8_t medial[MedialIndexCount];
  uint8_t finals[FinalIndexCount];
};

// Field values of code types 1..5 in normalized-index order (entry 0 unused).
inline constexpr FieldEncoding CombinedEncoding[6] = {
    {},
    // Johab
    {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
     {2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29},
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
    // CombinedB
    {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
     {2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29},
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}},
    // CombinedC
    {{0, 1, 2, 4, 7, 8, 9, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30},
     {31, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28},
     {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 26, 27, 28, 29, 30}},
    // CombinedD
    {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 23, 24, 25, 26, 27, 28, 29, 30},
     {2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29},
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}},
    // CombinedE
    {{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28},
     {1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19, 21, 22, 23, 25, 26, 27, 29},
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}},
};

struct FieldDecoding {
  std::array<uint8_t, 32> initial;
  std::array<uint8_t, 32> medial;
  std::array<uint8_t, 32> finals;
};

template <int N>
constexpr std::array<uint8_t, 32> InvertFieldTable(const uint8_t (&encode)[N]) {
  std::array<uint8_t, 32> decode{};
  for (uint8_t& d : decode) d = InvalidField;
  for (int i = 0; i < N; ++i) decode[encode[i]] = static_cast<uint8_t>(i);
  return decode;
}

constexpr FieldDecoding MakeDecoding(const FieldEncoding& e) {
  return {InvertFieldTable(e.initial), InvertFieldTable(e.medial), InvertFieldTable(e.finals)};
}

// Field value -> normalized index (InvalidField where the type has no such value).
inline constexpr FieldDecoding CombinedDecoding[6] = {
    {},
    MakeDecoding(CombinedEncoding[1]),
    MakeDecoding(CombinedEncoding[2]),
    MakeDecoding(CombinedEncoding[3]),
    MakeDecoding(CombinedEncoding[4]),
    MakeDecoding(CombinedEncoding[5]),
};

constexpr int InitialField(uint16_t code) { return (code >> 10) & 31; }
constexpr int MedialField(uint16_t code) { return (code >> 5) & 31; }
constexpr int FinalField(uint16_t code) { return code & 31; }

constexpr uint16_t MakeCombinedCode(int initialField, int medialField, int finalField) {
  return static_cast<uint16_t>(0x8000 | (initialField << 10) | (medialField << 5) | finalField);
}

// Johab code from normalized indexes (each within its range).
constexpr uint16_t JohabFromIndexes(int initial, int medial, int finalIndex) {
  return MakeCombinedCode(CombinedEncoding[Johab].initial[initial], CombinedEncoding[Johab].medial[medial],
                          CombinedEncoding[Johab].finals[finalIndex]);
}

// Johab code of a precomposed syllable U+AC00..U+D7A3, whose offset is
// (initial * 21 + medial) * 28 + final over the jamo without fills.
constexpr uint16_t JohabOfSyllable(char32_t syllable) {
  const int s = static_cast<int>(syllable - 0xAC00);
  return JohabFromIndexes(s / 588 + 1, s % 588 / 28 + 1, s % 28);
}
