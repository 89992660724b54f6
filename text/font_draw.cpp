// Text drawing: one pass walks the Johab text, composes each syllable from
// its partial glyphs and writes the set bits in TextColour. Glyphs are
// clipped to the frame, so text can never write outside it.
#include <cstdint>
#include <cstring>

#include "gfx/frame.h"
#include "text/font.h"

uint8_t TextColour = 7;
int16_t TextX = 0;
int16_t TextY = 0;
void (*TextDrawnObserver)(const char* johab) = nullptr;

namespace {

int16_t Saturated(int value) {
  if (value > INT16_MAX) return INT16_MAX;
  if (value < INT16_MIN) return INT16_MIN;
  return static_cast<int16_t>(value);
}

// rowBytes 1 or 2: an 8- or 16-pixel-wide glyph of 16 rows.
void DrawGlyph(uint8_t* frame, int x, int y, const uint8_t* glyph, int rowBytes, uint8_t colour) {
  const int width = rowBytes * 8;
  if (frame == nullptr || glyph == nullptr) return;
  if (x >= FrameWidth || y >= FrameHeight || x + width <= 0 || y + 16 <= 0) return;
  for (int row = 0; row < 16; ++row) {
    const int py = y + row;
    if (py < 0 || py >= FrameHeight) continue;
    uint8_t* line = frame + py * FrameWidth;
    for (int column = 0; column < width; ++column) {
      const int px = x + column;
      const uint8_t bits = glyph[row * rowBytes + column / 8];
      if ((bits & (0x80 >> (column % 8))) != 0 && px >= 0 && px < FrameWidth) line[px] = colour;
    }
  }
}

const uint8_t* GlyphOf(const uint8_t* block, int set, int glyphsPerSet, int glyph) {
  return block + (set * glyphsPerSet + glyph) * GlyphBytes16;
}

// Three decimal digits as the text gives them; a non-digit ends the number.
uint8_t ColourNumber(const char* digits) {
  int value = 0;
  for (int i = 0; i < 3 && digits[i] >= '0' && digits[i] <= '9'; ++i) value = value * 10 + (digits[i] - '0');
  return static_cast<uint8_t>(value & 0xFF);
}

void DrawPass(uint8_t* frame, int x, int y, const char* text, bool coloured) {
  TextX = Saturated(x);
  TextY = Saturated(y);
  if (text == nullptr) return;
  if (TextDrawnObserver != nullptr) TextDrawnObserver(text);
  for (size_t p = 0; text[p] != '\0' && y < FrameHeight;) {
    const uint8_t c = static_cast<uint8_t>(text[p]);
    if (c == 0x0A) {
      y += 16;
      x = 0;
      p += 1;
    } else if (c == 0x0B) {
      if (text[p + 1] == '\0' || text[p + 2] == '\0' || text[p + 3] == '\0') break;
      if (coloured) TextColour = ColourNumber(text + p + 1);
      p += 4;
    } else if (c >= 0x80) {
      if (text[p + 1] == '\0') break;
      uint8_t glyph[GlyphBytes16];
      ComposeGlyph(static_cast<uint16_t>(c << 8 | static_cast<uint8_t>(text[p + 1])), glyph);
      DrawGlyph16(frame, x, y, glyph, TextColour);
      x += 16;
      p += 2;
    } else {
      if (EngFont != nullptr) DrawGlyph8(frame, x, y, EngFont + c * GlyphBytes8, TextColour);
      x += 8;
      p += 1;
    }
    TextX = Saturated(x);
    TextY = Saturated(y);
  }
}

}  // namespace

void DrawGlyph8(uint8_t* frame, int x, int y, const uint8_t* glyph16, uint8_t colour) {
  DrawGlyph(frame, x, y, glyph16, 1, colour);
}

void DrawGlyph16(uint8_t* frame, int x, int y, const uint8_t* glyph32, uint8_t colour) {
  DrawGlyph(frame, x, y, glyph32, 2, colour);
}

void OrGlyph(uint8_t* dst32, const uint8_t* src32) {
  for (int i = 0; i < GlyphBytes16; ++i) dst32[i] |= src32[i];
}

void ComposeGlyph(uint16_t code, uint8_t* glyph32) {
  std::memset(glyph32, 0, GlyphBytes16);
  if (InitialFont == nullptr || MedialFont == nullptr || FinalFont == nullptr) return;
  const GlyphChoice choice = ChooseGlyphs(code);
  if (choice.initial != 0) OrGlyph(glyph32, GlyphOf(InitialFont, choice.initialSet, InitialGlyphs, choice.initial));
  if (choice.medial != 0) OrGlyph(glyph32, GlyphOf(MedialFont, choice.medialSet, MedialGlyphs, choice.medial));
  if (choice.finalGlyph != 0) OrGlyph(glyph32, GlyphOf(FinalFont, choice.finalSet, FinalGlyphs, choice.finalGlyph));
}

void DrawTextPlain(uint8_t* frame, int x, int y, const char* text) { DrawPass(frame, x, y, text, false); }

void DrawTextColoured(uint8_t* frame, int x, int y, const char* text) { DrawPass(frame, x, y, text, true); }

void DrawText(uint8_t* frame, int x, int y, const char* text, uint8_t colour, uint8_t shadowColour) {
  TextColour = shadowColour;
  DrawTextPlain(frame, x + 2, y + 2, text);
  TextColour = colour;
  DrawTextColoured(frame, x, y, text);
}
