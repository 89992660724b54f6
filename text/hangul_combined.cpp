// SPDX-License-Identifier: GPL-2.0-or-later
// Conversion between the combinational code types, through normalized indexes.
#include <cstdint>

#include "text/hangul.h"
#include "text/hangul_fields.h"

namespace {

bool IsCombinedType(uint8_t type) { return type >= Johab && type <= CombinedE; }

}  // namespace

uint16_t ConvertCombined(uint8_t from, uint8_t to, uint16_t code) {
  if (from == to) return code;
  int initial = InitialField(code);
  int medial = MedialField(code);
  int finalIndex = FinalField(code);
  if (IsCombinedType(from)) {
    const FieldDecoding& decode = CombinedDecoding[from];
    initial = decode.initial[initial];
    medial = decode.medial[medial];
    finalIndex = decode.finals[finalIndex];
    if (initial == InvalidField || medial == InvalidField || finalIndex == InvalidField) return 0;
  }
  if (initial >= InitialIndexCount || medial >= MedialIndexCount || finalIndex >= FinalIndexCount) return 0;
  if (!IsCombinedType(to)) return MakeCombinedCode(initial, medial, finalIndex);
  const FieldEncoding& encode = CombinedEncoding[to];
  return MakeCombinedCode(encode.initial[initial], encode.medial[medial], encode.finals[finalIndex]);
}
