// SPDX-License-Identifier: GPL-2.0-or-later
// UTF-8 <-> Wansung and Johab with the conversion's own tables: syllables
// decompose arithmetically into the three Johab fields, Wansung goes through
// the syllable table, and the few symbol rows are listed here.
#include "text/utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "text/hangul.h"
#include "text/hangul_fields.h"

namespace {

constexpr char32_t NoCharacter = 0xFFFD;
constexpr char32_t FirstSyllable = 0xAC00;
constexpr char32_t LastSyllable = 0xD7A3;
constexpr char32_t FirstJamo = 0x3131;  // row 0xA4 runs U+3131..U+318E in order

// Rows 0xA1 and 0xA2 of KS C 5601, in order (row 0xA2 is assigned up to 0xE8).
// The ideographic space and the soft hyphen are written as escapes because
// they cannot be seen, the angstrom sign because editors fold it into Å.
constexpr std::u32string_view SymbolRows[2] = {
    U"\u3000、。·‥…¨〃\u00AD―∥＼∼‘’“”〔〕〈〉《》「」『』【】±×÷≠≤≥∞∴°′″℃\u212B￠￡￥♂♀∠⊥⌒∂∇≡≒§※"
    U"☆★○●◎◇◆□■△▲▽▼→←↑↓↔〓≪≫√∽∝∵∫∬∈∋⊆⊇⊂⊃∪∩∧∨￢",
    U"⇒⇔∀∃´～ˇ˘˝˚˙¸˛¡¿ː∮∑∏¤℉‰◁◀▷▶♤♠♡♥♧♣⊙◈▣◐◑▒▤▥▨▧▦▩♨☏☎☜☞¶†‡↕↗↙↖↘♭♩♪♬㉿㈜№㏇™㏂㏘℡€®㉾",
};
static_assert(SymbolRows[0].size() == 94 && SymbolRows[1].size() == 72);

// Row 0xA3 is full-width ASCII except for the won sign and the macron.
constexpr char32_t FullWidthWon = 0xFFE6;     // at 0xA3DC instead of U+FF3C
constexpr char32_t FullWidthMacron = 0xFFE3;  // at 0xA3FE instead of U+FF5E

uint16_t SymbolToWansung(char32_t c) {
  for (int row = 0; row < 2; ++row) {
    const size_t at = SymbolRows[row].find(c);
    if (at != std::u32string_view::npos) return static_cast<uint16_t>((0xA1 + row) << 8 | (0xA1 + at));
  }
  if (c == FullWidthWon) return 0xA3DC;
  if (c == FullWidthMacron) return 0xA3FE;
  if (c >= 0xFF01 && c <= 0xFF5D && c != 0xFF3C) return static_cast<uint16_t>(0xA3A1 + (c - 0xFF01));
  if (c >= FirstJamo && c <= FirstJamo + 93) return static_cast<uint16_t>(0xA4A1 + (c - FirstJamo));
  return 0;
}

char32_t SymbolFromWansung(uint16_t code) {
  const int lead = code >> 8;
  const int trail = code & 0xFF;
  if (trail < 0xA1 || trail > 0xFE) return NoCharacter;
  const size_t at = static_cast<size_t>(trail - 0xA1);
  if (lead == 0xA1 || lead == 0xA2) {
    const std::u32string_view row = SymbolRows[lead - 0xA1];
    return at < row.size() ? row[at] : NoCharacter;
  }
  if (lead == 0xA3) {
    if (trail == 0xDC) return FullWidthWon;
    if (trail == 0xFE) return FullWidthMacron;
    return static_cast<char32_t>(0xFF01 + at);
  }
  if (lead == 0xA4) return static_cast<char32_t>(FirstJamo + at);
  return NoCharacter;
}

// The precomposed syllable of a Johab code, or 0 when it is not one.
char32_t SyllableOfJohab(uint16_t code) {
  const FieldDecoding& decode = CombinedDecoding[Johab];
  const int initial = decode.initial[InitialField(code)];
  const int medial = decode.medial[MedialField(code)];
  const int finalIndex = decode.finals[FinalField(code)];
  if (initial == InvalidField || medial == InvalidField || finalIndex == InvalidField) return 0;
  if (initial == 0 || medial == 0) return 0;
  return FirstSyllable + static_cast<char32_t>(((initial - 1) * 21 + medial - 1) * 28 + finalIndex);
}

char32_t UnicodeOfWansung(uint16_t code) {
  if ((code >> 8) >= 0xB0 && (code >> 8) <= 0xC8) {
    const char32_t syllable = SyllableOfJohab(WansungToJohab(code));
    return syllable != 0 ? syllable : NoCharacter;
  }
  return SymbolFromWansung(code);
}

uint16_t WansungOfUnicode(char32_t c) {
  if (c >= FirstSyllable && c <= LastSyllable) return JohabToWansung(JohabOfSyllable(c));
  return SymbolToWansung(c);
}

uint16_t JohabOfUnicode(char32_t c) {
  if (c >= FirstSyllable && c <= LastSyllable) return JohabOfSyllable(c);
  if (c >= FirstJamo && c < FirstJamo + JamoCount) return JamoTable[c - FirstJamo];
  const uint16_t wansung = SymbolToWansung(c);
  return wansung != 0 ? WansungToJohab(wansung) : 0;
}

char32_t UnicodeOfJohab(uint16_t code) {
  const char32_t syllable = SyllableOfJohab(code);
  if (syllable != 0) return syllable;
  for (int i = 0; i < JamoCount; ++i)
    if (JamoTable[i] == code) return FirstJamo + static_cast<char32_t>(i);
  const uint16_t wansung = JohabToWansung(code);
  return wansung != 0 ? SymbolFromWansung(wansung) : NoCharacter;
}

// The next character of UTF-8 text at *p; a malformed sequence gives
// NoCharacter and moves on by one byte.
char32_t NextCodePoint(const std::string& text, size_t* p) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[*p + k]); };
  const uint8_t first = byte(0);
  int length = 0;
  char32_t c = 0;
  if (first < 0x80) {
    ++*p;
    return first;
  }
  if (first >= 0xC2 && first <= 0xDF)
    length = 2, c = first & 0x1F;
  else if (first >= 0xE0 && first <= 0xEF)
    length = 3, c = first & 0x0F;
  else if (first >= 0xF0 && first <= 0xF4)
    length = 4, c = first & 0x07;
  if (length == 0 || *p + length > text.size()) {
    ++*p;
    return NoCharacter;
  }
  for (int k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) {
      ++*p;
      return NoCharacter;
    }
    c = c << 6 | (byte(k) & 0x3F);
  }
  const char32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++*p;
    return NoCharacter;
  }
  *p += length;
  return c;
}

