// The game's bitmap fonts and text drawing. Text is Johab: a byte below 0x80
// is an 8x16 glyph of eng.fnt, a byte of 0x80 or above leads a two-byte
// syllable that is composed from up to three partial 16x16 glyphs of han.fnt.
#pragma once

#include <cstdint>

extern uint8_t TextColour;  // 7 at start, 55 once the fonts are loaded
extern int16_t TextX;
extern int16_t TextY;

// han.fnt: initial glyphs (8 sets x 20), medial (4 x 22), final (4 x 28),
// 32 bytes each; eng.fnt: 256 glyphs of 16 bytes. Files of any other size
// are refused.
constexpr int GlyphBytes16 = 32;
constexpr int GlyphBytes8 = 16;
constexpr int InitialSets = 8;
constexpr int MedialSets = 4;
constexpr int FinalSets = 4;
constexpr int InitialGlyphs = 20;
constexpr int MedialGlyphs = 22;
constexpr int FinalGlyphs = 28;
constexpr int InitialBlockBytes = InitialSets * InitialGlyphs * GlyphBytes16;  // 5120
constexpr int MedialBlockBytes = MedialSets * MedialGlyphs * GlyphBytes16;     // 2816
constexpr int FinalBlockBytes = FinalSets * FinalGlyphs * GlyphBytes16;        // 3584
constexpr int HanFontBytes = InitialBlockBytes + MedialBlockBytes + FinalBlockBytes;  // 11520
constexpr int EngFontBytes = 256 * GlyphBytes8;                                       // 4096

// The four font buffers; null until loaded and after FreeFonts.
extern uint8_t* InitialFont;
extern uint8_t* MedialFont;
extern uint8_t* FinalFont;
extern uint8_t* EngFont;

// 1 when both fonts were read, 0 otherwise; FontLoadError() then says which
// file and why. Both files are checked before either is read, and fonts that
// were loaded before stay as they were when loading fails.
int LoadFonts(const char* hanPath, const char* engPath);
const char* FontLoadError();
// Each reads one file whole into its buffers; false (buffers untouched) when
// it is missing, unreadable or not of the exact size.
bool LoadHanFont(const char* path);
bool LoadEngFont(const char* path);
void FreeFonts();

// Drawing never writes outside the 640x480 frame: glyphs that cross an edge
// are clipped, and a pass stops once its pen is below the bottom edge.
void DrawText(uint8_t* frame, int x, int y, const char* text, uint8_t colour, uint8_t shadowColour);
void DrawTextPlain(uint8_t* frame, int x, int y, const char* text);
void DrawTextColoured(uint8_t* frame, int x, int y, const char* text);

// Called with every text DrawTextPlain and DrawTextColoured are given (Johab,
// as drawn), when set: how a harness sees what the player reads. Null by
// default.
extern void (*TextDrawnObserver)(const char* johab);

// Every set bit writes colour at (x + column, y + row); clear bits leave the
// frame untouched.
void DrawGlyph8(uint8_t* frame, int x, int y, const uint8_t* glyph16, uint8_t colour);
void DrawGlyph16(uint8_t* frame, int x, int y, const uint8_t* glyph32, uint8_t colour);
void OrGlyph(uint8_t* dst32, const uint8_t* src32);

// Johab field -> glyph index (0: none), indexed by the 5-bit field value.
extern const uint8_t InitialGlyphOfField[32];
extern const uint8_t MedialGlyphOfField[32];
extern const uint8_t FinalGlyphOfField[32];
// The glyph sets: initial set by medial glyph * 2 + (final ? 1 : 0), medial
// set by initial glyph * 2 + (final ? 1 : 0), final set by medial glyph.
extern const uint8_t InitialSetTable[44];
extern const uint8_t MedialSetTable[40];
extern const uint8_t FinalSetTable[22];

// The partial glyphs that make up one two-byte code, and their sets.
struct GlyphChoice {
  int initial, initialSet;
  int medial, medialSet;
  int finalGlyph, finalSet;
};
GlyphChoice ChooseGlyphs(uint16_t code);
// The composed 16x16 glyph of a two-byte code from the loaded font (blank
// when no font is loaded).
void ComposeGlyph(uint16_t code, uint8_t* glyph32);
