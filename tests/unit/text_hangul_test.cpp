// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/unit/text_iconv.h"
#include "text/hangul.h"

namespace {

uint16_t WansungOfEntry(int n) { return static_cast<uint16_t>(0xB0A1 + (n / 94) * 256 + n % 94); }

std::string Converted(uint8_t from, uint8_t to, std::string text) {
  ConvertString(from, to, text.data());
  return text;
}

TEST(HangulTables, SyllablesMatchTheReferenceConverter) {
  for (int n = 0; n < SyllableCount; ++n) {
    ASSERT_EQ(SyllableTable[n], IconvPair("EUC-KR", "JOHAB", WansungOfEntry(n))) << "entry " << n;
  }
  for (int n = 1; n < SyllableCount; ++n) ASSERT_LT(SyllableTable[n - 1], SyllableTable[n]);
}

TEST(HangulTables, JamoMatchTheReferenceConverter) {
  for (int i = 0; i < JamoCount; ++i) {
    EXPECT_EQ(JamoTable[i], IconvPair("EUC-KR", "JOHAB", static_cast<uint16_t>(0xA4A1 + i))) << "jamo " << i;
  }
  EXPECT_EQ(JamoTable[0], 0x8841);
  EXPECT_EQ(JamoTable[30], 0x8461);
  EXPECT_EQ(JamoTable[50], 0x87A1);
}

TEST(HangulTables, SevenBitRepertoireIsASortedSubsetWithItsPins) {
  int at = 0;
  for (int c = 0; c < SevenBitSyllableCount; ++c) {
    if (c > 0) {
      ASSERT_LT(SevenBitSyllables[c - 1], SevenBitSyllables[c]);
    }
    while (at < SyllableCount && SyllableTable[at] != SevenBitSyllables[c]) ++at;
    ASSERT_LT(at, SyllableCount) << "entry " << c << " is not a KS C 5601 syllable";
  }
  const uint16_t first[] = {0x8861, 0x8862, 0x8865, 0x8868, 0x8869};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(SevenBitSyllables[c], first[c]);
  EXPECT_EQ(SevenBitSyllables[1314], 0xD3A9);
  EXPECT_EQ(SevenBitSyllables[1315], 0xD3B1);
  EXPECT_EQ(SevenBitSyllables[1316], 0xD3B5);
}

TEST(WansungJohab, EveryWansungCodeAgreesWithTheReference) {
  int compared = 0;
  for (int lead = 0xA1; lead <= 0xFE; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const uint16_t wansung = static_cast<uint16_t>(lead << 8 | trail);
      const uint16_t johab = WansungToJohab(wansung);
      // The reference writes the row-0xA4 jamo as combinational codes; this
      // side keeps them in the symbol rows and accepts both on the way back.
      if (lead == 0xA4 && trail <= 0xD3) {
        EXPECT_EQ(johab, 0xDA00 + trail);
        EXPECT_EQ(JohabToWansung(JamoTable[trail - 0xA1]), wansung);
      } else if (const uint16_t reference = IconvPair("EUC-KR", "JOHAB", wansung); reference != 0) {
        ASSERT_EQ(johab, reference) << std::hex << wansung;
        ++compared;
      }
      if (johab != 0) {
        ASSERT_EQ(JohabToWansung(johab), wansung) << std::hex << wansung;
      }
    }
  }
  EXPECT_GT(compared, 8000);
}

TEST(WansungJohab, EveryJohabCodeAgreesWithTheReference) {
  for (int code = 0x8000; code <= 0xFFFF; ++code) {
    const uint16_t reference = IconvPair("JOHAB", "EUC-KR", static_cast<uint16_t>(code));
    const uint16_t ours = JohabToWansung(static_cast<uint16_t>(code));
    if (reference != 0) {
      ASSERT_EQ(ours, reference) << std::hex << code;
    }
    if (ours != 0) {
      ASSERT_GE(ours >> 8, 0xA1) << std::hex << code;
      ASSERT_GE(ours & 0xFF, 0xA1) << std::hex << code;
    }
  }
}

