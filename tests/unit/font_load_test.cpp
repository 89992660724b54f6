// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/font_test_support.h"
#include "text/font.h"

namespace {

using FontLoading = TestFonts;

TEST_F(FontLoading, BlocksComeFromTheirFileOffsets) {
  // Initial set 7 glyph 19, medial set 3 glyph 21, final set 3 glyph 27.
  EXPECT_EQ(InitialFont[(7 * 20 + 19) * 32], 0x87);
  EXPECT_EQ(InitialFont[(7 * 20 + 19) * 32 + 1], 19);
  EXPECT_EQ(MedialFont[(3 * 22 + 21) * 32 + 10], 0x83);
  EXPECT_EQ(FinalFont[(3 * 28 + 27) * 32 + 23], 27);
  EXPECT_EQ(EngFont['Z' * 16 + 15], 'Z');
}

TEST_F(FontLoading, WrongSizesAreRefusedAndKeepTheFonts) {
  const uint8_t* before = InitialFont;
  const std::vector<uint8_t> han = MakeTestHanFont();
  const std::vector<uint8_t> eng = MakeTestEngFont();
  const struct {
    std::string han, eng, named, reason;
  } cases[] = {
      {WriteTestFile("short_han.fnt", {han.begin(), han.end() - 1}), engPath_, "short_han.fnt", "shorter"},
      {WriteTestFile("long_han.fnt",
                     [&] {
                       auto v = han;
                       v.push_back(0);
                       return v;
                     }()),
       engPath_, "long_han.fnt", "longer"},
      {hanPath_, WriteTestFile("short_eng.fnt", {eng.begin(), eng.begin() + 4095}), "short_eng.fnt", "shorter"},
      {hanPath_, WriteTestFile("empty_eng.fnt", {}), "empty_eng.fnt", "shorter"},
      {hanPath_, testing::TempDir() + "/no_such_eng.fnt", "no_such_eng.fnt", "missing"},
      {testing::TempDir() + "/no_such_han.fnt", engPath_, "no_such_han.fnt", "missing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadFonts(c.han.c_str(), c.eng.c_str()), 0) << c.named;
    const std::string error = FontLoadError();
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_EQ(InitialFont, before);
    EXPECT_EQ(EngFont['Z' * 16 + 15], 'Z');
  }
  EXPECT_FALSE(LoadEngFont(hanPath_.c_str()));
  EXPECT_FALSE(LoadHanFont(engPath_.c_str()));
  EXPECT_EQ(LoadFonts(hanPath_.c_str(), engPath_.c_str()), 1);
  EXPECT_STREQ(FontLoadError(), "");
}

TEST_F(FontLoading, FreeLeavesNoBuffers) {
  FreeFonts();
  EXPECT_EQ(InitialFont, nullptr);
  EXPECT_EQ(MedialFont, nullptr);
  EXPECT_EQ(FinalFont, nullptr);
  EXPECT_EQ(EngFont, nullptr);
  FreeFonts();
}

}  // namespace
