// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/frame.h"
#include "tests/unit/font_test_support.h"
#include "text/font.h"
#include "text/utf8.h"

namespace {

struct Part {
  int set, glyph;  // glyph 0: absent
  bool operator==(const Part&) const = default;
};

// Which partial glyph of the test font sits at a row pair of a composed glyph.
Part PartAt(const uint8_t* glyph, int row) {
  if (glyph[row * 2] == 0) return {0, 0};
  return {glyph[row * 2] & 0x7F, glyph[row * 2 + 1]};
}

uint16_t JohabCode(const char* utf8) {
  const std::string johab = JohabText(utf8);
  return static_cast<uint16_t>(static_cast<uint8_t>(johab[0]) << 8 | static_cast<uint8_t>(johab[1]));
}

using FontComposition = TestFonts;

TEST_F(FontComposition, SetsFollowTheNeighbours) {
  const struct {
    const char* syllable;
    Part initial, medial, finalPart;
  } cases[] = {
      {"가", {0, 1}, {0, 1}, {0, 0}},    {"각", {5, 1}, {2, 1}, {0, 1}},   {"나", {0, 3}, {1, 1}, {0, 0}},
      {"난", {5, 3}, {3, 1}, {0, 4}},    {"고", {1, 1}, {0, 9}, {0, 0}},   {"과", {3, 1}, {0, 10}, {0, 0}},
      {"귀", {4, 1}, {0, 17}, {0, 0}},   {"곤", {6, 1}, {2, 9}, {3, 4}},   {"흽", {7, 19}, {3, 20}, {1, 17}},
      {"퀭", {7, 16}, {2, 16}, {2, 21}}, {"뜷", {6, 5}, {3, 19}, {3, 15}},
  };
  for (const auto& c : cases) {
    uint8_t glyph[GlyphBytes16];
    ComposeGlyph(JohabCode(c.syllable), glyph);
    EXPECT_EQ(PartAt(glyph, 0), c.initial) << c.syllable;
    EXPECT_EQ(PartAt(glyph, 5), c.medial) << c.syllable;
    EXPECT_EQ(PartAt(glyph, 11), c.finalPart) << c.syllable;
  }
}

TEST_F(FontComposition, FillFieldsDrawNothing) {
  uint8_t glyph[GlyphBytes16];
  ComposeGlyph(0x8441, glyph);  // all three fields are fills
  for (uint8_t byte : glyph) EXPECT_EQ(byte, 0);
  ComposeGlyph(0x8841, glyph);  // ㄱ alone: initial set 0
  EXPECT_EQ(PartAt(glyph, 0), (Part{0, 1}));
  EXPECT_EQ(PartAt(glyph, 5), (Part{0, 0}));
}

// A frame with guard bytes on both sides, to catch writes outside it.
struct GuardedFrame {
  static constexpr int Guard = 64 * 1024;
  std::vector<uint8_t> bytes = std::vector<uint8_t>(Guard + FrameBytes + Guard, 0xEE);
  GuardedFrame() { std::fill(frame(), frame() + FrameBytes, 0); }
  uint8_t* frame() { return bytes.data() + Guard; }
  uint8_t at(int x, int y) { return frame()[y * FrameWidth + x]; }
  bool guardsIntact() const {
    for (int i = 0; i < Guard; ++i)
      if (bytes[i] != 0xEE || bytes[Guard + FrameBytes + i] != 0xEE) return false;
    return true;
  }
  int inked() {
    int count = 0;
    for (int i = 0; i < FrameBytes; ++i) count += frame()[i] != 0;
    return count;
  }
};

// The byte value of the test eng glyph whose top-left corner is (x, y), or -1.
int EngGlyphAt(GuardedFrame& f, int x, int y, uint8_t colour) {
  for (int row = 0; row < 15; ++row)
    for (int column = 0; column < 8; ++column)
      if (f.at(x + column, y + row) != colour) return -1;
  int value = 0;
  for (int column = 0; column < 8; ++column) value = value << 1 | (f.at(x + column, y + 15) == colour ? 1 : 0);
  return value;
}

using TextDrawing = TestFonts;

TEST_F(TextDrawing, LineFeedReturnsToTheLeftEdge) {
  GuardedFrame f;
  DrawText(f.frame(), 100, 50, "AB\nCD", 9, 4);
  EXPECT_EQ(EngGlyphAt(f, 100, 50, 9), 'A');
  EXPECT_EQ(EngGlyphAt(f, 108, 50, 9), 'B');
  EXPECT_EQ(EngGlyphAt(f, 0, 66, 9), 'C');
  EXPECT_EQ(EngGlyphAt(f, 8, 66, 9), 'D');
  // The shadow of the second line keeps its +2 offset downwards only.
  EXPECT_EQ(f.at(0, 82), 4);
  EXPECT_EQ(f.at(15, 82), 4);
  EXPECT_EQ(f.at(16, 82), 0);
  EXPECT_EQ(f.at(117, 66), 4);  // first line: shadow 2 right and 2 down
  EXPECT_EQ(f.at(118, 66), 0);
  EXPECT_EQ(TextX, 16);
  EXPECT_EQ(TextY, 66);
  EXPECT_EQ(TextColour, 9);
}

TEST_F(TextDrawing, ColourEscapesChangeOnlyTheText) {
  GuardedFrame f;
  DrawText(f.frame(), 10, 10,
           "A\x0B"
           "248B\x0B"
           "007C",
           0, 213);
  EXPECT_EQ(f.at(12, 12), 0);  // black text over its shadow
  EXPECT_EQ(EngGlyphAt(f, 18, 10, 248), 'B');
  EXPECT_EQ(EngGlyphAt(f, 26, 10, 7), 'C');
  // The shadows below each glyph, never recoloured by the escapes.
  EXPECT_EQ(f.at(19, 26), 213);
  EXPECT_EQ(f.at(27, 26), 213);
  EXPECT_EQ(f.at(35, 26), 213);
  EXPECT_EQ(TextColour, 7);
  TextColour = 5;
  GuardedFrame plain;
  DrawTextPlain(plain.frame(), 0, 0,
                "\x0B"
                "100A");
  EXPECT_EQ(EngGlyphAt(plain, 0, 0, 5), 'A');
  EXPECT_EQ(TextColour, 5);
}

TEST_F(TextDrawing, CutShortTextsEnd) {
  for (const char* text : {"A\x0B",
                           "A\x0B"
                           "2",
                           "A\x0B"
                           "24",
                           "A\x88"}) {
    GuardedFrame f;
    TextColour = 3;
    DrawTextColoured(f.frame(), 0, 0, text);
    EXPECT_EQ(EngGlyphAt(f, 0, 0, 3), 'A');
    EXPECT_EQ(f.inked(), 8 * 15 + 2) << text;  // 'A' has two bits in its last row
    EXPECT_EQ(TextColour, 3);
    EXPECT_EQ(TextX, 8);
  }
}

TEST_F(TextDrawing, SyllablesAdvanceSixteen) {
  GuardedFrame f;
  TextColour = 1;
  DrawTextColoured(f.frame(), 20, 30, JohabText("가A"));
  EXPECT_EQ(f.at(20, 31), 1);  // the full row under the initial's numbers
  EXPECT_EQ(f.at(35, 31), 1);
  EXPECT_EQ(EngGlyphAt(f, 36, 30, 1), 'A');
  EXPECT_EQ(TextX, 44);
}

TEST_F(TextDrawing, NothingIsWrittenOutsideTheFrame) {
  const struct {
    int x, y;
  } spots[] = {{-5, 100}, {630, 100}, {300, -7}, {300, 470}, {-3, -3}, {633, 473}, {-9000, 479}, {639, 479}};
  for (const auto& spot : spots) {
    GuardedFrame f;
    DrawText(f.frame(), spot.x, spot.y, JohabText("가각A\n곤B"), 9, 4);
    EXPECT_TRUE(f.guardsIntact()) << spot.x << "," << spot.y;
  }
  // Clipping keeps the pixels that are inside.
  GuardedFrame left;
  DrawTextColoured(left.frame(), -4, 0, "A");
  EXPECT_EQ(left.at(0, 0), TextColour);
  EXPECT_EQ(left.at(3, 14), TextColour);
  EXPECT_EQ(left.at(4, 0), 0);
  GuardedFrame bottom;
  DrawText(bottom.frame(), 632, 470, "A", 9, 4);
  EXPECT_EQ(bottom.at(639, 479), 9);
  EXPECT_EQ(bottom.at(634, 472), 9);
  EXPECT_TRUE(bottom.guardsIntact());
}

TEST_F(TextDrawing, PassStopsBelowTheBottomAndPenNeverWraps) {
  GuardedFrame f;
  DrawTextColoured(f.frame(), 0, 470, "A\nB\nC\nD");
  EXPECT_EQ(f.at(0, 479), TextColour);
  EXPECT_EQ(TextY, 486);
  EXPECT_EQ(TextX, 0);  // stopped before B
  // 8192 spaces put a 16-bit pen back at 0; the pen saturates instead.
  GuardedFrame g;
  const std::string wide = std::string(8192, ' ') + "A";
  DrawTextColoured(g.frame(), 0, 0, wide.c_str());
  EXPECT_EQ(g.inked(), 0);
  EXPECT_EQ(TextX, INT16_MAX);
}

TEST(TextDrawingUnloaded, DrawsNothingWithoutFonts) {
  uint8_t* saved[4] = {InitialFont, MedialFont, FinalFont, EngFont};
  InitialFont = MedialFont = FinalFont = EngFont = nullptr;
  GuardedFrame f;
  DrawText(f.frame(), 10, 10, JohabText("가A"), 1, 2);
  EXPECT_EQ(f.inked(), 0);
  InitialFont = saved[0];
  MedialFont = saved[1];
  FinalFont = saved[2];
  EngFont = saved[3];
}

}  // namespace
