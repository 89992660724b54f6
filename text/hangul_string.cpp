// SPDX-License-Identifier: GPL-2.0-or-later
// Any code type to any other, for one character and for whole strings.
#include <cstdint>
#include <cstring>

#include "text/hangul.h"

namespace {

uint16_t FromJohab(uint8_t to, uint16_t johab) {
  if (to == Wansung) return JohabToWansung(johab);
  if (to == SevenBit) return JohabToSevenBit(johab);
  return ConvertCombined(Johab, to, johab);
}

bool StartsPair(uint8_t from, uint8_t byte) {
  if (from == Wansung) return byte >= 0xA1;
  if (from == SevenBit) return byte >= 0x5F && byte <= 0x7E;
  return byte >= 0x80;
}

}  // namespace

uint16_t ConvertCode(uint8_t from, uint8_t to, uint16_t code) {
  if (from == Wansung) return FromJohab(to, WansungToJohab(code));
  if (from == SevenBit) return FromJohab(to, SevenBitToJohab(code));
  if (to == Wansung || to == SevenBit) return FromJohab(to, ConvertCombined(from, Johab, code));
  return ConvertCombined(from, to, code);
}

void ConvertString(uint8_t from, uint8_t to, char* text) {
  if (text == nullptr || from == to) return;
  for (size_t p = 0; p < std::strlen(text);) {
    const uint8_t lead = static_cast<uint8_t>(text[p]);
    if (!StartsPair(from, lead)) {
      ++p;
      continue;
    }
    if (text[p + 1] == '\0') {
      text[p] = ' ';
      return;
    }
    const uint8_t trail = static_cast<uint8_t>(text[p + 1]);
    uint16_t result = ConvertCode(from, to, static_cast<uint16_t>(lead << 8 | trail));
    // A target type outside 1..7 takes normalized indexes, which can make a
    // NUL byte; that would cut the string short, so it counts as no character.
    if ((result & 0xFF) == 0 || (result >> 8) == 0) result = 0;
    text[p] = static_cast<char>(result == 0 ? ' ' : result >> 8);
    text[p + 1] = static_cast<char>(result == 0 ? ' ' : result & 0xFF);
    p += 2;
  }
}

size_t NameLength(const char* field, size_t fieldBytes) {
  size_t length = 0;
  while (length < fieldBytes && field[length] != '\0' && field[length] != '\n' && field[length] != '\r') ++length;
  return length;
}

void TrimLineEnd(char* text) {
  if (text == nullptr) return;
  const size_t length = std::strlen(text);
  if (length > 0 && text[length - 1] == '\n') text[length - 1] = '\0';
}