TEST(WansungJohab, NamedCases) {
  EXPECT_EQ(WansungToJohab(0xB0A1), 0x8861);
  EXPECT_EQ(JohabToWansung(0x8861), 0xB0A1);
  EXPECT_EQ(WansungToJohab(0xA1A1), 0xD931);
  EXPECT_EQ(WansungToJohab(0xA2A1), 0xD9A1);
  EXPECT_EQ(WansungToJohab(0xCAA1), 0xE031);
  EXPECT_EQ(JohabToWansung(0xD931), 0xA1A1);
  EXPECT_EQ(JohabToWansung(0xD9A1), 0xA2A1);
  EXPECT_EQ(JohabToWansung(0xE031), 0xCAA1);
  EXPECT_EQ(WansungToJohab(0xA4A1), 0xDAA1);
  EXPECT_EQ(JohabToWansung(0x8841), 0xA4A1);
  EXPECT_EQ(JohabToWansung(0xDAA1), 0xA4A1);
  // The rows after the symbols.
  EXPECT_EQ(WansungToJohab(0xADA1), 0xD480);
  EXPECT_EQ(WansungToJohab(0xAEC1), 0xD4FE);
  EXPECT_EQ(WansungToJohab(0xAEC2), 0);
  EXPECT_EQ(JohabToWansung(0xD4DE), 0xAEA1);
  EXPECT_EQ(JohabToWansung(0xD47F), 0);
}

TEST(WansungJohab, TrailsWithoutAWansungTwinGiveNothing) {
  // 0x30 and 0xFF would come out as the non-Wansung trails 0xA0 and 0xFF.
  EXPECT_EQ(JohabToWansung(0xD930), 0);
  EXPECT_EQ(JohabToWansung(0xD9FF), 0);
  EXPECT_EQ(JohabToWansung(0xE030), 0);
  EXPECT_EQ(JohabToWansung(0xD4FF), 0);
  EXPECT_EQ(JohabToWansung(0xD980), 0);
  EXPECT_EQ(JohabToWansung(0xD991), 0xA1EF);
}

TEST(ConvertStrings, UnconvertiblePairsBecomeSpacesAndLengthStays) {
  // User-defined rows 0xC9 and 0xFE, a trail below 0xA1, then a good pair.
  EXPECT_EQ(Converted(Wansung, Johab, "\xC9\xA1\xFE\xA1\xB0\x41\xB0\xA1"), "      \x88\x61");
  // A syllable with a final KS C 5601 lacks (갋: ㄱ ㅏ ㄼ).
  EXPECT_EQ(Converted(Johab, Wansung,
                      "a\x88\x6C"
                      "b"),
            "a  b");
  EXPECT_EQ(Converted(Wansung, Johab, "Abc 123!"), "Abc 123!");
  EXPECT_EQ(Converted(Johab, Wansung, "Abc 123!"), "Abc 123!");
  // A lone lead byte at the end becomes one space; the NUL stays.
  EXPECT_EQ(Converted(Wansung, Johab, "\xB0\xA1\xB0"), "\x88\x61 ");
  EXPECT_EQ(Converted(Johab, Wansung, "x\x88"), "x ");
  EXPECT_EQ(Converted(Wansung, Johab, ""), "");
  EXPECT_EQ(Converted(Wansung, Wansung, "\xC9\xA1"), "\xC9\xA1");
}

TEST(ConvertStrings, WholeNamesRoundTrip) {
  std::string name = "\xC8\xAB\xB1\xE6\xB5\xBF 2";  // 홍길동 2
  const std::string original = name;
  ConvertString(Wansung, Johab, name.data());
  EXPECT_EQ(name, "\xD1\xB7\x8B\xA9\x95\xB7 2");
  ConvertString(Johab, Wansung, name.data());
  EXPECT_EQ(name, original);
}

TEST(ConvertStrings, NulInAResultCannotCutTheString) {
  // Type 0 takes normalized indexes: ㄱ ㅖ (medial 8) would have trail 0x00.
  std::string text = "\x89\x81z";  // 계 in Johab
  ConvertString(Johab, 0, text.data());
  EXPECT_EQ(std::strlen(text.c_str()), 3u);
}

