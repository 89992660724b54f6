// SPDX-License-Identifier: GPL-2.0-or-later
// Wansung (EUC-KR, KS X 1001) and UTF-8 for the texts of boxes and dialogs,
// the same on every backend and without the C library's converter (the
// browser and Windows builds have none).
//
// Characters: a byte below 0x80 is ASCII; a byte 0xA1..0xFE followed by
// another byte 0xA1..0xFE is one two-byte character; every other byte (0x80..
// 0xA0, 0xFF, a lead without its trail) stands alone. Reading, a pair that
// KS X 1001 leaves unassigned and a byte standing alone from 0x80 up each
// become one U+FFFD. Writing, a character without a KS X 1001 code is left
// out, and so are control characters: what cannot be typed into a field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int KsX1001Codes = 94 * 94;
// The generated table (ks_x_1001_table.cpp): entry (lead - 0xA1) * 94 +
// (trail - 0xA1) is that code's Unicode character, 0 for none.
extern const uint16_t KsX1001Unicode[KsX1001Codes];

// Bytes of the character at text[at]: 2 for a pair, 1 otherwise, 0 at the end.
int WansungCharLength(const char* text, size_t length, size_t at);
inline int WansungCharLength(const std::string& text, size_t at) {
  return WansungCharLength(text.data(), text.size(), at);
}

// The character of a two-byte code, 0 when it has none.
char32_t UnicodeOfWansungPair(uint8_t lead, uint8_t trail);
// The two-byte code of a character (lead << 8 | trail), 0 when it has none.
uint16_t WansungPairOfUnicode(char32_t c);

std::string DecodeWansung(const char* text, size_t length);
inline std::string DecodeWansung(const std::string& text) { return DecodeWansung(text.data(), text.size()); }

// Length in bytes of the UTF-8 sequence that starts text; 1 for a byte that
// starts none (stray, cut short, overlong, a surrogate), 0 at the end.
int Utf8SequenceLength(const char* text, size_t remaining);
// The Wansung bytes of one UTF-8 character appended to wansung; false (and
// nothing appended) for a character that has none or is a control character.
bool EncodeWansungChar(const char* utf8, size_t length, std::string* wansung);
// A whole UTF-8 text: every character that has a code, in order.
std::string EncodeWansung(const std::string& utf8);