void AppendUtf8(std::string* out, char32_t c) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | c >> 6));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | c >> 12));
    out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | c >> 18));
    out->push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

bool FromUtf8(const std::string& utf8, std::string* out, uint16_t (*toCode)(char32_t)) {
  out->clear();
  bool complete = true;
  for (size_t p = 0; p < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, &p);
    if (c < 0x80) {
      out->push_back(static_cast<char>(c));
      continue;
    }
    const uint16_t code = toCode(c);
    if (code == 0) complete = false;
    out->push_back(code == 0 ? ' ' : static_cast<char>(code >> 8));
    out->push_back(code == 0 ? ' ' : static_cast<char>(code & 0xFF));
  }
  return complete;
}

}  // namespace

bool Utf8ToWansung(const std::string& utf8, std::string* wansung) { return FromUtf8(utf8, wansung, WansungOfUnicode); }

bool Utf8ToJohab(const std::string& utf8, std::string* johab) { return FromUtf8(utf8, johab, JohabOfUnicode); }

std::string WansungToUtf8(const std::string& wansung) {
  std::string out;
  for (size_t p = 0; p < wansung.size();) {
    const uint8_t lead = static_cast<uint8_t>(wansung[p]);
    const uint8_t trail = p + 1 < wansung.size() ? static_cast<uint8_t>(wansung[p + 1]) : 0;
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      p += 1;
    } else if (lead >= 0xA1 && trail >= 0xA1) {
      AppendUtf8(&out, UnicodeOfWansung(static_cast<uint16_t>(lead << 8 | trail)));
      p += 2;
    } else {
      AppendUtf8(&out, NoCharacter);
      p += 1;
    }
  }
  return out;
}

std::string JohabToUtf8(const std::string& johab) {
  std::string out;
  for (size_t p = 0; p < johab.size();) {
    const uint8_t lead = static_cast<uint8_t>(johab[p]);
    const uint8_t trail = p + 1 < johab.size() ? static_cast<uint8_t>(johab[p + 1]) : 0;
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      p += 1;
    } else if (trail != 0) {
      AppendUtf8(&out, UnicodeOfJohab(static_cast<uint16_t>(lead << 8 | trail)));
      p += 2;
    } else {
      AppendUtf8(&out, NoCharacter);
      p += 1;
    }
  }
  return out;
}
