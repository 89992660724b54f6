// SPDX-License-Identifier: GPL-2.0-or-later
// The one Wansung conversion of boxes and dialogs: its table against the C
// library's converter, its treatment of bad bytes, and its agreement with
// the game's own conversion (text/) wherever that one converts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/wansung.h"
#include "tests/unit/text_iconv.h"
#include "text/utf8.h"

namespace {

TEST(PlatformWansung, EveryPairAgreesWithTheReferenceBothWays) {
  int assigned = 0;
  for (int lead = 0xA1; lead <= 0xFE; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string pair = PairBytes(uint16_t(lead << 8 | trail));
      std::string reference;
      if (!IconvConvert("EUC-KR", "UTF-8", pair, &reference)) {
        ASSERT_EQ(DecodeWansung(pair), "\uFFFD") << std::hex << lead << trail;
        continue;
      }
      ASSERT_EQ(DecodeWansung(pair), reference) << std::hex << lead << trail;
      ASSERT_EQ(EncodeWansung(reference), pair) << std::hex << lead << trail;
      // The game's conversion holds fewer symbols, but the same ones.
      std::string game;
      if (Utf8ToWansung(reference, &game)) {
        ASSERT_EQ(game, pair);
      }
      ++assigned;
    }
  }
  EXPECT_EQ(assigned, 8227);  // KS X 1001's symbols, 2350 syllables and 4888 hanja
}

TEST(PlatformWansung, BadBytesReadAsOneReplacementEach) {
  EXPECT_EQ(DecodeWansung(std::string("a\xFF\xFF"
                                      "b\x81")),
            "a\uFFFD\uFFFDb\uFFFD");
  EXPECT_EQ(DecodeWansung(std::string("\xC9\xA1"
                                      "x")),
            "\uFFFDx");  // a user-defined pair: one
  EXPECT_EQ(DecodeWansung(std::string("\xB1"
                                      "A\xB1\xE8")),
            "\uFFFDA김");                                             // a lead without its trail
  EXPECT_EQ(DecodeWansung(std::string("\xB1\xE8\xB1")), "김\uFFFD");  // cut at the end
  EXPECT_EQ(DecodeWansung(nullptr, 3), "");
  // The character rule fields are cut by: a pair is two bytes 0xA1..0xFE.
  const std::string text =
      "\x81\xA1"
      "A\xB1\xE8\xA1";
  std::vector<int> steps;
  for (size_t at = 0; at < text.size(); at += size_t(steps.back())) steps.push_back(WansungCharLength(text, at));
  EXPECT_EQ(steps, (std::vector<int>{1, 1, 1, 2, 1}));
  EXPECT_EQ(WansungCharLength(text, text.size()), 0);
}

TEST(PlatformWansung, WritingLeavesOutWhatHasNoCode) {
  EXPECT_EQ(EncodeWansung("김a똠\t😀철"),
            "\xB1\xE8"
            "a\xC3\xB6");
  std::string out;
  EXPECT_FALSE(EncodeWansungChar("\x7F", 1, &out));
  EXPECT_FALSE(EncodeWansungChar("\xC0\xAF", 2, &out));      // an overlong '/'
  EXPECT_FALSE(EncodeWansungChar("\xED\xA0\x80", 3, &out));  // a surrogate
  EXPECT_FALSE(EncodeWansungChar("김", 2, &out));            // cut short
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(Utf8SequenceLength("\xE9\xB0", 2), 1);
  EXPECT_EQ(Utf8SequenceLength("김", 3), 3);
  EXPECT_EQ(Utf8SequenceLength("", 0), 0);
}

}  // namespace
