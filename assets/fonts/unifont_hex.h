// SPDX-License-Identifier: GPL-2.0-or-later
// GNU Unifont's .hex format: one glyph a line, "CODEPOINT:DIGITS", 32 hex
// digits for an 8x16 glyph or 64 for a 16x16 one, rows from the top, most
// significant bit leftmost.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

struct UnifontGlyph {
  int width = 0;           // 8 or 16
  uint8_t bytes[32] = {};  // 16 rows of width / 8 bytes
  bool Ink(int x, int y) const {
    const int rowBytes = width / 8;
    return (bytes[y * rowBytes + x / 8] & (0x80 >> (x % 8))) != 0;
  }
};

using UnifontGlyphs = std::unordered_map<char32_t, UnifontGlyph>;

inline int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Lines that are not glyphs of 8 or 16 columns are skipped; false only when
// the file cannot be read or holds no glyph at all.
inline bool ReadUnifontHex(const char* path, UnifontGlyphs* glyphs, std::string* error) {
  std::FILE* file = std::fopen(path, "r");
  if (file == nullptr) {
    *error = std::string(path) + ": cannot open";
    return false;
  }
  char line[256];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    const char* colon = std::strchr(line, ':');
    if (colon == nullptr) continue;
    char32_t codePoint = 0;
    bool valid = colon > line && colon - line <= 6;
    for (const char* p = line; p < colon && valid; ++p) {
      valid = HexDigit(*p) >= 0;
      codePoint = codePoint * 16 + static_cast<char32_t>(HexDigit(*p));
    }
    const char* digits = colon + 1;
    size_t count = 0;
    while (HexDigit(digits[count]) >= 0) ++count;
    if (!valid || (count != 32 && count != 64)) continue;
    UnifontGlyph glyph;
    glyph.width = count == 32 ? 8 : 16;
    for (size_t i = 0; i < count / 2; ++i)
      glyph.bytes[i] = static_cast<uint8_t>(HexDigit(digits[2 * i]) << 4 | HexDigit(digits[2 * i + 1]));
    (*glyphs)[codePoint] = glyph;
  }
  std::fclose(file);
  if (glyphs->empty()) {
    *error = std::string(path) + ": no glyphs";
    return false;
  }
  return true;
}