TEST(ConvertCombined, BetweenTypes) {
  // 가 in type 3: ㄱ is initial field 1, ㅏ field 2, no final field 0.
  EXPECT_EQ(ConvertCombined(Johab, CombinedC, 0x8861), 0x8000 | 1 << 10 | 2 << 5 | 0);
  // ㄱ alone: the medial fill becomes field 31 in type 3.
  EXPECT_EQ(ConvertCombined(Johab, CombinedC, 0x8841), 0x8000 | 1 << 10 | 31 << 5 | 0);
  EXPECT_EQ(ConvertCombined(CombinedC, Johab, 0x8000 | 1 << 10 | 31 << 5 | 0), 0x8841);
  EXPECT_EQ(ConvertCombined(Johab, Johab, 0x1234), 0x1234);
  // An invalid field (Johab initial 0, medial 8, final 18) gives nothing.
  EXPECT_EQ(ConvertCombined(Johab, CombinedB, 0x8061), 0);
  EXPECT_EQ(ConvertCombined(Johab, CombinedB, 0x8901), 0);
  EXPECT_EQ(ConvertCombined(Johab, CombinedB, 0x8872), 0);
  // Every syllable survives a trip through each other type.
  for (uint8_t type = CombinedB; type <= CombinedE; ++type) {
    for (uint16_t johab : SyllableTable) {
      const uint16_t there = ConvertCombined(Johab, type, johab);
      ASSERT_NE(there, 0);
      ASSERT_EQ(ConvertCombined(type, Johab, there), johab) << int(type);
      ASSERT_EQ(ConvertCode(type, Wansung, there), JohabToWansung(johab));
    }
  }
}

TEST(SevenBit, PinnedCodes) {
  const struct {
    uint16_t johab, seven;
  } pins[] = {
      {0x8861, 0x5F55},                   // 가, entry 0
      {0x8841, 0x5F21},                   // ㄱ
      {SevenBitSyllables[42], 0x6021},    // 겸
      {SevenBitSyllables[135], 0x6140},   // 꽤
      {SevenBitSyllables[967], 0x7B21},   // 즘
      {SevenBitSyllables[1246], 0x7E21},  // 햇
      {0x87A1, 0x5F54},                   // ㅣ, the last jamo
      {0xD3B5, 0x7E68},                   // 힛, the last syllable
  };
  for (const auto& pin : pins) {
    EXPECT_EQ(JohabToSevenBit(pin.johab), pin.seven) << std::hex << pin.johab;
    EXPECT_EQ(SevenBitToJohab(pin.seven), pin.johab) << std::hex << pin.seven;
  }
  EXPECT_EQ(JohabToWansung(SevenBitSyllables[42]), 0xB0E2);    // 겸
  EXPECT_EQ(JohabToWansung(SevenBitSyllables[135]), 0xB2CF);   // 꽤
  EXPECT_EQ(JohabToWansung(SevenBitSyllables[967]), 0xC1F2);   // 즘
  EXPECT_EQ(JohabToWansung(SevenBitSyllables[1246]), 0xC7DE);  // 햇
  EXPECT_EQ(SevenBitToJohab(0x5F22), 0x5F22);
  EXPECT_EQ(SevenBitToJohab(0x6160), 0x6160);
  EXPECT_EQ(SevenBitToJohab(0x7E69), 0x7E69);
  EXPECT_EQ(SevenBitToJohab(0x5E21), 0);
  EXPECT_EQ(JohabToSevenBit(0xD3B7), 0);  // 힝 is not in the repertoire
}

TEST(SevenBit, EveryCharacterRoundTrips) {
  for (uint16_t johab : SevenBitSyllables) {
    const uint16_t seven = JohabToSevenBit(johab);
    ASSERT_GE(seven >> 8, 0x5F);
    ASSERT_LE(seven >> 8, 0x7E);
    ASSERT_NE(seven & 0xFF, 0x22);
    ASSERT_EQ(SevenBitToJohab(seven), johab);
    ASSERT_EQ(ConvertCode(SevenBit, Wansung, seven), JohabToWansung(johab));
  }
  for (uint16_t jamo : JamoTable) ASSERT_EQ(SevenBitToJohab(JohabToSevenBit(jamo)), jamo);
  std::string text = "\xB0\xA1 \xA4\xA1";  // 가 ㄱ in Wansung
  ConvertString(Wansung, SevenBit, text.data());
  EXPECT_EQ(text, "\x5F\x55 \x5F\x21");
  ConvertString(SevenBit, Wansung, text.data());
  EXPECT_EQ(text, "\xB0\xA1 \xA4\xA1");
}

TEST(TrimLineEnd, RemovesOneLineFeed) {
  char twice[] = "name\n\n";
  TrimLineEnd(twice);
  EXPECT_STREQ(twice, "name\n");
  char none[] = "name";
  TrimLineEnd(none);
  EXPECT_STREQ(none, "name");
  char empty[] = "";
  TrimLineEnd(empty);
  EXPECT_STREQ(empty, "");
}

}  // namespace
