// SPDX-License-Identifier: GPL-2.0-or-later
#include "assets/pictures/canvas.h"

#include <cstdlib>
#include <sstream>

#include "platform/overlay_font.h"

void Canvas::Put(int x, int y, uint8_t colour) {
  if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = colour;
}

uint8_t Canvas::At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

void Canvas::Fill(const TableRect& r, uint8_t colour) {
  for (int y = r.y1; y <= r.y2; ++y)
    for (int x = r.x1; x <= r.x2; ++x) Put(x, y, colour);
}

void Canvas::Outline(const TableRect& r, uint8_t colour) {
  for (int x = r.x1; x <= r.x2; ++x) {
    Put(x, r.y1, colour);
    Put(x, r.y2, colour);
  }
  for (int y = r.y1; y <= r.y2; ++y) {
    Put(r.x1, y, colour);
    Put(r.x2, y, colour);
  }
}

void Canvas::Dashed(const TableRect& r, uint8_t colour) {
  for (int x = r.x1; x <= r.x2; ++x)
    if ((x - r.x1) % 4 < 2) {
      Put(x, r.y1, colour);
      Put(x, r.y2, colour);
    }
  for (int y = r.y1; y <= r.y2; ++y)
    if ((y - r.y1) % 4 < 2) {
      Put(r.x1, y, colour);
      Put(r.x2, y, colour);
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, uint8_t colour) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    Put(x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void Canvas::Disc(int cx, int cy, int radius, uint8_t colour) {
  for (int y = -radius; y <= radius; ++y)
    for (int x = -radius; x <= radius; ++x)
      if (x * x + y * y <= radius * radius + radius) Put(cx + x, cy + y, colour);
}

int GlyphHeight(GlyphSize size) { return size == GlyphSize::Full ? 16 : size == GlyphSize::Compact ? 12 : 6; }

int TextWidth(const std::string& text) { return static_cast<int>(text.size()) * 8; }

void DrawAscii(Canvas* canvas, int x, int y, const std::string& text, uint8_t colour, GlyphSize size) {
  const int first = size == GlyphSize::Full ? 0 : 2;
  const int step = size == GlyphSize::Tiny ? 2 : 1;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const uint8_t* glyph = OverlayFont[(c >= 0x20 && c <= 0x7E) ? c - 0x20 : '?' - 0x20];
    for (int row = 0; row < GlyphHeight(size); ++row) {
      const uint8_t bits = glyph[first + row * step];
      for (int column = 0; column < 8; ++column)
        if (bits & (0x80 >> column)) canvas->Put(x + static_cast<int>(i) * 8 + column, y + row, colour);
    }
  }
}

void DrawAsciiLarge(Canvas* canvas, int x, int y, const std::string& text, uint8_t colour, int scale) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const uint8_t* glyph = OverlayFont[(c >= 0x20 && c <= 0x7E) ? c - 0x20 : '?' - 0x20];
    for (int row = 0; row < 16; ++row)
      for (int column = 0; column < 8; ++column)
        if (glyph[row] & (0x80 >> column)) {
          const int left = x + (static_cast<int>(i) * 8 + column) * scale, top = y + row * scale;
          canvas->Fill({left, top, left + scale - 1, top + scale - 1}, colour);
        }
  }
}

bool FitText(const std::string& text, int width, int height, GlyphSize* size) {
  if (TextWidth(text) > width) return false;
  for (GlyphSize s : {GlyphSize::Full, GlyphSize::Compact, GlyphSize::Tiny})
    if (GlyphHeight(s) <= height) {
      *size = s;
      return true;
    }
  return false;
}

static std::vector<std::string> BreakLines(const std::string& text, int width) {
  std::vector<std::string> lines;
  std::string word, line;
  std::istringstream words(text);
  while (words >> word) {
    const std::string longer = line.empty() ? word : line + " " + word;
    if (TextWidth(longer) <= width || line.empty()) {
      line = longer;
    } else {
      lines.push_back(line);
      line = word;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool FitLines(const std::string& text, int width, int height, std::vector<std::string>* lines, GlyphSize* size) {
  if (FitText(text, width, height, size)) {
    *lines = {text};
    return true;
  }
  *lines = BreakLines(text, width);
  for (const std::string& line : *lines)
    if (TextWidth(line) > width) return false;
  for (GlyphSize s : {GlyphSize::Full, GlyphSize::Compact, GlyphSize::Tiny})
    if (GlyphHeight(s) * static_cast<int>(lines->size()) <= height) {
      *size = s;
      return true;
    }
  return false;
}

bool DrawCentred(Canvas* canvas, const TableRect& r, const std::string& text, uint8_t colour) {
  std::vector<std::string> lines;
  GlyphSize size;
  if (!FitLines(text, r.Width() - 4, r.Height() - 2, &lines, &size)) return false;
  const int total = GlyphHeight(size) * static_cast<int>(lines.size());
  int y = r.y1 + (r.Height() - total) / 2;
  for (const std::string& line : lines) {
    DrawAscii(canvas, r.x1 + (r.Width() - TextWidth(line)) / 2, y, line, colour, size);
    y += GlyphHeight(size);
  }
  return true;
}
