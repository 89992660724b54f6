// SPDX-License-Identifier: GPL-2.0-or-later
// An 8-bit picture being drawn by the generator, with the few primitives the
// placeholders need and ASCII text in the built-in 8x16 font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/pictures/picture_table.h"

struct Canvas {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;

  Canvas(int w, int h, uint8_t colour) : width(w), height(h), pixels(static_cast<size_t>(w) * h, colour) {}
  void Put(int x, int y, uint8_t colour);
  uint8_t At(int x, int y) const;
  void Fill(const TableRect& r, uint8_t colour);
  void Outline(const TableRect& r, uint8_t colour);
  void Dashed(const TableRect& r, uint8_t colour);
  void Line(int x0, int y0, int x1, int y1, uint8_t colour);
  void Disc(int cx, int cy, int radius, uint8_t colour);
};

// The three heights of the built-in font: all 16 rows, the 12 rows that carry
// ink (2..13), or every other of those (6 rows) for the smallest areas.
enum class GlyphSize { Full, Compact, Tiny };

int GlyphHeight(GlyphSize size);
int TextWidth(const std::string& text);
void DrawAscii(Canvas* canvas, int x, int y, const std::string& text, uint8_t colour, GlyphSize size);
// The full font enlarged by a whole factor, each pixel a scale x scale block.
void DrawAsciiLarge(Canvas* canvas, int x, int y, const std::string& text, uint8_t colour, int scale);
// The largest size at which text fits inside width x height; false if none.
bool FitText(const std::string& text, int width, int height, GlyphSize* size);
// As FitText, breaking the text into lines at spaces when one line is too
// wide. Lines are stacked without spacing.
bool FitLines(const std::string& text, int width, int height, std::vector<std::string>* lines, GlyphSize* size);
// Draws text centred in r (broken into lines as FitLines does); false when it
// does not fit, and then nothing is drawn.
bool DrawCentred(Canvas* canvas, const TableRect& r, const std::string& text, uint8_t colour);
