// SPDX-License-Identifier: GPL-2.0-or-later
// How a Johab code picks its partial glyphs. The shape of each jamo depends
// on its neighbours: the initial shrinks or moves up for vertical and mixed
// vowels and for a final; the medial is shorter under a final and leaves
// room for the hook of ㄱ and ㅋ; the final sits under the vowel shape.
#include <cstdint>

#include "text/font.h"

const uint8_t InitialGlyphOfField[32] = {
    0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,  // fields 0..20
};
const uint8_t MedialGlyphOfField[32] = {
    0, 0, 0,  1,  2,  3,  4,  5,   // fields 3..7: ㅏ ㅐ ㅑ ㅒ ㅓ
    0, 0, 6,  7,  8,  9,  10, 11,  // fields 10..15: ㅔ ㅕ ㅖ ㅗ ㅘ ㅙ
    0, 0, 12, 13, 14, 15, 16, 17,  // fields 18..23: ㅚ ㅛ ㅜ ㅝ ㅞ ㅟ
    0, 0, 18, 19, 20, 21, 0,  0,   // fields 26..29: ㅠ ㅡ ㅢ ㅣ
};
const uint8_t FinalGlyphOfField[32] = {
    0, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,  // fields 2..17
    0, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 0,  0,                   // fields 19..29
};

// Pairs: without final, with final.
const uint8_t InitialSetTable[44] = {
    0, 0,                                            // no medial
    0, 5, 0, 5, 0, 5, 0, 5, 0, 5, 0, 5, 0, 5, 0, 5,  // ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ
    1, 6,                                            // ㅗ
    3, 7, 3, 7, 3, 7,                                // ㅘ ㅙ ㅚ
    1, 6,                                            // ㅛ
    2, 6,                                            // ㅜ
    4, 7, 4, 7, 4, 7,                                // ㅝ ㅞ ㅟ
    2, 6,                                            // ㅠ
    1, 6,                                            // ㅡ
    3, 7,                                            // ㅢ
    0, 5,                                            // ㅣ
};
const uint8_t MedialSetTable[40] = {
    1, 3,                                            // no initial
    0, 2,                                            // ㄱ
    1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3,  // ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ
    1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1, 3,              // ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ
    0, 2,                                            // ㅋ
    1, 3, 1, 3, 1, 3,                                // ㅌ ㅍ ㅎ
};
const uint8_t FinalSetTable[22] = {
    0,                       // no medial
    0, 2, 0, 2, 1, 2, 1, 2,  // ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ
    3, 0, 2, 1, 3,           // ㅗ ㅘ ㅙ ㅚ ㅛ
    3, 1, 2, 1, 3,           // ㅜ ㅝ ㅞ ㅟ ㅠ
    3, 1, 1,                 // ㅡ ㅢ ㅣ
};

GlyphChoice ChooseGlyphs(uint16_t code) {
  GlyphChoice choice{};
  choice.initial = InitialGlyphOfField[(code >> 10) & 31];
  choice.medial = MedialGlyphOfField[(code >> 5) & 31];
  choice.finalGlyph = FinalGlyphOfField[code & 31];
  const int withFinal = choice.finalGlyph != 0 ? 1 : 0;
  choice.initialSet = InitialSetTable[choice.medial * 2 + withFinal];
  choice.medialSet = MedialSetTable[choice.initial * 2 + withFinal];
  choice.finalSet = FinalSetTable[choice.medial];
  return choice;
}
