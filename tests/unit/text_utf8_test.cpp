// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/text_iconv.h"
#include "text/hangul.h"
#include "text/utf8.h"

namespace {

std::string Utf8Of(char32_t c) {
  std::string out;
  const std::u32string one(1, c);
  IconvConvert("UTF-32LE", "UTF-8", std::string(reinterpret_cast<const char*>(one.data()), 4), &out);
  return out;
}

TEST(Utf8, EverySyllableToJohabAndBack) {
  for (char32_t c = 0xAC00; c <= 0xD7A3; ++c) {
    const std::string utf8 = Utf8Of(c);
    std::string reference;
    ASSERT_TRUE(IconvConvert("UTF-8", "JOHAB", utf8, &reference));
    std::string johab;
    ASSERT_TRUE(Utf8ToJohab(utf8, &johab));
    ASSERT_EQ(johab, reference) << std::hex << uint32_t(c);
    ASSERT_EQ(JohabToUtf8(johab), utf8);
  }
}

TEST(Utf8, SyllablesOutsideKsc5601HaveNoWansung) {
  int held = 0;
  for (char32_t c = 0xAC00; c <= 0xD7A3; ++c) {
    const std::string utf8 = Utf8Of(c);
    std::string reference;
    const bool inReference = IconvConvert("UTF-8", "EUC-KR", utf8, &reference);
    std::string wansung;
    ASSERT_EQ(Utf8ToWansung(utf8, &wansung), inReference) << std::hex << uint32_t(c);
    ASSERT_EQ(wansung, inReference ? reference : "  ");
    if (inReference) {
      ASSERT_EQ(WansungToUtf8(wansung), utf8);
      ++held;
    }
  }
  EXPECT_EQ(held, SyllableCount);
}

TEST(Utf8, SymbolRowsAndJamoAgreeWithTheReference) {
  int compared = 0;
  for (int lead = 0xA1; lead <= 0xA4; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string wansung = PairBytes(static_cast<uint16_t>(lead << 8 | trail));
      std::string utf8;
      if (!IconvConvert("EUC-KR", "UTF-8", wansung, &utf8)) {
        EXPECT_EQ(WansungToUtf8(wansung), "\uFFFD");
        continue;
      }
      ASSERT_EQ(WansungToUtf8(wansung), utf8) << std::hex << lead << trail;
      std::string back;
      ASSERT_TRUE(Utf8ToWansung(utf8, &back));
      ASSERT_EQ(back, wansung);
      std::string johab, reference;
      ASSERT_TRUE(Utf8ToJohab(utf8, &johab));
      ASSERT_TRUE(IconvConvert("UTF-8", "JOHAB", utf8, &reference));
      // The modern jamo are the only characters that Johab holds twice; the
      // fonts draw the combinational form, which is also the reference's.
      ASSERT_EQ(johab, reference) << std::hex << lead << trail;
      ASSERT_EQ(JohabToUtf8(johab), utf8);
      ++compared;
    }
  }
  EXPECT_EQ(compared, 94 + 72 + 94 + 94);
}

TEST(Utf8, GameTextMixesAsciiSymbolsAndSyllables) {
  std::string johab;
  EXPECT_TRUE(Utf8ToJohab("순위   회사명 ~1·2", &johab));
  std::string reference;
  ASSERT_TRUE(IconvConvert("UTF-8", "JOHAB", "순위   회사명 ~1·2", &reference));
  EXPECT_EQ(johab, reference);
  EXPECT_EQ(JohabToUtf8(johab), "순위   회사명 ~1·2");
  // The symbol-row form of a jamo reads back as the jamo.
  EXPECT_EQ(JohabToUtf8("\xDA\xA1"), "ㄱ");
}

TEST(Utf8, UnsupportedAndMalformedInputBecomeTwoSpaces) {
  std::string out;
  EXPECT_FALSE(Utf8ToWansung("a漢b", &out));  // hanja are not converted
  EXPECT_EQ(out, "a  b");
  EXPECT_FALSE(Utf8ToJohab("\xF0\x9F\x98\x80!", &out));  // outside the planes of KS C 5601
  EXPECT_EQ(out, "  !");
  EXPECT_FALSE(Utf8ToJohab("\xEA\xB0", &out));  // cut short
  EXPECT_EQ(out, "    ");
  EXPECT_FALSE(Utf8ToWansung("\xC0\xAF", &out));  // overlong '/'
  EXPECT_EQ(out, "    ");
  EXPECT_FALSE(Utf8ToWansung("\xED\xA0\x80", &out));  // a surrogate
  EXPECT_EQ(out, "      ");
}

TEST(Utf8, UnknownCodesReadAsReplacementCharacters) {
  EXPECT_EQ(WansungToUtf8("\xC9\xA1"
                          "a"),
            "\uFFFD"
            "a");  // user-defined row
  EXPECT_EQ(WansungToUtf8("\xB0"
                          "a\xB0"),
            "\uFFFD"
            "a\uFFFD");                      // leads without trails
  EXPECT_EQ(JohabToUtf8("\x88\x6C"), "갋");  // Johab holds every syllable
  EXPECT_EQ(JohabToUtf8("\x84\x41"
                        "x\x88"),
            "\uFFFD"
            "x\uFFFD");
}

TEST(Utf8, CachedLiteralsKeepOnePointer) {
  const char* first = WansungText("이미 실행중입니다");
  EXPECT_EQ(WansungText("이미 실행중입니다"), first);
  const std::string copy = "이미 실행중입니다";
  EXPECT_EQ(WansungText(copy.c_str()), first);
  std::string reference;
  ASSERT_TRUE(IconvConvert("UTF-8", "EUC-KR", copy, &reference));
  EXPECT_EQ(std::string(first), reference);
  const char* johab = JohabText(u8"프로그래머");
  EXPECT_EQ(JohabText(u8"프로그래머"), johab);
  EXPECT_NE(static_cast<const void*>(johab), static_cast<const void*>(first));
  EXPECT_EQ(JohabToUtf8(johab), "프로그래머");
  EXPECT_STREQ(WansungText(static_cast<const char*>(nullptr)), "");
}

}  // namespace
