// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/wansung.h"

#include <algorithm>

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool PairByte(uint8_t byte) { return byte >= 0xA1 && byte <= 0xFE; }

void AppendUtf8(std::string* out, char32_t c) {
  if (c < 0x80) {
    out->push_back(char(c));
  } else if (c < 0x800) {
    out->push_back(char(0xC0 | c >> 6));
    out->push_back(char(0x80 | (c & 0x3F)));
  } else {
    out->push_back(char(0xE0 | c >> 12));
    out->push_back(char(0x80 | (c >> 6 & 0x3F)));
    out->push_back(char(0x80 | (c & 0x3F)));
  }
}

// The table's indices in the order of their characters, built on first use,
// for writing.
struct UnicodeOrder {
  uint16_t index[KsX1001Codes];
  int count = 0;
  UnicodeOrder() {
    for (int i = 0; i < KsX1001Codes; ++i) {
      if (KsX1001Unicode[i] != 0) index[count++] = uint16_t(i);
    }
    std::sort(index, index + count, [](uint16_t a, uint16_t b) { return KsX1001Unicode[a] < KsX1001Unicode[b]; });
  }
};

// The character of a UTF-8 sequence Utf8SequenceLength accepted.
char32_t CodePoint(const char* utf8, int length) {
  const uint8_t first = uint8_t(utf8[0]);
  if (length == 1) return first;
  char32_t c = first & (0x7F >> length);
  for (int i = 1; i < length; ++i) c = c << 6 | (uint8_t(utf8[i]) & 0x3F);
  return c;
}

}  // namespace

int WansungCharLength(const char* text, size_t length, size_t at) {
  if (at >= length) return 0;
  return PairByte(uint8_t(text[at])) && at + 1 < length && PairByte(uint8_t(text[at + 1])) ? 2 : 1;
}

char32_t UnicodeOfWansungPair(uint8_t lead, uint8_t trail) {
  if (!PairByte(lead) || !PairByte(trail)) return 0;
  return KsX1001Unicode[(lead - 0xA1) * 94 + (trail - 0xA1)];
}

uint16_t WansungPairOfUnicode(char32_t c) {
  static const UnicodeOrder order;
  const uint16_t* end = order.index + order.count;
  const uint16_t* found =
      std::lower_bound(order.index, end, c, [](uint16_t i, char32_t value) { return KsX1001Unicode[i] < value; });
  if (c == 0 || found == end || KsX1001Unicode[*found] != c) return 0;
  return uint16_t((0xA1 + *found / 94) << 8 | (0xA1 + *found % 94));
}

std::string DecodeWansung(const char* text, size_t length) {
  std::string out;
  if (!text) return out;
  out.reserve(length + length / 2);
  for (size_t at = 0; at < length;) {
    const uint8_t byte = uint8_t(text[at]);
    const int step = WansungCharLength(text, length, at);
    if (step == 2) {
      const char32_t c = UnicodeOfWansungPair(byte, uint8_t(text[at + 1]));
      AppendUtf8(&out, c != 0 ? c : Replacement);
    } else if (byte < 0x80) {
      out.push_back(char(byte));
    } else {
      AppendUtf8(&out, Replacement);
    }
    at += size_t(step);
  }
  return out;
}

int Utf8SequenceLength(const char* text, size_t remaining) {
  if (!text || remaining == 0) return 0;
  const uint8_t first = uint8_t(text[0]);
  const int length = first < 0x80                     ? 1
                     : first >= 0xC2 && first <= 0xDF ? 2
                     : first >= 0xE0 && first <= 0xEF ? 3
                     : first >= 0xF0 && first <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || size_t(length) > remaining) return 1;
  for (int i = 1; i < length; ++i) {
    if ((uint8_t(text[i]) & 0xC0) != 0x80) return 1;
  }
  const char32_t c = CodePoint(text, length);
  const char32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 1;
  return length;
}

bool EncodeWansungChar(const char* utf8, size_t length, std::string* wansung) {
  const int sequence = Utf8SequenceLength(utf8, length);
  if (sequence == 0 || size_t(sequence) != length) return false;
  const uint8_t first = uint8_t(utf8[0]);
  if (length == 1) {
    if (first < 0x20 || first >= 0x7F) return false;
    wansung->push_back(char(first));
    return true;
  }
  const uint16_t code = WansungPairOfUnicode(CodePoint(utf8, sequence));
  if (code == 0) return false;
  wansung->push_back(char(code >> 8));
  wansung->push_back(char(code & 0xFF));
  return true;
}

std::string EncodeWansung(const std::string& utf8) {
  std::string out;
  for (size_t at = 0; at < utf8.size();) {
    const int length = Utf8SequenceLength(utf8.data() + at, utf8.size() - at);
    EncodeWansungChar(utf8.data() + at, size_t(length), &out);
    at += size_t(length);
  }
  return out;
}
