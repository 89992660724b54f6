// SPDX-License-Identifier: GPL-2.0-or-later
// The fonts the build makes, composed through the game's own drawing and
// compared with the Unifont syllables they were made from.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "assets/fonts/font_measure.h"
#include "assets/fonts/unifont_hex.h"
#include "tests/unit/font_test_support.h"
#include "text/font.h"

namespace {

constexpr const char* UnifontPath = "/usr/share/unifont/unifont.hex";

bool Exists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file != nullptr) std::fclose(file);
  return file != nullptr;
}

class BuiltFonts : public TestFonts {
 protected:
  void SetUp() override {
    TestFonts::SetUp();
    const std::string tree = KXS_GAME_TREE;
    han_ = tree + "/data/han.fnt";
    eng_ = tree + "/data/eng.fnt";
    if (!Exists(han_) || !Exists(eng_) || !Exists(UnifontPath)) GTEST_SKIP() << "data tree or Unifont not there";
    ASSERT_EQ(LoadFonts(han_.c_str(), eng_.c_str()), 1) << FontLoadError();
  }
  std::string han_, eng_;
};

TEST_F(BuiltFonts, ComposedSyllablesFollowUnifont) {
  UnifontGlyphs unifont;
  std::string error;
  ASSERT_TRUE(ReadUnifontHex(UnifontPath, &unifont, &error)) << error;
  const FontScore score = MeasureComposedSyllables(unifont);
  ASSERT_EQ(score.scores.size(), 2350u);
  EXPECT_GE(score.mean, 0.95);
  int poor = 0;
  for (const SyllableScore& s : score.scores) poor += s.iou < 0.7;
  // The few poor ones are where Unifont draws a vowel lower for the final ㄴ
  // than the shared glyph sets can.
  EXPECT_LE(poor, 200);
  EXPECT_GE(score.scores.back().iou, 0.99);
  std::printf("mean IoU %.4f, worst %s %.3f, %d below 0.7\n", score.mean, score.scores[0].utf8.c_str(),
              score.scores[0].iou, poor);
}

TEST_F(BuiltFonts, EngFontHasAsciiAndBlankControls) {
  for (int b = 0x21; b < 0x7F; ++b) {
    int ink = 0;
    for (int row = 0; row < 16; ++row) ink += EngFont[b * 16 + row] != 0;
    EXPECT_GT(ink, 0) << b;
  }
  for (int b : {0x00, 0x0A, 0x0B, 0x1F, 0x20, 0x7F})
    for (int row = 0; row < 16; ++row) EXPECT_EQ(EngFont[b * 16 + row], 0) << b;
}

}  // namespace
