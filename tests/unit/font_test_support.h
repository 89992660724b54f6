// SPDX-License-Identifier: GPL-2.0-or-later
// Fonts whose glyphs say what they are, for tests of composition and drawing.
//   han.fnt: a partial glyph carries its set and glyph number in one row pair
//   (initial rows 0/1, medial rows 5/6, final rows 11/12: set | 0x80 in the
//   left byte, glyph number in the right byte, then a full row); glyph 0 of
//   every set is solid ink, so drawing one would show.
//   eng.fnt: every glyph but the space is solid except row 15, which holds
//   the byte value.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "text/font.h"

inline std::vector<uint8_t> MakeTestHanFont() {
  std::vector<uint8_t> font(HanFontBytes, 0);
  const struct {
    int offset, sets, glyphs, row;
  } blocks[] = {{0, InitialSets, InitialGlyphs, 0},
                {InitialBlockBytes, MedialSets, MedialGlyphs, 5},
                {InitialBlockBytes + MedialBlockBytes, FinalSets, FinalGlyphs, 11}};
  for (const auto& block : blocks) {
    for (int set = 0; set < block.sets; ++set) {
      for (int g = 0; g < block.glyphs; ++g) {
        uint8_t* glyph = font.data() + block.offset + (set * block.glyphs + g) * GlyphBytes16;
        if (g == 0) {
          for (int i = 0; i < GlyphBytes16; ++i) glyph[i] = 0xFF;
          continue;
        }
        glyph[block.row * 2] = static_cast<uint8_t>(0x80 | set);
        glyph[block.row * 2 + 1] = static_cast<uint8_t>(g);
        glyph[block.row * 2 + 2] = 0xFF;
        glyph[block.row * 2 + 3] = 0xFF;
      }
    }
  }
  return font;
}

inline std::vector<uint8_t> MakeTestEngFont() {
  std::vector<uint8_t> font(EngFontBytes, 0);
  for (int b = 0; b < 256; ++b) {
    if (b == ' ') continue;
    for (int row = 0; row < 15; ++row) font[b * 16 + row] = 0xFF;
    font[b * 16 + 15] = static_cast<uint8_t>(b);
  }
  return font;
}

// A file of this test process only: ctest runs every test in a process of
// its own, two at a time, and a font half written by the other would fail.
inline std::string TestFilePath(const std::string& name) {
  return testing::TempDir() + "/kxs" + std::to_string(getpid()) + "_" + name;
}

inline std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = TestFilePath(name);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file != nullptr) {
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  return path;
}

// Loads the test fonts for one test and gives back whatever fonts were
// loaded before it.
class TestFonts : public testing::Test {
 protected:
  void SetUp() override {
    saved_[0] = InitialFont;
    saved_[1] = MedialFont;
    saved_[2] = FinalFont;
    saved_[3] = EngFont;
    savedColour_ = TextColour;
    InitialFont = MedialFont = FinalFont = EngFont = nullptr;
    hanPath_ = WriteTestFile("font_test_han.fnt", MakeTestHanFont());
    engPath_ = WriteTestFile("font_test_eng.fnt", MakeTestEngFont());
    ASSERT_EQ(LoadFonts(hanPath_.c_str(), engPath_.c_str()), 1) << FontLoadError();
  }
  void TearDown() override {
    FreeFonts();
    InitialFont = saved_[0];
    MedialFont = saved_[1];
    FinalFont = saved_[2];
    EngFont = saved_[3];
    TextColour = savedColour_;
  }
  std::string hanPath_, engPath_;

 private:
  uint8_t* saved_[4] = {};
  uint8_t savedColour_ = 7;
};
